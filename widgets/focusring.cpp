// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "focusring.h"

#include <QAbstractButton>
#include <QFocusEvent>

namespace {

class KeyboardFocus : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn
            && static_cast<QFocusEvent *>(event)->reason() != Qt::MouseFocusReason) {
            static_cast<QWidget *>(watched)->window()->setAttribute(Qt::WA_KeyboardFocusChange);
        }
        return false;
    }
};

} // namespace

void ShowFocusRingsWhenFocused(QWidget *window)
{
    auto *filter = new KeyboardFocus(window);
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        button->installEventFilter(filter);
}
