// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#include "platformsetup.h"

// A Linux desktop lends the program its fonts, through fontconfig, and its
// style follows the palette the windows set: nothing to add.
void SetUpPlatform()
{}
