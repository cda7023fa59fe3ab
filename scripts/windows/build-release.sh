# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

# Windows builds are made on Debian 13, whose Qt 6.8 LTS and MinGW-w64 they
# carry; sourced by the scripts that make them.
windows_build_release=trixie
on_windows_build_release() {
    [[ $(. /etc/os-release && echo "$VERSION_CODENAME") == "$windows_build_release" ]]
}
