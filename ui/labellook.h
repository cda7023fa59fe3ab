#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class FittedLabel;
class QWidget;

// How one label of a window's layout looks. Every label's font is bold.
struct LabelLook
{
    const char *name;
    QRect geometry;
    const char *family;
    qreal pointSize;
    bool italic;
    QColor colour;
    bool border;
    Qt::Alignment alignment; // horizontal; the text is centred vertically
};

FittedLabel *MakeLabel(QWidget *parent, const LabelLook &look, const QString &text = {});
