#pragma once

#include <QLabel>

// A label of fixed size whose text always stays whole. The text is drawn in
// the label's own font, wrapped at word boundaries, whenever it fits; a text
// that would not fit is drawn in the largest smaller size of that font that
// does, so that no line is ever cut off.
class FittedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit FittedLabel(QWidget *parent = nullptr);

    // The font the text is drawn in at the label's current size.
    QFont FittedFont() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int TextFlags() const;
    bool Fits(const QFont &font) const;
};
