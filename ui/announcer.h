#pragma once

class QString;
class QWidget;

// Has screen readers say `text` once, as what the focused control `source`
// has just done, while the focus stays where it is.
void Announce(QWidget *source, const QString &text);
