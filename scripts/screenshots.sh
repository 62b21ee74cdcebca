#!/bin/bash
# Screenshots of every window as a learner sees it, on a private X display with a window
# manager:   scripts/screenshots.sh [OUT_DIR] [BUILD_DIR]
# QT_SCALE_FACTOR=2 (for example) passes through. Needs xvfb, openbox, xdotool, imagemagick.
set -u
out=${1:-docs}
build=${2:-build}
mkdir -p "$out"
# The program runs in a home of its own, laid out as a learner's is: its settings and its record
# go there (the Progress window then shows /home/learner-XXXX/.local/share/Tarvo/...), never into
# the home of whoever takes the pictures.
learner=$(mktemp -d /home/learner-XXXX 2>/dev/null || mktemp -d)
export HOME=$learner
unset XDG_CONFIG_HOME XDG_DATA_HOME
for n in $(seq 150 199); do [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || break; done
export DISPLAY=:$n
Xvfb "$DISPLAY" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
openbox >/dev/null 2>&1 & wm=$!
sleep 0.5

app=""
start() { "$build/tarvo" >/dev/null 2>&1 & app=$!; sleep "${1:-2}"; }
stop() { kill "$app" 2>/dev/null; wait "$app" 2>/dev/null; }
snap() { sleep 0.6; import -window "$(xdotool getactivewindow)" -frame "$out/$1.png"; echo "$out/$1.png"; }
keys() { for k in "$@"; do xdotool key "$k"; sleep 0.3; done; }
typeText() { xdotool type --delay 40 "$1"; }

start 0.3; import -window "$(xdotool search --name 'About Tarvo' | head -1)" -frame "$out/titlecard.png"; echo "$out/titlecard.png"
sleep 1.5; snap menu
keys alt+h a; snap about; keys Return

# Exercise 1 mid-run: answer whatever noun comes with "a"; wrong ones are simply dismissed.
keys alt+1; keys alt+s
for i in 1 2 3 4 5 6; do typeText a; keys Return; sleep 0.1; xdotool search --name 'Tarvo! --- 1. Lecke: 1.' >/dev/null; keys Escape; done
snap h01d1
keys alt+2; keys alt+s
xdotool mousemove --window "$(xdotool getactivewindow)" 20 72 click 1 2>/dev/null
snap h01d2
stop

start 2
keys alt+3; keys alt+s; for i in 1 2 3 4; do keys ctrl+a; typeText vagyok; keys Return Escape; keys ctrl+a BackSpace Return Escape; done; snap h01d3
keys alt+4; keys alt+s; typeText magas; keys Return Escape; snap h01d3-antonyms
keys alt+5; keys alt+t; for w in "aut=" "di'k" "fi]" "h'z" 'h`d' "kulcs"; do typeText "$w"; keys Return Escape; done; keys alt+c; snap lex1
# The Progress window after the runs above.
keys alt+p Return; sleep 0.5; snap progress
stop
# The Lessons window: two of Debian's Hungarian word lists (kdeedu-kvtml-data; the tests' own
# lists where it is not installed), the first imported from the command line as nouns, the second
# opened as a file manager opens it, where Tarvo asks whether its words are nouns.
debian=/usr/share/apps/kvtml/hu
if [ -f "$debian/animals.kvtml" ] && [ -f "$debian/fruits.kvtml" ]; then
  first=$debian/animals.kvtml second=$debian/fruits.kvtml
else
  first=tests/data/wordlists/kvtml/bilingual.kvtml second=tests/data/wordlists/kvtml/monolingual.kvtml
fi
"$build/tarvo" --import --nouns "$first" >/dev/null
"$build/tarvo" "$second" >/dev/null 2>&1 & app=$!; sleep 2
snap lessons-nouns
keys alt+n Return; sleep 0.5; keys Return
snap lessons
# A practice of the list just imported (selected in the list): its first new word.
keys Return; sleep 0.5; snap practice
stop
# In German (LANGUAGE=de): the menu, exercise 1 with its wrong-answer box over it, and the
# Progress window after the runs above.
start() { LANGUAGE=de "$build/tarvo" >/dev/null 2>&1 & app=$!; sleep "${1:-2}"; }
# The whole screen cut to a window and whatever box stands over it.
snapWithBox() {
  sleep 0.6
  eval "$(xdotool search --name "$2" getwindowgeometry --shell | head -5)"
  import -window root -crop "$((WIDTH + 40))x$((HEIGHT + 60))+$((X - 20))+$((Y - 40))" +repage "$out/$1.png"; echo "$out/$1.png"
}
start 2; snap de-menu
keys alt+1; keys alt+s; typeText zzz; keys Return; snapWithBox de-h01d1 'Tarvo! --- 1. Lecke: 1.'
keys Return; keys alt+f Return; sleep 0.5; snap de-progress
stop
# The review: an item of exercise 2 and one of exercise 5, first answered 41 and 40 days ago, go
# into the record above (no run of it meets them), so that both are due now. The first as it comes,
# answered; then the second after an answer that misses only its accents.
python3 - "$HOME/.local/share/Tarvo/progress.sqlite" <<'PY'
import datetime, sqlite3, sys
now = datetime.datetime.now(datetime.timezone.utc)
with sqlite3.connect(sys.argv[1], timeout=5) as db:
    for days, exercise, item, answer in ((41, 2, "Ez autó?", "Igen, ez autó."), (40, 5, "fürdőszoba", "fürdőszoba")):
        db.execute("INSERT INTO answers(time, exercise, plus, item, answer, is_right, first_try, expected, lesson, "
                   "section) VALUES (?, ?, 0, ?, ?, 1, 1, ?, '1', ?)",
                   ((now - datetime.timedelta(days=days)).strftime("%Y-%m-%dT%H:%M:%S.000Z"), exercise, item,
                    answer, answer, str(exercise)))
PY
"$build/tarvo" --review >/dev/null 2>&1 & app=$!; sleep 2
xdotool search --name 'Tarvo - Review' windowactivate --sync >/dev/null 2>&1
typeText "Igen, ez aut=."; snap review
keys Return Return; typeText furdoszoba; keys Return; snap review-accents
stop
kill $wm $xvfb 2>/dev/null; wait 2>/dev/null
rm -rf "$learner"
