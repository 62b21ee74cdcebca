#!/bin/bash
# The long random-learner run: the monkey of tests/tst_monkey.cpp (clicks, menu items, any text,
# keys, Enter, close boxes, timer ticks, End, with the windows' promises checked after every
# event) for a million events on each of several seeds. CTest runs the same suite with 20,000
# events on seed 1; this is the soak run to do before a release or after a change to the window
# model. One seed of a million events takes about seven minutes on one core.
#
#   scripts/monkey-long.sh [build-dir] [seed ...]
#       build-dir   default: build (configured and tst_monkey built when needed)
#       seed ...    default: 1 2 3 4
#   EVENTS=n        events per seed, default 1000000
#   JOBS=n          seeds run side by side, default 2
#
# Each seed writes <build-dir>/monkey-long/seed-<n>.log. A failing seed names the event number
# and the events before it; TARVO_MONKEY_SEED=<n> TARVO_MONKEY_EVENTS=<event> replays that run
# up to the failure (add TARVO_MONKEY_TRACE=1 to see every event).
set -euo pipefail
cd "$(dirname "$0")/.."

dir="${1:-build}"
[ $# -gt 0 ] && shift
seeds=("$@")
[ ${#seeds[@]} -eq 0 ] && seeds=(1 2 3 4)
events="${EVENTS:-1000000}"
jobs="${JOBS:-2}"

[ -f "$dir/CMakeCache.txt" ] || cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$dir" -j "$jobs" --target tst_monkey
mkdir -p "$dir/monkey-long"

run_seed() {
  local seed=$1 log="$dir/monkey-long/seed-$1.log"
  if QT_QPA_PLATFORM=offscreen TARVO_MONKEY_SEED="$seed" TARVO_MONKEY_EVENTS="$events" \
       "$dir/tests/tst_monkey" randomLearner > "$log" 2>&1; then
    echo "seed $seed: passed: $(grep -o 'events in .* checks passed' "$log" | head -1)"
  else
    echo "seed $seed: FAILED, see $log"
    grep -A3 'FAIL!' "$log" | head -20 || true
    return 1
  fi
}

start=$(date +%s)
failed=0
pids=()
for seed in "${seeds[@]}"; do
  run_seed "$seed" &
  pids+=($!)
  if [ ${#pids[@]} -ge "$jobs" ]; then
    wait "${pids[0]}" || failed=1
    pids=("${pids[@]:1}")
  fi
done
for pid in "${pids[@]}"; do
  wait "$pid" || failed=1
done
echo "monkey-long: ${#seeds[@]} seeds of $events events in $(( $(date +%s) - start )) s"
exit $failed
