#!/bin/bash
# Checks that Tarvo's labels stay readable under a real dark desktop theme: starts Xvfb on a free
# display with openbox, a private D-Bus session with the AT-SPI bus, and the program with Qt's
# qt6ct platform theme set to its "darker" colour scheme (configured in a private
# XDG_CONFIG_HOME). scripts/theme_contrast.py then opens the menu and every exercise with the
# keyboard, answers one item in each, photographs each window and measures, per label, the WCAG
# 2.1 contrast between the ink of its text and the pixels around it, as drawn on screen.
#
#   scripts/theme-check.sh [PATH/TO/tarvo]      (default: build/tarvo)
#   THEME_CHECK_SHOTS=DIR keeps the screenshots (menu.png, exercise1.png ... exercise5.png) there.
#   THEME_CHECK_SCHEME=NAME takes another of qt6ct's colour schemes (default: darker).
#
# Installs nothing: a missing tool is named with its Debian package (scripts/install-deps.sh
# --test installs them). Exit status: 0 every label at 4.5:1 or more, 1 a label under it, 2 the
# session or the program did not come up.
set -u

repo=$(cd "$(dirname "$0")/.." && pwd)
limit=${THEME_CHECK_LIMIT:-180}   # seconds for the whole run
scheme=${THEME_CHECK_SCHEME:-darker}

# ----------------------------------------------------------------------------------------------
# Inside the private D-Bus session (the script runs itself there): the AT-SPI bus, the program
# and the learner with the camera.
if [ "${1:-}" = "--in-session" ]; then
  tarvo=$2 work=$3
  [ -e /proc/self/fd/3 ] && exec 2>&3 3>&-
  launcher="" app=""
  finish() {
    [ -n "$app" ] && kill "$app" 2>/dev/null && wait "$app" 2>/dev/null
    [ -n "$launcher" ] && kill "$launcher" 2>/dev/null && wait "$launcher" 2>/dev/null
  }
  trap finish EXIT
  trap 'exit 2' INT TERM

  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/at-spi.log" 2>&1 &
  launcher=$!
  address=""
  for _ in $(seq 100); do
    if dbus-send --session --print-reply=literal --reply-timeout=2000 --dest=org.freedesktop.DBus \
         /org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true; then
      address=$(dbus-send --session --print-reply=literal --reply-timeout=2000 --dest=org.a11y.Bus /org/a11y/bus \
                org.a11y.Bus.GetAddress 2>/dev/null | tr -d ' ')
      [ -n "$address" ] && break
    fi
    kill -0 "$launcher" 2>/dev/null || break
    sleep 0.1
  done
  if [ -z "$address" ]; then
    echo "theme-check: the AT-SPI bus did not come up" >&2
    cat "$work/at-spi.log" >&2
    exit 2
  fi

  QT_QPA_PLATFORMTHEME=qt6ct QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$tarvo" >"$work/tarvo.log" 2>&1 &
  app=$!
  sleep 2   # the title card, then the menu
  if ! kill -0 "$app" 2>/dev/null; then
    echo "theme-check: $tarvo ended at start-up:" >&2
    cat "$work/tarvo.log" >&2
    exit 2
  fi
  "$PYTHON" "$repo/scripts/theme_contrast.py" --shots "$work/shots" --wait 20 --limit $((limit - 30))
  status=$?
  if [ "$status" -eq 2 ] && [ -s "$work/tarvo.log" ]; then
    echo "theme-check: the program's output:" >&2
    cat "$work/tarvo.log" >&2
  fi
  exit "$status"
fi

