// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

// What a browser's page lacks that a desktop gives the program: the labels'
// fonts, which a page cannot take from the machine it runs on, and an end:
// in a page the program never returns from its event loop, so ending it is
// told to the page, which then says the game is over. Call once the
// application exists, before the first window is shown.
void SetUpWebPage();
