// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDialog>

// The help window: the aim of the game and the chance of winning, with one
// button to close it. Shown application-modal and destroyed when it closes.
class Form2 : public QDialog
{
    Q_OBJECT

public:
    Form2();
};
