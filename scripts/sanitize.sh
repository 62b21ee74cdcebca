#!/bin/bash
# Builds Tarvo with AddressSanitizer and UndefinedBehaviorSanitizer (the TARVO_SANITIZE option)
# and runs every CTest test under them, leak checking included. Any report fails the run:
# UBSan halts at its first finding, ASan at every memory error, LeakSanitizer at exit on a leak.
#
#   scripts/sanitize.sh [build-dir]      default: build-asan in the source tree
#
# Leaks inside system libraries that Tarvo cannot free (fontconfig's caches, for example) are
# suppressed in scripts/lsan.supp; no Tarvo code is ever suppressed there. CI runs this after
# `make test`; on two cores the build and the run take about ten minutes together.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
dir="${1:-build-asan}"
jobs="${JOBS:-2}"

start=$(date +%s)
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVO_SANITIZE=ON
cmake --build "$dir" -j "$jobs"
built=$(date +%s)

export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=0"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
# The growth suite's rounds are for leak finding here, not for memory figures (the sanitizer's
# allocator keeps freed memory in quarantine): 200 rounds of each route find any leak a thousand would.
export TARVO_GROWTH_CYCLES="${TARVO_GROWTH_CYCLES:-200}"
status=0
(cd "$dir" && ctest --output-on-failure -j "$jobs") || status=$?
done=$(date +%s)
echo "sanitize.sh: build $((built - start)) s, tests $((done - built)) s"
exit "$status"
