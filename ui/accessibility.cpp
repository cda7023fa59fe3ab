// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "accessibility.h"

#include "winpicture.h"

#include <QAccessibleWidget>

QAccessibleInterface *ProgramAccessibility(const QString &className, QObject *object)
{
    if (className == QLatin1String(WinPicture::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}
