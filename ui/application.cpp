#include "application.h"

#include "accessibility.h"
#include "applicationidentity.h"

#include <QAccessible>
#include <QApplication>
#include <QDirIterator>
#include <QIcon>

namespace {

// Every size the build rendered from the drawing for the windows, so that
// each screen scale finds a crisp bitmap and nothing needs an SVG plugin to
// show the icon.
QIcon WindowIcon()
{
    QIcon icon;
    QDirIterator pngs(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files,
                      QDirIterator::Subdirectories);
    while (pngs.hasNext())
        icon.addFile(pngs.next());
    return icon;
}

} // namespace

void SetUpApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("bandit-manchot"));
    QCoreApplication::setApplicationVersion(QStringLiteral(APP_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(APP_ID));
    // No display name: Qt would add it to every window title, and the help
    // window's title is "Aide" alone.
    QApplication::setWindowIcon(WindowIcon());
    QAccessible::installFactory(ProgramAccessibility);
}
