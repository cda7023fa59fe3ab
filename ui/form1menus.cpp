// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "form1menus.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>

namespace {

QAction *AddMenu(QMenuBar *bar, const char *menuName, const QString &title, const char *entryName,
                 const QString &entry)
{
    QMenu *menu = bar->addMenu(title);
    menu->setObjectName(QLatin1String(menuName));
    QAction *action = menu->addAction(entry);
    action->setObjectName(QLatin1String(entryName));
    return action;
}

} // namespace

Form1Menus BuildMenus(QMainWindow *window)
{
    QMenuBar *bar = window->menuBar();
    Form1Menus menus;
    menus.date = AddMenu(bar, "mnuHorloge", QStringLiteral("Horloge"), "mnuDateItem",
                         QStringLiteral("Date"));
    menus.aide
        = AddMenu(bar, "mnuAide", QStringLiteral("?"), "mnuAideItem", QStringLiteral("Aide"));

    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), window);
    QAction *first = bar->actions().constFirst();
    QObject::connect(f10, &QShortcut::activated, bar,
                     [bar, first] { bar->setActiveAction(first); });
    return menus;
}
