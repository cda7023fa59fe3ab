// The program as it starts for a user, with the probe added: it reports its
// first frame, its idle cost and, when asked, its memory after many games
// and help-window cycles.
#include "application.h"
#include "form1.h"
#include "probe.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>

namespace {

void PlayAndOpenHelp(Form1 &window, int games, int helpCycles)
{
    auto *play = window.findChild<QPushButton *>(QStringLiteral("Command1"));
    for (int game = 1; game <= games; ++game) {
        play->click();
        if (game % 100 == 0)
            QCoreApplication::processEvents();
    }
    auto *aide = window.findChild<QAction *>(QStringLiteral("mnuAideItem"));
    for (int cycle = 0; cycle < helpCycles; ++cycle) {
        aide->trigger();
        QCoreApplication::processEvents();
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("Form2"))
                top->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    SetUpApplication();
    const int idleSeconds = argc > 1 ? std::atoi(argv[1]) : 0;
    const int games = argc > 2 ? std::atoi(argv[2]) : 0;
    const int helpCycles = argc > 3 ? std::atoi(argv[3]) : 0;

    Form1 window;
    window.show();

    std::function<void()> work;
    if (games > 0 || helpCycles > 0)
        work = [&window, games, helpCycles] { PlayAndOpenHelp(window, games, helpCycles); };
    Probe::Report(&window, idleSeconds, work);
    return QApplication::exec();
}
