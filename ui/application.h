// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

// Names the program to the desktop: its name, version, the desktop entry
// that Wayland compositors match its windows with, and the window icon that
// both windows take, installed or not (given once the first window is on the
// screen); and what screen readers are told of the program's own widgets.
// Call once the application exists, before the first window is shown.
void SetUpApplication();
