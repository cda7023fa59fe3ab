#include "accessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

QAccessibleInterface *ProgramAccessibility(const QString &className, QObject *object)
{
    if (!object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("WinPicture"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (className == QLatin1String("AnnouncementBar"))
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
    if (className == QLatin1String("Announcement"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}
