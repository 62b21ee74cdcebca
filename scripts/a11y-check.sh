#!/bin/bash
# Checks Tarvo's accessibility from outside, as a screen reader sees it: starts a private
# session (Xvfb on a free display, a D-Bus session bus, the AT-SPI bus), runs the program with
# Qt's AT-SPI bridge switched on, and lets scripts/a11y_tree.py list the accessible trees of the
# menu and of exercise 1, find every button by its accessible name, answer one item of exercise 1
# and one of exercise 3, and read both transcripts back as a screen reader does.
#
#   scripts/a11y-check.sh [PATH/TO/tarvo]      (default: build/tarvo)
#
# Installs nothing: a missing tool is named with its Debian package (scripts/install-deps.sh
# --test installs them). Every step has a time limit, and every process it starts is ended.
# Exit status: 0 all found, 1 a control is missing, 2 the session or the program did not come up.
set -u

repo=$(cd "$(dirname "$0")/.." && pwd)
limit=${A11Y_CHECK_LIMIT:-150}   # seconds for the whole run

# ----------------------------------------------------------------------------------------------
# Inside the private D-Bus session (the script runs itself there): the AT-SPI bus, the program
# and the look from outside.
if [ "${1:-}" = "--in-session" ]; then
  tarvo=$2 work=$3
  # Our own messages to the caller's stderr (fd 3); the bus daemon's stay in its log.
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
    # Asks the bus whether the launcher holds its name yet (asking the launcher itself would
    # have the bus start a second one).
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
    echo "a11y-check: the AT-SPI bus did not come up" >&2
    cat "$work/at-spi.log" >&2
    exit 2
  fi
  echo "a11y-check: AT-SPI bus at $address"

  # The program's record goes to the work folder, never into the learner's own.
  XDG_DATA_HOME="$work/data" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$tarvo" >"$work/tarvo.log" 2>&1 &
  app=$!
  sleep 2   # the title card, then the menu
  if ! kill -0 "$app" 2>/dev/null; then
    echo "a11y-check: $tarvo ended at start-up:" >&2
    cat "$work/tarvo.log" >&2
    exit 2
  fi
  "$PYTHON" "$repo/scripts/a11y_tree.py" --wait 20 --limit 90
  status=$?
  if [ "$status" -ne 0 ] && [ -s "$work/tarvo.log" ]; then
    echo "a11y-check: the program's output:" >&2
    cat "$work/tarvo.log" >&2
  fi
  exit "$status"
fi

# ----------------------------------------------------------------------------------------------
# Outside: check the tools, start Xvfb, run the session under a time limit, clean up.
tarvo=${1:-$repo/build/tarvo}
case $tarvo in /*) ;; *) tarvo=$PWD/$tarvo ;; esac
if [ ! -x "$tarvo" ]; then
  echo "a11y-check: no program at $tarvo (build it first: make build, or pass its path)" >&2
  exit 2
fi

missing=""
need() {
  command -v "$1" >/dev/null 2>&1 || [ -x "$1" ] && return
  case " $missing " in *" $2 "*) ;; *) missing="$missing $2" ;; esac
}
need Xvfb xvfb
need dbus-run-session dbus
need dbus-send dbus
need /usr/libexec/at-spi-bus-launcher at-spi2-core
need timeout coreutils
# The Debian python3 carries pyatspi, whatever python3 comes first on PATH.
PYTHON=""
for candidate in /usr/bin/python3 "$(command -v python3 2>/dev/null)"; do
  if [ -n "$candidate" ] && "$candidate" -c 'import pyatspi' >/dev/null 2>&1; then PYTHON=$candidate; break; fi
done
[ -n "$PYTHON" ] || missing="$missing python3-pyatspi"
if [ -n "$missing" ]; then
  echo "a11y-check: missing tools; install the Debian packages:$missing (scripts/install-deps.sh --test)" >&2
  exit 2
fi
export PYTHON

work=$(mktemp -d /tmp/tarvo-a11y.XXXXXX)
xvfb="" session=""
cleanup() {
  if [ -n "$session" ]; then
    # The session's process group: the bus daemons, the AT-SPI registry and the program.
    kill -TERM -- "-$session" 2>/dev/null
    sleep 0.3
    kill -KILL -- "-$session" 2>/dev/null
    wait "$session" 2>/dev/null
  fi
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 2' INT TERM

# Xvfb picks a free display itself and writes its number once it accepts connections.
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb" 2>/dev/null || break
  sleep 0.1
done
if [ ! -s "$work/display" ]; then
  echo "a11y-check: Xvfb did not start" >&2
  cat "$work/xvfb.log" >&2
  exit 2
fi
export DISPLAY=:$(head -n1 "$work/display")
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
# Settings of its own, and no speech-dispatcher started on the program's behalf: the check is
# about the accessibility tree, and leaves the learner's settings and the desktop as they were.
mkdir -p "$work/config/speech-dispatcher"
echo "DisableAutoSpawn" >"$work/config/speech-dispatcher/speechd.conf"
export XDG_CONFIG_HOME=$work/config
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS WAYLAND_DISPLAY QT_QPA_PLATFORM
echo "a11y-check: $tarvo on display $DISPLAY"

# timeout puts the session in a process group of its own (its pid), so that cleanup reaches
# everything started in it, and ends it all when the limit passes.
timeout -k 5 "$limit" dbus-run-session -- bash "$repo/scripts/a11y-check.sh" --in-session "$tarvo" "$work" \
  3>&2 2>"$work/dbus.log" &
session=$!
wait "$session"
status=$?
if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
  echo "a11y-check: gave up after $limit s" >&2
  status=2
fi
if [ "$status" -ne 0 ] && [ -s "$work/dbus.log" ]; then
  echo "a11y-check: the session bus said:" >&2
  cat "$work/dbus.log" >&2
fi
[ "$status" -eq 0 ] && echo "a11y-check: passed" || echo "a11y-check: FAILED ($status)" >&2
exit "$status"
