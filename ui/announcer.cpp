#include "announcer.h"

#include <QAccessible>
#include <QWidget>

void Announce(QWidget *source, const QString &text)
{
    source->setAccessibleDescription(text);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(source, text);
    QAccessible::updateAccessibility(&announcement);
#endif
}
