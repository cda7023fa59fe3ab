// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QLabel>

class QPainter;

#include <optional>

// A label of fixed size whose text always stays whole. The text is drawn in
// the label's own font, wrapped at word boundaries, whenever it fits; a text
// that would not fit is drawn in the largest smaller size of that font that
// does, so that no line is ever cut off. A label with a border draws it one
// pixel wide on whole device pixels, so that all four sides show at any
// screen scale.
class FittedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit FittedLabel(QWidget *parent = nullptr);

    // The font the text is drawn in at the label's current size. Worked out
    // again only when something the fit depends on changes: the text, the
    // size, the font, the screen, or the room and flags the text is laid
    // out with.
    QFont FittedFont() const;

    void SetBorder(bool border);
    bool HasBorder() const { return m_border; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // What the fitted font depends on.
    struct Inputs
    {
        QString text;
        QFont font;
        int dpi;
        QRect room;
        int flags;
        bool operator==(const Inputs &) const = default;
    };

    void DrawBorder(QPainter &painter) const;
    QRect TextRect() const;
    int TextFlags() const;
    bool Fits(const QFont &font) const;

    bool m_border = false;
    mutable std::optional<Inputs> m_fittedFor;
    mutable QFont m_fitted;
};
