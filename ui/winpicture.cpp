#include "winpicture.h"

#include <QAccessibleWidget>
#include <QPainter>

WinPicture::WinPicture(QString name, QWidget *parent)
    : QWidget(parent)
    , m_name(std::move(name))
{}

QAccessibleInterface *WinPicture::Accessibility(const QString &className, QObject *object)
{
    if (className == QLatin1String("WinPicture") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

void WinPicture::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    setAccessibleName(m_name);
}

void WinPicture::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    setAccessibleName(QString());
}

void WinPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_source.Draw(painter, rect());
}
