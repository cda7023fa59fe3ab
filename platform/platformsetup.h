// SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
// SPDX-License-Identifier: MIT

#pragma once

// What one platform needs before the first window shows, beyond what every
// platform gets: on Windows, a light colour scheme for Windows 11's style;
// in a browser's page, the labels' fonts and an end told to the page. Call
// once the application exists, before the first window is shown.
void SetUpPlatform();
