#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// What screen readers are told the program's own kinds of widget are, which
// Qt takes for plain widgets (empty fillers): the win picture is an image,
// and the announcer's widgets a status bar and the notification inside it.
// Installed once for the whole program.
QAccessibleInterface *ProgramAccessibility(const QString &className, QObject *object);
