#!/usr/bin/env bash
# Takes docs/screenshot.png: the real window under its own Xvfb and window
# manager, after a won game. Needs xvfb, openbox, xdotool, x11-utils and
# imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshot.png}
display=:$((100 + RANDOM % 400))
pids=()
cleanup() { for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; }
trap cleanup EXIT

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp & pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox & pids+=($!)
sleep 0.5
LC_ALL=fr_FR.UTF-8 build/bandit-manchot & pids+=($!)
window=""
for _ in $(seq 50); do
    window=$(xdotool search --name "^Bandit Manchot et Horloge" 2>/dev/null | head -1) && [[ -n $window ]] && break
    sleep 0.1
done
[[ -n $window ]] || { echo "the window did not appear" >&2; exit 1; }
sleep 1.2 # the clock shows from the first second on
xdotool mousemove 290 172 click 1 && sleep 0.3 && xdotool key Down Return

X=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {print $NF}')
Y=$(xwininfo -id "$window" | awk '/Absolute upper-left Y/ {print $NF}')
WIDTH=$(xwininfo -id "$window" | awk '/Width:/ {print $NF}')
HEIGHT=$(xwininfo -id "$window" | awk '/Height:/ {print $NF}')
# The win picture's gold shows on the face of its top coin after a win.
xdotool windowactivate --sync "$window"
for _ in $(seq 200); do
    xdotool key space
    sleep 0.05
    pixel=$(import -window root -crop 1x1+$((X + 560))+$((Y + 179)) -depth 8 txt:- | tail -1)
    [[ $pixel == *"srgb(255,159,0)"* ]] && break
done
sleep 0.2
extents=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
read -r left right top bottom <<<"$extents"
import -window root -crop "$((WIDTH + left + right))x$((HEIGHT + top + bottom))+$((X - left))+$((Y - top))" +repage "$out"
echo "$out"
