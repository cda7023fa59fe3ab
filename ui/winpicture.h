#pragma once

#include <QString>
#include <QWidget>

#include <memory>

class QSvgRenderer;

// A vector picture stretched over the whole widget, aspect ratio ignored,
// drawn at the screen's own resolution. The drawing is read when it is first
// painted, so a picture that is never shown costs nothing.
class WinPicture : public QWidget
{
    Q_OBJECT

public:
    explicit WinPicture(QString resource, QWidget *parent = nullptr);
    ~WinPicture() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_resource;
    std::unique_ptr<QSvgRenderer> m_renderer;
};
