#!/bin/bash
# Checks Tarvo's accessibility from outside, as a screen reader sees it: starts a private
# session (Xvfb on a free display, a D-Bus session bus, the AT-SPI bus), runs the program with
# Qt's AT-SPI bridge switched on, and lets scripts/a11y_tree.py list the accessible trees of the
# menu and of exercise 1, find every button by its accessible name, answer one item of exercise 1
# and one of exercise 3, and read both transcripts back as a screen reader does. Then it starts
# `tarvo --review` twice in a record of its own: over no record (the empty review is read), and
# over answers of 40 days ago, whose items it reads one by one (counter, source, instruction,
# item, picture, answer box), answering the first wrong (the right answer is read back) and the
# others right, reads the summary and closes the window, which ends the program. Last it imports a
# word list with `tarvo --import` and opens another in the Lessons window as a file manager does
# (`tarvo LIST`): reads the choices for a list without a header, ticks "These are nouns", presses
# Import, reads the box that tells the import, finds both lessons in the table, practises the
# list just imported (reads its first item, answers it wrong, reads the right answer, ends the
# practice and reads its summary) and presses Close.
#
#   scripts/a11y-check.sh [PATH/TO/tarvo]      (default: build/tarvo)
#
# Installs nothing: a missing tool is named with its Debian package (scripts/install-deps.sh
# --test installs them). Every step has a time limit, and every process it starts is ended.
# Exit status: 0 all found, 1 a control is missing, 2 the session or the program did not come up.
set -u

repo=$(cd "$(dirname "$0")/.." && pwd)
limit=${A11Y_CHECK_LIMIT:-200}   # seconds for the whole run
check=a11y-check
. "$repo/scripts/lib/desktop-session.sh"

# ----------------------------------------------------------------------------------------------
# Inside the private D-Bus session (the script runs itself there): the AT-SPI bus, the program
# and the look from outside.
if [ "${1:-}" = "--in-session" ]; then
  tarvo=$2 work=$3
  # The program's output, after a look that failed.
  show_output() {
    if [ "$1" -ne 0 ] && [ -s "$work/tarvo.log" ]; then
      echo "a11y-check: the program's output:" >&2
      cat "$work/tarvo.log" >&2
    fi
  }
  start_atspi_bus
  echo "a11y-check: AT-SPI bus at $address"
  # The program's record goes to the work folder, never into the learner's own.
  start_program XDG_DATA_HOME="$work/data"
  "$PYTHON" "$repo/scripts/a11y_tree.py" --wait 20 --limit 90
  status=$?
  show_output "$status"
  kill "$app" 2>/dev/null && wait "$app" 2>/dev/null
  app=""

  # The review: a record of its own whose answers are 40 days old, so that they are all due
  # (the exercises' answers of the first run cannot meet them). A first start over no record
  # reads the empty review and makes the record's tables; the old answers go in once it ended.
  echo "a11y-check: the review, over a record with items due"
  record=$work/review/Tarvo/progress.sqlite
  start_program XDG_DATA_HOME="$work/review" -- --review
  "$PYTHON" "$repo/scripts/a11y_tree.py" --seed "$record" --wait 20 --limit 40
  seeded=$?
  show_output "$seeded"
  kill "$app" 2>/dev/null && wait "$app" 2>/dev/null
  app=""
  if [ "$seeded" -eq 0 ]; then
    "$PYTHON" "$repo/scripts/a11y_tree.py" --seed "$record" --insert || seeded=2
  fi
  if [ "$seeded" -ne 0 ]; then
    echo "a11y-check: no record with items due for the review" >&2
    [ "$seeded" -gt "$status" ] && status=$seeded
    exit "$status"
  fi
  start_program XDG_DATA_HOME="$work/review" -- --review
  "$PYTHON" "$repo/scripts/a11y_tree.py" --review --wait 20 --limit 60
  reviewed=$?
  # Closing the review window ends a program started with --review.
  if [ "$reviewed" -eq 0 ]; then
    for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.2; done
    if kill -0 "$app" 2>/dev/null; then
      echo "a11y-check: tarvo --review still runs after its window closed" >&2
      reviewed=1
    else
      wait "$app"
      echo "a11y-check: tarvo --review ended with its window (status $?)"
      app=""
    fi
  fi
  show_output "$reviewed"
  [ "$reviewed" -gt "$status" ] && status=$reviewed

  # The Lessons window, as a file manager opens a word list in it: one list imported before from
  # the command line, then a list without a header opened, asked about and imported.
  echo "a11y-check: the Lessons window, with a word list opened in it"
  lists=$repo/tests/data/wordlists
  env XDG_DATA_HOME="$work/lessons" "$tarvo" --import "$lists/kvtml/bilingual.kvtml" >"$work/import.log" 2>&1 ||
    { echo "a11y-check: tarvo --import failed:" >&2; cat "$work/import.log" >&2; exit 2; }
  start_program XDG_DATA_HOME="$work/lessons" -- "$lists/csv/tab-utf16.txt"
  "$PYTHON" "$repo/scripts/a11y_tree.py" --lessons --expect "Tiere und Dinge" "tab-utf16" --wait 20 --limit 40
  listed=$?
  # Closing the Lessons window ends a program that started with it.
  if [ "$listed" -eq 0 ]; then
    for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.2; done
    if kill -0 "$app" 2>/dev/null; then
      echo "a11y-check: tarvo still runs after its Lessons window closed" >&2
      listed=1
    else
      wait "$app"
      app=""
    fi
  fi
  show_output "$listed"
  [ "$listed" -gt "$status" ] && status=$listed
  exit "$status"
fi

# ----------------------------------------------------------------------------------------------
# Outside: check the tools, start Xvfb, run the session under a time limit, clean up.
session_program "${1:-}"
need Xvfb xvfb
need_session_tools
require_tools

session_work /tmp/tarvo-a11y.XXXXXX
start_xvfb
# The check is about the accessibility tree: private runtime and settings folders.
session_private_dirs
unset WAYLAND_DISPLAY
echo "a11y-check: $tarvo on display $DISPLAY"

run_session "$repo/scripts/a11y-check.sh"
if [ "$status" -ne 0 ] && [ -s "$work/dbus.log" ]; then
  echo "a11y-check: the session bus said:" >&2
  cat "$work/dbus.log" >&2
fi
session_verdict
