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
check=theme-check
. "$repo/scripts/lib/desktop-session.sh"

# ----------------------------------------------------------------------------------------------
# Inside the private D-Bus session (the script runs itself there): the AT-SPI bus, the program
# and the learner with the camera.
if [ "${1:-}" = "--in-session" ]; then
  tarvo=$2 work=$3
  start_atspi_bus
  start_program QT_QPA_PLATFORMTHEME=qt6ct
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
session_program "${1:-}"
need Xvfb xvfb
need openbox openbox
need xdotool xdotool
need import imagemagick
need convert imagemagick
need_session_tools
need "/usr/share/qt6ct/colors/$scheme.conf" qt6ct
need "$(qtpaths6 --plugin-dir 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)/platformthemes/libqt6ct.so" qt6ct
require_tools

session_work /tmp/tarvo-theme.XXXXXX
session_private_dirs
# The theme: qt6ct's colour scheme with its own palette and the Fusion style, which draws with
# the palette as given; everything in the configuration folder of this run.
mkdir -p "$work/config/qt6ct" "$work/shots"
cat >"$work/config/qt6ct/qt6ct.conf" <<CONF
[Appearance]
color_scheme_path=/usr/share/qt6ct/colors/$scheme.conf
custom_palette=true
style=Fusion
standard_dialogs=default
CONF
export XDG_DATA_HOME=$work/data HOME=$work
unset WAYLAND_DISPLAY QT_STYLE_OVERRIDE

start_xvfb
start_openbox
echo "theme-check: $tarvo on display $DISPLAY with qt6ct's \"$scheme\" colour scheme"

run_session "$repo/scripts/theme-check.sh"
if [ -n "${THEME_CHECK_SHOTS:-}" ]; then
  mkdir -p "$THEME_CHECK_SHOTS"
  for shot in "$work"/shots/*.png; do
    [ -e "$shot" ] && [ "$(basename "$shot")" != screen.png ] && cp "$shot" "$THEME_CHECK_SHOTS/"
  done
  echo "theme-check: screenshots in $THEME_CHECK_SHOTS"
fi
session_verdict
