#!/usr/bin/env bash
# Runs a command beside a Windows of its own: Wine in a fresh prefix that
# says it is Windows 11, on an Xvfb display of 1920 x 1080 with openbox, where
# Arial and Times New Roman are their metric twins from Liberation, as a
# Windows system has them.
# Exports DISPLAY and WINEPREFIX to the command; whatever it started ends with
# it, and the prefix is removed.
#   scripts/windows/under-wine.sh COMMAND [ARGUMENT...]
set -euo pipefail
scratch=$(mktemp -d /var/tmp/wine.XXXXXX)
pids=()
cleanup() {
    WINEPREFIX="$scratch/prefix" wineserver -k 2>/dev/null || true
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [[ -s $scratch/display ]] && break; sleep 0.1; done
[[ -s $scratch/display ]] || { echo "$0: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$scratch/display")"
openbox >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

export WINEPREFIX="$scratch/prefix" WINEARCH=win64 WINEDEBUG=-all
# Neither Mono nor Gecko: nothing here needs them, and their installers ask.
WINEDLLOVERRIDES="mscoree,mshtml=" wineboot --init >/dev/null 2>&1
wineserver -w
python3 "$(dirname "$0")/windows-fonts.py" "$WINEPREFIX" >"$scratch/fonts.reg"
wine regedit /S "$(winepath -w "$scratch/fonts.reg")" >/dev/null 2>&1
wine winecfg /v win11 >/dev/null 2>&1
wineserver -w
"$@"
