#include "winpicture.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// Screen readers take a plain widget for an empty filler; this one is an image.
QAccessibleInterface *PictureAccessibility(const QString &className, QObject *object)
{
    if (className == QLatin1String("WinPicture") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

WinPicture::WinPicture(QString resource, QString name, QWidget *parent)
    : QWidget(parent)
    , m_resource(std::move(resource))
    , m_name(std::move(name))
{
    static const bool installed = (QAccessible::installFactory(PictureAccessibility), true);
    Q_UNUSED(installed);
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

WinPicture::~WinPicture() = default;

void WinPicture::paintEvent(QPaintEvent *)
{
    if (!m_renderer) {
        m_renderer = std::make_unique<QSvgRenderer>(m_resource);
        m_renderer->setAspectRatioMode(Qt::IgnoreAspectRatio);
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_renderer->render(&painter, rect());
}
