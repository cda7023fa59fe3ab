#include "form1.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/icon.svg")));
    Form1 window;
    window.show();
    return QApplication::exec();
}
