// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "application.h"

#include "accessibility.h"
#include "applicationidentity.h"
#include "platformsetup.h"

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

// Gives the program its window icon once a first window is on the screen:
// decoding the bitmaps and handing them to the window system would otherwise
// hold up the window's first frame, and a title bar takes a new icon at once.
class IconOnceShown : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Expose) {
            qApp->removeEventFilter(this);
            // Queued: the window paints its first frame as this event is handled.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    QApplication::setWindowIcon(WindowIcon());
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

void SetUpApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("bandit-manchot"));
    QCoreApplication::setApplicationVersion(QStringLiteral(APP_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(APP_ID));
    // No display name: Qt would add it to every window title, and the help
    // window's title is "Aide" alone.
    qApp->installEventFilter(new IconOnceShown(qApp));
    QAccessible::installFactory(ProgramAccessibility);
    SetUpPlatform();
}
