# shellcheck shell=bash disable=SC2154  # check, limit and repo are set by the check that sources this
# Sourced by the checks that run Tarvo on a private desktop and look at it from outside
# (a11y-check.sh, theme-check.sh, wayland-check.sh; geometry-check.sh takes the X server and the
# window manager): finding the tools, a work folder with a private runtime and settings folder,
# Xvfb or openbox, the private D-Bus session the check runs itself in, the AT-SPI bus inside it,
# the program with Qt's AT-SPI bridge switched on, and ending every process it started.
#
# The check sets, before it sources this file:
#   check   its name, which starts every message (a11y-check, ...)
# and these functions set and read:
#   work    the work folder        tarvo     the program
#   xvfb wm compositor session     the processes the check ends on its way out (outside)
#   launcher app address           the AT-SPI bus launcher, the program, the bus (inside)

# ---- Outside ---------------------------------------------------------------------------------

# The program to check: the first argument, or build/tarvo of the checkout.
session_program() {
  tarvo=${1:-$repo/build/tarvo}
  case $tarvo in /*) ;; *) tarvo=$PWD/$tarvo ;; esac
  if [ ! -x "$tarvo" ]; then
    echo "$check: no program at $tarvo (build it first: make build, or pass its path)" >&2
    exit 2
  fi
}

# need TOOL-OR-FILE PACKAGE: remembers the Debian package when the tool or file is not there.
missing=""
need() {
  command -v "$1" >/dev/null 2>&1 || [ -e "$1" ] && return
  case " $missing " in *" $2 "*) ;; *) missing="$missing $2" ;; esac
}

# The tools of every check in a D-Bus session with the AT-SPI bus, and a python3 that carries
# pyatspi: the Debian one does, whatever python3 comes first on PATH.
need_session_tools() {
  need dbus-run-session dbus
  need dbus-send dbus
  need /usr/libexec/at-spi-bus-launcher at-spi2-core
  need timeout coreutils
  PYTHON=""
  for candidate in /usr/bin/python3 "$(command -v python3 2>/dev/null)"; do
    if [ -n "$candidate" ] && "$candidate" -c 'import pyatspi' >/dev/null 2>&1; then PYTHON=$candidate; break; fi
  done
  [ -n "$PYTHON" ] || missing="$missing python3-pyatspi"
}

# Ends the check when a tool is missing, naming the packages to install.
require_tools() {
  if [ -n "$missing" ]; then
    echo "$check: missing tools; install the Debian packages:$missing (scripts/install-deps.sh --test)" >&2
    exit 2
  fi
  export PYTHON
}

# The work folder, and the trap that ends everything started and removes it on the way out.
session_work() { # mktemp template
  work=$(mktemp -d "$1")
  xvfb="" wm="" compositor="" session=""
  trap session_cleanup EXIT
  trap 'exit 2' INT TERM
}

session_cleanup() {
  if [ -n "$session" ]; then
    # The session's process group: the bus daemons, the AT-SPI registry and the program.
    if kill -0 -- "-$session" 2>/dev/null; then
      kill -TERM -- "-$session" 2>/dev/null
      sleep 0.3
      kill -KILL -- "-$session" 2>/dev/null
    fi
    wait "$session" 2>/dev/null
  fi
  for pid in $wm $compositor $xvfb; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; done
  rm -rf "$work"
}

# A runtime folder of the work folder's own, and settings of its own in which no speech-dispatcher
# is started on the program's behalf: the checks leave the learner's settings and the desktop as
# they were. No session bus, AT-SPI bus or platform of the caller's is reachable.
session_private_dirs() {
  mkdir -m 700 "$work/runtime"
  mkdir -p "$work/config/speech-dispatcher"
  echo "DisableAutoSpawn" >"$work/config/speech-dispatcher/speechd.conf"
  export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
  unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS QT_QPA_PLATFORM
}

# await PID TEST FILE: waits up to 10 s until `test TEST FILE` holds (a server's display number
# or socket is there), giving up early when the process PID has ended; fails if it never holds.
await() {
  for _ in $(seq 100); do
    test "$2" "$3" && return 0
    kill -0 "$1" 2>/dev/null || break
    sleep 0.1
  done
  test "$2" "$3"
}

# Xvfb picks a free display itself and writes its number once it accepts connections.
start_xvfb() {
  Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb=$!
  if ! await "$xvfb" -s "$work/display"; then
    echo "$check: Xvfb did not start" >&2
    cat "$work/xvfb.log" >&2
    exit 2
  fi
  export DISPLAY=:$(head -n1 "$work/display")
}

start_openbox() {
  openbox >"$work/openbox.log" 2>&1 &
  wm=$!
  sleep 1
}

# Runs the check script itself with --in-session in a private D-Bus session and sets status.
# timeout puts the session in a process group of its own (its pid), so that the cleanup reaches
# everything started in it, and ends it all when the limit passes. The session's own messages
# go to dbus.log; the check's come through fd 3.
run_session() { # script
  timeout -k 5 "$limit" dbus-run-session -- bash "$1" --in-session "$tarvo" "$work" \
    3>&2 2>"$work/dbus.log" &
  session=$!
  wait "$session"
  status=$?
  if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
    echo "$check: gave up after $limit s" >&2
    status=2
  fi
}

# The last line, and the exit status.
session_verdict() {
  [ "$status" -eq 0 ] && echo "$check: passed" || echo "$check: FAILED ($status)" >&2
  exit "$status"
}

# ---- Inside the private D-Bus session ---------------------------------------------------------

# Our own messages to the caller's stderr (fd 3), the bus daemon's stay in its log; the trap that
# ends the program and the bus launcher; then the AT-SPI bus, whose address it sets.
start_atspi_bus() {
  [ -e /proc/self/fd/3 ] && exec 2>&3 3>&-
  launcher="" app=""
  trap session_finish EXIT
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
    echo "$check: the AT-SPI bus did not come up" >&2
    cat "$work/at-spi.log" >&2
    exit 2
  fi
}

session_finish() {
  [ -n "$app" ] && kill "$app" 2>/dev/null && wait "$app" 2>/dev/null
  [ -n "$launcher" ] && kill "$launcher" 2>/dev/null && wait "$launcher" 2>/dev/null
}

# start_program [NAME=VALUE ...] [-- ARGUMENT ...]: the program, with Qt's AT-SPI bridge on, the
# given environment and arguments, its output in tarvo.log; ends the check when it does not
# outlive its start-up.
start_program() {
  local environment=()
  while [ $# -gt 0 ] && [ "$1" != "--" ]; do environment+=("$1"); shift; done
  [ $# -gt 0 ] && shift
  env "${environment[@]}" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$tarvo" "$@" >"$work/tarvo.log" 2>&1 &
  app=$!
  sleep 2   # the title card, then the menu
  if ! kill -0 "$app" 2>/dev/null; then
    echo "$check: $tarvo ended at start-up:" >&2
    cat "$work/tarvo.log" >&2
    exit 2
  fi
}
