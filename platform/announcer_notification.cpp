// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

// A status bar of one pixel, which holds the notification.
class AnnouncementBar : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;
};

class Announcement : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;
};

// What screen readers are told these two are; Qt takes them for plain
// widgets.
QAccessibleInterface *AnnouncementAccessibility(const QString &className, QObject *object)
{
    if (className == QLatin1String(AnnouncementBar::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::StatusBar);
    if (className == QLatin1String(Announcement::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget *window)
    : QObject(window)
{
    QAccessible::installFactory(AnnouncementAccessibility);
    auto *bar = new AnnouncementBar(window);
    bar->setGeometry(0, 0, 1, 1);
    bar->setFocusPolicy(Qt::NoFocus);
    auto *notification = new Announcement(bar);
    notification->setGeometry(0, 0, 1, 1);
    // Hidden until the first text: a notification shown at start would be read.
    notification->hide();
}

void Announcer::Announce(QWidget *, const QString &text)
{
    auto *notification = parent()->findChild<Announcement *>();
    notification->hide();
    notification->setAccessibleName(text);
    notification->show();
}

// The screen reader is told of every window that opens, and says it itself.
void Announcer::AnnounceOpened(QWidget *)
{}

#include "announcer_notification.moc"
