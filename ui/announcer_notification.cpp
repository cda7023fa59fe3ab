#include "announcer.h"

#include <QAccessible>
#include <QWidget>

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

Announcer::Announcer(QWidget *window)
    : QObject(window)
{}

void Announcer::Announce(QWidget *source, const QString &text)
{
    QAccessibleAnnouncementEvent announcement(source, text);
    QAccessible::updateAccessibility(&announcement);
}

#else

// What screen readers are told these are, by their class names: see
// ui/accessibility.cpp.
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

Announcer::Announcer(QWidget *window)
    : QObject(window)
{
    auto *bar = new AnnouncementBar(window);
    bar->setGeometry(0, 0, 1, 1);
    bar->setFocusPolicy(Qt::NoFocus);
    m_notification = new Announcement(bar);
    m_notification->setGeometry(0, 0, 1, 1);
    // Hidden until the first text: a notification shown at start would be read.
    m_notification->hide();
}

void Announcer::Announce(QWidget *, const QString &text)
{
    m_notification->hide();
    m_notification->setAccessibleName(text);
    m_notification->show();
}

#include "announcer.moc"

#endif
