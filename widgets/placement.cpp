// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "placement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

int FittedStart(int start, int length, int areaStart, int areaLength)
{
    if (length >= areaLength)
        return areaStart;
    return std::clamp(start, areaStart, areaStart + areaLength - length);
}

QMargins FrameMargins(const QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

} // namespace

QPoint FittedTopLeft(const QRect &frame, const QRect &available)
{
    return {FittedStart(frame.left(), frame.width(), available.left(), available.width()),
            FittedStart(frame.top(), frame.height(), available.top(), available.height())};
}

ScreenPlacement::ScreenPlacement(QWidget *window, QPoint insideAt)
    : QObject(window)
    , m_window(window)
    , m_insideAt(insideAt)
{
    Place();
    window->installEventFilter(this);
}

bool ScreenPlacement::eventFilter(QObject *, QEvent *event)
{
    const bool moved = event->type() == QEvent::Move || event->type() == QEvent::ActivationChange;
    if (moved && !FrameMargins(m_window).isNull()) {
        m_window->removeEventFilter(this);
        Place();
    }
    return false;
}

void ScreenPlacement::Place()
{
    const QScreen *screen = m_window->screen();
    const QMargins frame = FrameMargins(m_window);
    const QRect inside(screen->geometry().topLeft() + m_insideAt, m_window->size());
    const QPoint fitted = FittedTopLeft(inside.marginsAdded(frame), screen->availableGeometry());
    m_window->setGeometry(QRect(fitted + QPoint(frame.left(), frame.top()), m_window->size()));
}
