# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

# What the scripts that build the program for another platform share
# (scripts/windows/package.sh and check-release.sh, scripts/web/package.sh);
# sourced from the tree's top.

# They build on Debian 13, whose Qt 6.8 LTS, MinGW-w64 and Emscripten the
# Windows release and the page carry.
platform_build_release=trixie
on_platform_build_release() {
    [[ $(. /etc/os-release && echo "$VERSION_CODENAME") == "$platform_build_release" ]]
}

# in_platform_build_root [scripts/test-on.sh's options] COMMAND [ARGUMENT...]:
# runs the command in a fresh Debian 13 root on this tree's HEAD, with this
# SOURCE_DATE_EPOCH where one is set; its output goes to standard error.
in_platform_build_root() {
    local options=()
    while [[ ${1:-} == --* ]]; do
        options+=("$1" "$2")
        shift 2
    done
    [[ -z ${SOURCE_DATE_EPOCH:-} ]] || options+=(--env "SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH")
    echo "=== on Debian 13, in a fresh root, from this tree's HEAD" >&2
    bash scripts/test-on.sh "${options[@]}" "$platform_build_release" "$@" >&2
}

# name_failing_step SCRIPT: from here on, a command that fails makes SCRIPT
# name the step it failed in; `begin STEP` starts each step.
name_failing_step() {
    failing_script=$1
    step=""
    trap 'echo "$failing_script: the step \"$step\" failed" >&2' ERR
}
begin() {
    step=$1
    echo "=== $step" >&2
}

# time_stamps_from_commit: every time stamp in what is made is
# SOURCE_DATE_EPOCH, the commit's time unless it is set. Call it once what is
# missing is installed: a fresh root has no git before.
time_stamps_from_commit() {
    SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || date +%s)}
    export SOURCE_DATE_EPOCH
}
