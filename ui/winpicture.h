#pragma once

#include <QString>
#include <QWidget>

#include <memory>

class QSvgRenderer;

// A vector picture stretched over the whole widget, aspect ratio ignored,
// drawn at the screen's own resolution. The drawing is read when it is first
// painted, so a picture that is never shown costs nothing. A screen reader
// finds it as an image with the given name while it shows, and no name while
// it is hidden.
class WinPicture : public QWidget
{
    Q_OBJECT

public:
    WinPicture(QString resource, QString name, QWidget *parent = nullptr);
    ~WinPicture() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QString m_resource;
    QString m_name;
    std::unique_ptr<QSvgRenderer> m_renderer;
};
