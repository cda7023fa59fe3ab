// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

class QWidget;

// Qt draws a button's focus ring only once the keyboard has moved the focus
// in its window, and forgets that whenever the window is activated (before
// or after the button takes the focus, by Qt version). A keyboard player must
// see where the keyboard is: whenever a button of `window` takes the focus
// other than by a click, at the window's opening and when it is back in
// front, the window shows focus rings as after a Tab.
void ShowFocusRingsWhenFocused(QWidget *window);
