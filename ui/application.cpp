#include "application.h"

#include "applicationidentity.h"

#include <QApplication>
#include <QIcon>

void SetUpApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("bandit-manchot"));
    QCoreApplication::setApplicationVersion(QStringLiteral(APP_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(APP_ID));
    // No display name: Qt would add it to every window title, and the help
    // window's title is "Aide" alone.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/icon.svg")));
}
