#pragma once

class QWidget;

// Qt draws a button's focus ring only once the keyboard has moved the focus,
// and forgets that whenever a window is activated. A keyboard player must see
// where the keyboard is from the start: when `button` first takes the focus,
// its window shows focus rings as after a Tab.
void ShowFocusRingFromTheStart(QWidget *button);
