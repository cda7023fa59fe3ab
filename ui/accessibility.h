// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// What screen readers are told the win picture is, which Qt takes for a
// plain widget (an empty filler): an image. Installed once for the whole
// program.
QAccessibleInterface *ProgramAccessibility(const QString &className, QObject *object);
