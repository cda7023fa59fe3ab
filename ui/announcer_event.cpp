#include "announcer.h"

#include <QAccessible>
#include <QWidget>

Announcer::Announcer(QWidget *window)
    : QObject(window)
{}

void Announcer::Announce(QWidget *source, const QString &text)
{
    QAccessibleAnnouncementEvent announcement(source, text);
    QAccessible::updateAccessibility(&announcement);
}
