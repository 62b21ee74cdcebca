#!/bin/bash
# Checks where Tarvo's windows land on a real X desktop with a window manager: the offscreen
# platform of the tests has no window frames, so only here can a window's outer frame be told
# from its client area. Starts Xvfb on a free display and openbox on it, runs the program, and
# reads the menu's and exercise 1's client area (xwininfo) and frame extents
# (_NET_FRAME_EXTENTS, set by the window manager). Each outer frame must be centred on the
# screen to within a pixel.
#
#   scripts/geometry-check.sh [PATH/TO/tarvo]      (default: build/tarvo)
#
# Exit status: 0 centred, 1 a window is off centre, 2 the desktop or the program did not come up
# (77, read by CTest as skipped, when Xvfb, openbox, xdotool or xwininfo is missing).
set -u
repo=$(cd "$(dirname "$0")/.." && pwd)
check=geometry-check
. "$repo/scripts/lib/desktop-session.sh"
tarvo=${1:-$repo/build/tarvo}
for tool in Xvfb openbox xdotool xwininfo xprop timeout; do
  command -v "$tool" >/dev/null 2>&1 || { echo "geometry-check: $tool is missing; skipped"; exit 77; }
done
[ -x "$tarvo" ] || { echo "geometry-check: no program at $tarvo" >&2; exit 2; }

work=$(mktemp -d /tmp/tarvo-geometry.XXXXXX)
xvfb="" wm="" app=""
cleanup() {
  for pid in $app $wm $xvfb; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 2' INT TERM

start_xvfb
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime HOME=$work
start_openbox
"$tarvo" >"$work/tarvo.log" 2>&1 &
app=$!

# The window whose title ends as given, once the window manager has framed it.
window() {
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1\$" 2>/dev/null | head -n1)
    if [ -n "$id" ] && xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | grep -q =; then
      echo "$id"
      return
    fi
    sleep 0.1
  done
}

screen=$(xwininfo -root | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w" "h}')
status=0
measure() { # title, label
  local id x y w h l r t b
  id=$(window "$1")
  if [ -z "$id" ]; then
    echo "geometry-check: no window titled '$1'" >&2
    cat "$work/tarvo.log" >&2
    status=2
    return
  fi
  sleep 0.5 # the program centres the window as it shows it; let the manager settle
  read -r x y w h < <(xwininfo -id "$id" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
                                                /Width:/{w=$2} /Height:/{h=$2} END{print x" "y" "w" "h}')
  read -r l r t b < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  local fx=$((x - l)) fy=$((y - t)) fw=$((w + l + r)) fh=$((h + t + b))
  read -r sw sh <<<"$screen"
  local dx=$((2 * fx + fw - sw)) dy=$((2 * fy + fh - sh)) # twice the offset of the frame's centre
  echo "geometry-check: $2: client ${w}x${h} at $x,$y; frame extents l$l r$r t$t b$b;" \
       "frame ${fw}x${fh} at $fx,$fy on a ${sw}x${sh} screen; frame centre off by $((dx / 2)),$((dy / 2)) px"
  if [ "${dx#-}" -gt 2 ] || [ "${dy#-}" -gt 2 ]; then
    echo "geometry-check: $2 is not centred" >&2
    status=1
  fi
}

measure "1. Lecke" "the menu"
[ "$status" -eq 2 ] && exit 2
xdotool search --onlyvisible --name "1. Lecke\$" windowactivate --sync key alt+1 2>/dev/null
measure "1. Lecke: 1." "exercise 1"
[ "$status" -eq 0 ] && echo "geometry-check: passed" || echo "geometry-check: FAILED ($status)" >&2
exit "$status"
