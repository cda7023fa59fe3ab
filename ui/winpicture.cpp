#include "winpicture.h"

#include <QPainter>
#include <QSvgRenderer>

WinPicture::WinPicture(QString resource, QWidget *parent)
    : QWidget(parent)
    , m_resource(std::move(resource))
{}

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