# ----------------------------------------------------------------------------------------------
# Outside: check the tools, write the theme's settings, start Xvfb and openbox, run the session
# under a time limit, clean up.
tarvo=${1:-$repo/build/tarvo}
case $tarvo in /*) ;; *) tarvo=$PWD/$tarvo ;; esac
if [ ! -x "$tarvo" ]; then
  echo "theme-check: no program at $tarvo (build it first: make build, or pass its path)" >&2
  exit 2
fi

missing=""
need() {
  command -v "$1" >/dev/null 2>&1 || [ -e "$1" ] && return
  case " $missing " in *" $2 "*) ;; *) missing="$missing $2" ;; esac
}
need Xvfb xvfb
need openbox openbox
need xdotool xdotool
need import imagemagick
need convert imagemagick
need dbus-run-session dbus
need dbus-send dbus
need /usr/libexec/at-spi-bus-launcher at-spi2-core
need timeout coreutils
need "/usr/share/qt6ct/colors/$scheme.conf" qt6ct
need "$(qtpaths6 --plugin-dir 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)/platformthemes/libqt6ct.so" qt6ct
PYTHON=""
for candidate in /usr/bin/python3 "$(command -v python3 2>/dev/null)"; do
  if [ -n "$candidate" ] && "$candidate" -c 'import pyatspi' >/dev/null 2>&1; then PYTHON=$candidate; break; fi
done
[ -n "$PYTHON" ] || missing="$missing python3-pyatspi"
if [ -n "$missing" ]; then
  echo "theme-check: missing tools; install the Debian packages:$missing (scripts/install-deps.sh --test)" >&2
  exit 2
fi
export PYTHON

work=$(mktemp -d /tmp/tarvo-theme.XXXXXX)
xvfb="" wm="" session=""
cleanup() {
  if [ -n "$session" ]; then
    kill -TERM -- "-$session" 2>/dev/null
    sleep 0.3
    kill -KILL -- "-$session" 2>/dev/null
    wait "$session" 2>/dev/null
  fi
  for pid in $wm $xvfb; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 2' INT TERM

# The theme: qt6ct's colour scheme with its own palette and the Fusion style, which draws with
# the palette as given; everything in a configuration folder of this run.
mkdir -p "$work/config/qt6ct" "$work/config/speech-dispatcher" "$work/shots"
cat >"$work/config/qt6ct/qt6ct.conf" <<CONF
[Appearance]
color_scheme_path=/usr/share/qt6ct/colors/$scheme.conf
custom_palette=true
style=Fusion
standard_dialogs=default
CONF
echo "DisableAutoSpawn" >"$work/config/speech-dispatcher/speechd.conf"
mkdir -m 700 "$work/runtime"
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime XDG_DATA_HOME=$work/data HOME=$work
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS WAYLAND_DISPLAY QT_QPA_PLATFORM QT_STYLE_OVERRIDE

Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb" 2>/dev/null || break
  sleep 0.1
done
if [ ! -s "$work/display" ]; then
  echo "theme-check: Xvfb did not start" >&2
  cat "$work/xvfb.log" >&2
  exit 2
fi
export DISPLAY=:$(head -n1 "$work/display")
openbox >"$work/openbox.log" 2>&1 &
wm=$!
sleep 1
echo "theme-check: $tarvo on display $DISPLAY with qt6ct's \"$scheme\" colour scheme"

timeout -k 5 "$limit" dbus-run-session -- bash "$repo/scripts/theme-check.sh" --in-session "$tarvo" "$work" \
  3>&2 2>"$work/dbus.log" &
session=$!
wait "$session"
status=$?
session=""
if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
  echo "theme-check: gave up after $limit s" >&2
  status=2
fi
if [ -n "${THEME_CHECK_SHOTS:-}" ]; then
  mkdir -p "$THEME_CHECK_SHOTS"
  for shot in "$work"/shots/*.png; do
    [ -e "$shot" ] && [ "$(basename "$shot")" != screen.png ] && cp "$shot" "$THEME_CHECK_SHOTS/"
  done
  echo "theme-check: screenshots in $THEME_CHECK_SHOTS"
fi
[ "$status" -eq 0 ] && echo "theme-check: passed" || echo "theme-check: FAILED ($status)" >&2
exit "$status"
