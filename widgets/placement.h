// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

class QWidget;

// Where a window whose frame would cover `frame` goes so that all of it lies
// in `available` (the screen's free area): moved just enough to fit, and
// along an axis where it is larger than the free area, at that area's start.
// Its size never changes.
QPoint FittedTopLeft(const QRect &frame, const QRect &available);

// Puts a window's inside (its area without the frame) at a fixed point of its
// screen, unless that would leave part of the window, frame included, outside
// the screen's free area: then it moves just enough to fit. The window is
// placed when this is made, and again once the window manager has framed it,
// on its first move or activation, since the frame is known only then. Later
// moves are the user's own.
class ScreenPlacement : public QObject
{
public:
    ScreenPlacement(QWidget *window, QPoint insideAt);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Place();

    QWidget *m_window;
    QPoint m_insideAt;
};
