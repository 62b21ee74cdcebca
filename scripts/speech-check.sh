#!/bin/sh
# Checks Tarvo's speech against the real engine: a speech-dispatcher of its own, with espeak-ng,
# configured through a private XDG_CONFIG_HOME to play into ALSA's null device (no sound card
# needed). The Hungarian voice must be found, and a Hungarian sentence spoken to its end (the
# engine goes to Speaking, then back to Ready) within 10 s.
#   scripts/speech-check.sh [BUILD_DIR]
# Needs speech-dispatcher, speech-dispatcher-espeak-ng and qt6-speech-speechd-plugin
# (scripts/install-deps.sh --test).
set -eu
build=${1:-build}
cmake --build "$build" --target tarvo-speechcheck >/dev/null

work=$(mktemp -d)
daemon=""
cleanup() {
  if [ -n "$daemon" ] && kill "$daemon" 2>/dev/null; then
    i=0
    while kill -0 "$daemon" 2>/dev/null && [ $i -lt 50 ]; do i=$((i + 1)); sleep 0.1; done
    kill -9 "$daemon" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT INT TERM

mkdir -p "$work/config/speech-dispatcher" "$work/runtime" "$work/log"
chmod 700 "$work/runtime"
cat >"$work/config/speech-dispatcher/speechd.conf" <<'CONF'
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
DefaultLanguage "hu"
LogLevel 3
CONF
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"

# In the foreground of a background job, so that its process id is known; it ends by itself
# 60 s after its last client has gone, should this script be killed before it can end it.
speech-dispatcher --run-single --timeout 60 --log-dir "$work/log" >"$work/log/daemon.log" 2>&1 &
daemon=$!
i=0
until [ -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ]; do
  i=$((i + 1))
  if [ $i -gt 100 ] || ! kill -0 "$daemon" 2>/dev/null; then
    echo "speech-dispatcher did not start; its log:" >&2
    grep -hv "LINE here" "$work/log"/* >&2 2>/dev/null || true
    exit 1
  fi
  sleep 0.1
done
echo "speech-dispatcher $(speech-dispatcher --version | head -n 1 | sed 's/.* //') on ALSA null"

status=0
"$build/tests/tarvo-speechcheck" "Ez a fiú magas, az alacsony." || status=$?
if [ $status -ne 0 ]; then
  echo "speech-dispatcher's log:" >&2
  grep -hv "LINE here" "$work/log"/* | tail -n 40 >&2 2>/dev/null || true
fi
exit $status
