// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

class QPalette;

// The light colours the windows' layout was drawn for: light grey window and
// buttons, black text, white fields. The windows' contents keep them under
// any desktop colour scheme, so that every tabled text colour stays
// readable on what is drawn behind it; the frames and menus follow the
// desktop.
QPalette LightPalette();
