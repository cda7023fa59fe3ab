#pragma once

#include "picturesource.h"

#include <QString>
#include <QWidget>

class QAccessibleInterface;

// The win picture: the coins stretched over the whole widget, aspect ratio
// ignored, at the screen's own resolution. A screen reader finds it as an
// image with the given name while it shows, and no name while it is hidden,
// once the program has installed `Accessibility`.
class WinPicture : public QWidget
{
    Q_OBJECT

public:
    explicit WinPicture(QString name, QWidget *parent = nullptr);

    // Screen readers take a plain widget for an empty filler: this factory,
    // installed once for the whole program, makes the picture an image.
    static QAccessibleInterface *Accessibility(const QString &className, QObject *object);

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QString m_name;
    PictureSource m_source;
};
