// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

class QAction;
class QMainWindow;

// The entries of the main window's menus that do something when chosen.
struct Form1Menus
{
    QAction *date = nullptr;
    QAction *aide = nullptr;
};

// Makes the window's menu bar: "Horloge" with "Date", then "?" with "Aide".
// The entries have no shortcut of their own; F10 opens the first menu from
// the keyboard, as in GNOME and KDE programs.
Form1Menus BuildMenus(QMainWindow *window);
