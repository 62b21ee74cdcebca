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
check=wayland-check
. "$repo/scripts/lib/desktop-session.sh"

# ----------------------------------------------------------------------------------------------
# Inside the private D-Bus session (the script runs itself there): the AT-SPI bus, the program
# and the learner.
if [ "${1:-}" = "--in-session" ]; then
  tarvo=$2 work=$3
  start_atspi_bus
  start_program QT_QPA_PLATFORM=wayland
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
session_program "${1:-}"
need weston weston
need_session_tools
need "$(qtpaths6 --plugin-dir 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)/platforms/libqwayland-generic.so" qt6-wayland
require_tools

session_work /tmp/tarvo-wayland.XXXXXX
# A runtime folder of its own holds the compositor's socket; no X display is reachable, so the
# program cannot fall back to X11 unnoticed. Settings and the learner's record go to the work
# folder.
session_private_dirs
export XDG_DATA_HOME=$work/data HOME=$work
unset DISPLAY QT_QPA_PLATFORMTHEME
# The headless backend needs neither a display nor a GPU.
weston --backend=headless-backend.so --socket=tarvo-wayland --idle-time=0 --no-config \
  >"$work/weston.log" 2>&1 &
compositor=$!
if ! await "$compositor" -S "$work/runtime/tarvo-wayland"; then
  echo "wayland-check: weston did not start" >&2
  cat "$work/weston.log" >&2
  exit 2
fi
export WAYLAND_DISPLAY=tarvo-wayland
echo "wayland-check: $tarvo on weston (headless), WAYLAND_DISPLAY=$WAYLAND_DISPLAY"

run_session "$repo/scripts/wayland-check.sh"

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
session_verdict
