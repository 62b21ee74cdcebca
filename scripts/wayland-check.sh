#!/bin/bash
# Runs Tarvo as a native Wayland client and works through it as a learner: starts weston with its
# headless backend in a private runtime folder, a private D-Bus session with the AT-SPI bus, and
# the program with QT_QPA_PLATFORM=wayland. scripts/learner_atspi.py then opens every exercise,
# answers one item wrong (the box comes up and is answered) and one right, opens the Progress
# window and ends the program with End. On Top cannot work on Wayland: its item must be disabled.
#
#   scripts/wayland-check.sh [PATH/TO/tarvo]      (default: build/tarvo)
#
# Passes when every step went through, the program ended by itself with status 0, and it printed
# no warning from the Wayland platform and no warning twice (a warning per action, such as a
# window asking to be placed or activated, is what Wayland refuses and the program must not ask).
# Installs nothing: a missing tool is named with its Debian package (scripts/install-deps.sh
# --test installs them). Exit status: 0 passed, 1 a step failed or the program warned or did not
# end well, 2 the session or the program did not come up.
set -u

repo=$(cd "$(dirname "$0")/.." && pwd)
limit=${WAYLAND_CHECK_LIMIT:-180}   # seconds for the whole run

# ----------------------------------------------------------------------------------------------
# Inside the private D-Bus session (the script runs itself there): the AT-SPI bus, the program
# and the learner.
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
    echo "wayland-check: the AT-SPI bus did not come up" >&2
    cat "$work/at-spi.log" >&2
    exit 2
  fi

  QT_QPA_PLATFORM=wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$tarvo" >"$work/tarvo.log" 2>&1 &
  app=$!
  sleep 2   # the title card, then the menu
  if ! kill -0 "$app" 2>/dev/null; then
    echo "wayland-check: $tarvo ended at start-up:" >&2
    cat "$work/tarvo.log" >&2
    exit 2
  fi
  "$PYTHON" "$repo/scripts/learner_atspi.py" --on-top disabled --wait 20 --limit $((limit - 30))
  status=$?
  # End ends the program: it must go by itself, with status 0.
  ended=""
  for _ in $(seq 100); do
    kill -0 "$app" 2>/dev/null || { ended=1; break; }
    sleep 0.1
  done
  if [ -z "$ended" ]; then
    echo "wayland-check: the program did not end after End" >&2
    [ "$status" -eq 0 ] && status=1
  else
    wait "$app"
    code=$?
    app=""
    echo "wayland-check: the program ended with status $code"
    [ "$code" -ne 0 ] && [ "$status" -eq 0 ] && status=1
  fi
  exit "$status"
fi

# ----------------------------------------------------------------------------------------------
# Outside: check the tools, start weston, run the session under a time limit, read what the
# program printed, clean up.
tarvo=${1:-$repo/build/tarvo}
case $tarvo in /*) ;; *) tarvo=$PWD/$tarvo ;; esac
if [ ! -x "$tarvo" ]; then
  echo "wayland-check: no program at $tarvo (build it first: make build, or pass its path)" >&2
  exit 2
fi

missing=""
need() {
  command -v "$1" >/dev/null 2>&1 || [ -e "$1" ] && return
  case " $missing " in *" $2 "*) ;; *) missing="$missing $2" ;; esac
}
need weston weston
need dbus-run-session dbus
need dbus-send dbus
need /usr/libexec/at-spi-bus-launcher at-spi2-core
need timeout coreutils
need "$(qtpaths6 --plugin-dir 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)/platforms/libqwayland-generic.so" qt6-wayland
PYTHON=""
for candidate in /usr/bin/python3 "$(command -v python3 2>/dev/null)"; do
  if [ -n "$candidate" ] && "$candidate" -c 'import pyatspi' >/dev/null 2>&1; then PYTHON=$candidate; break; fi
done
[ -n "$PYTHON" ] || missing="$missing python3-pyatspi"
if [ -n "$missing" ]; then
  echo "wayland-check: missing tools; install the Debian packages:$missing (scripts/install-deps.sh --test)" >&2
  exit 2
fi
export PYTHON

work=$(mktemp -d /tmp/tarvo-wayland.XXXXXX)
compositor="" session=""
cleanup() {
  if [ -n "$session" ]; then
    kill -TERM -- "-$session" 2>/dev/null
    sleep 0.3
    kill -KILL -- "-$session" 2>/dev/null
    wait "$session" 2>/dev/null
  fi
  [ -n "$compositor" ] && kill "$compositor" 2>/dev/null && wait "$compositor" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 2' INT TERM

# A runtime folder of its own holds the compositor's socket; no X display is reachable, so the
# program cannot fall back to X11 unnoticed. Settings and the learner's record go to the work
# folder, and no speech-dispatcher is started on the program's behalf.
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config HOME=$work
mkdir -p "$work/config/speech-dispatcher"
echo "DisableAutoSpawn" >"$work/config/speech-dispatcher/speechd.conf"
unset DISPLAY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME
# The headless backend needs neither a display nor a GPU.
weston --backend=headless-backend.so --socket=tarvo-wayland --idle-time=0 --no-config \
  >"$work/weston.log" 2>&1 &
compositor=$!
for _ in $(seq 100); do
  [ -S "$work/runtime/tarvo-wayland" ] && break
  kill -0 "$compositor" 2>/dev/null || break
  sleep 0.1
done
if [ ! -S "$work/runtime/tarvo-wayland" ]; then
  echo "wayland-check: weston did not start" >&2
  cat "$work/weston.log" >&2
  exit 2
fi
export WAYLAND_DISPLAY=tarvo-wayland
echo "wayland-check: $tarvo on weston (headless), WAYLAND_DISPLAY=$WAYLAND_DISPLAY"

timeout -k 5 "$limit" dbus-run-session -- bash "$repo/scripts/wayland-check.sh" --in-session "$tarvo" "$work" \
  3>&2 2>"$work/dbus.log" &
session=$!
wait "$session"
status=$?
session=""
if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
  echo "wayland-check: gave up after $limit s" >&2
  status=2
fi

# What the program printed. A Wayland platform warning, or any line printed twice, fails.
if [ -s "$work/tarvo.log" ]; then
  echo "wayland-check: the program printed:"
  sed 's/^/  | /' "$work/tarvo.log"
fi
warnings=$(grep -c -E '^qt\.qpa\.wayland|requestActivate|setPosition|[Ww]ayland does not support' "$work/tarvo.log" 2>/dev/null)
repeated=$(sort "$work/tarvo.log" 2>/dev/null | uniq -d | wc -l)
echo "wayland-check: $warnings Wayland warning line(s), $repeated line(s) printed more than once"
if { [ "$warnings" -gt 0 ] || [ "$repeated" -gt 0 ]; } && [ "$status" -eq 0 ]; then
  status=1
fi
if [ "$status" -ne 0 ] && [ -s "$work/dbus.log" ]; then
  echo "wayland-check: the session bus said:" >&2
  tail -n 20 "$work/dbus.log" >&2
fi
[ "$status" -eq 0 ] && echo "wayland-check: passed" || echo "wayland-check: FAILED ($status)" >&2
exit "$status"
