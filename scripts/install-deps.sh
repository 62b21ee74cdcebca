#!/bin/sh
# Installs the Debian packages that building, running and testing Tarvo need. Idempotent and
# quick when everything is present already.
#   scripts/install-deps.sh          packages to build and run
#   scripts/install-deps.sh --test   also the packages the tests need
#   scripts/install-deps.sh --fuzz   also clang and libFuzzer, for scripts/fuzz.sh
set -eu
# Qt TextToSpeech: qt6-speech-dev, whose CMake package in Debian 12 also needs qt6-declarative-dev;
# to hear the Hungarian voice, its speech-dispatcher plugin, speech-dispatcher and espeak-ng.
packages="g++ cmake make tzdata qt6-base-dev qt6-svg-dev libqt6svg6 libqt6sql6-sqlite libsqlite3-dev fonts-liberation qt6-speech-dev qt6-declarative-dev"
packages="$packages qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng"
# Qt's Wayland platform plugin: on a Wayland desktop the program runs as a native client.
packages="$packages qt6-wayland"
# Translations: lupdate and lrelease with their CMake package, and Qt's own texts in other languages.
packages="$packages qt6-tools-dev qt6-l10n-tools qt6-translations-l10n"
case "${1:-}" in
  --fuzz) packages="$packages clang libclang-rt-14-dev llvm" ;;
  --test) packages="$packages xvfb xauth openbox xdotool imagemagick desktop-file-utils shared-mime-info appstream dpkg-dev at-spi2-core python3-pyatspi dbus"
          # the check against the real speech engine plays through ALSA (scripts/speech-check.sh)
          packages="$packages speech-dispatcher-audio-plugins"
          # a headless Wayland compositor (scripts/wayland-check.sh) and a real dark theme
          # through a platform theme plugin (scripts/theme-check.sh)
          packages="$packages weston qt6ct"
          # Debian's Hungarian KVTML word lists, which the word-list suite imports
          packages="$packages kdeedu-kvtml-data" ;;
esac

missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
