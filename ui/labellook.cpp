#include "labellook.h"

#include "fittedlabel.h"

FittedLabel *MakeLabel(QWidget *parent, const LabelLook &look, const QString &text)
{
    auto *label = new FittedLabel(parent);
    label->setObjectName(QLatin1String(look.name));
    label->setGeometry(look.geometry);
    QFont font(QLatin1String(look.family));
    font.setPointSizeF(look.pointSize);
    font.setBold(true);
    font.setItalic(look.italic);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, look.colour);
    label->setPalette(palette);
    if (look.border) {
        label->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
        // Keeps text aligned to a side off the border of that side.
        if (!(look.alignment & Qt::AlignHCenter))
            label->setContentsMargins(2, 0, 2, 0);
    }
    label->setAlignment(look.alignment | Qt::AlignVCenter);
    label->setText(text);
    return label;
}
