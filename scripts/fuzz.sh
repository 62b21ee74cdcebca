#!/usr/bin/env bash
# Builds the libFuzzer targets in build-fuzz and runs them side by side for SECONDS each (default
# 60), then prints executions, speed, coverage and findings.
#   scripts/fuzz.sh [SECONDS]
#   FUZZ_TARGETS="fuzz_store" scripts/fuzz.sh [SECONDS]     some of them only
# Needs the Debian packages clang, libclang-rt-14-dev (libFuzzer and the sanitizer runtimes)
# and llvm (llvm-symbolizer, for readable stack traces). Each target keeps its
# corpus in build-fuzz/corpus/NAME, seeded with real answers; an input that breaks a property,
# crashes or hangs is written to build-fuzz/findings/NAME/. Replay one with
#   build-fuzz/fuzz/NAME FILE
# Exits 1 when this run found something.
set -euo pipefail

seconds=${1:-60}
case "$seconds" in
  '' | *[!0-9]*) echo "usage: $0 [SECONDS]" >&2; exit 2 ;;
esac
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
targets=${FUZZ_TARGETS:-fuzz_text fuzz_answers fuzz_store fuzz_lesson fuzz_kvtml fuzz_csv}

"$root/scripts/install-deps.sh" --fuzz
if [ ! -f "$build/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVO_FUZZ=ON >/dev/null
fi
cmake --build "$build" -j "$(nproc)" --target $targets >/dev/null

# seed DIR NAME SELECTOR-BYTES TEXT: one corpus file, the selector bytes given as octal escapes.
seed() {
  { printf "$3"; printf '%s' "$4"; } >"$1/seed-$2"
}
# seed16 DIR NAME SELECTOR-BYTES TEXT: the same with the text as UTF-16 (the selector's bit 7).
seed16() {
  { printf "$3"; printf '%s' "$4" | iconv -f UTF-8 -t UTF-16LE; } >"$1/seed-$2"
}

text="$build/corpus/fuzz_text"
answers="$build/corpus/fuzz_answers"
store="$build/corpus/fuzz_store"
lesson="$build/corpus/fuzz_lesson"
kvtml="$build/corpus/fuzz_kvtml"
csv="$build/corpus/fuzz_csv"
mkdir -p "$text" "$answers" "$store" "$lesson" "$kvtml" "$csv"
# fuzz_text: byte 0 picks the routine: 0 keys, 1 normalisations, 2 sentence, 3 and 4 draws.
seed "$text" keys '\000' ";tterem \"rvos 0r\\gy -gy{ ]js\`g\`r="
seed "$text" spaces '\001' '  igen,   az.  '
seed "$text" tabs '\001' $'\tNem,  nem \t az. '
seed "$text" sentence '\002\004\000\012\000' 'Én nemvagyokszép.'
seed "$text" attached '\002\010\000\004\000' 'Te német, ugye?'
seed "$text" draw '\003\000\000\000\000\000\000\340\077\001\000\000\000\027\000\000\000' ''
seed "$text" free '\004\001\000\000\000\026\000\000\000\000\000\100\001' '0123456789abcdef01234567'
seed16 "$text" utf16 '\201' '  Igen,  ő  sofőr. '
{ printf '\001'; head -c 20000 /dev/zero | tr '\0' ' '; printf 'az'; head -c 20000 /dev/zero | tr '\0' ' '; } >"$text/seed-long"
# fuzz_answers: byte 0 the exercise (low bits 0 to 3: exercise 1, 2, 3 and 4, 5; bit 7 UTF-16,
# bit 6 the word encoding, where bytes below 52 are whole words), byte 1 the state.
seed "$answers" ex1-orvos '\000\005' 'az'
seed "$answers" ex1-article-and-noun '\000\000' 'azautó'
seed "$answers" ex1-words '\100\000' $'\001\011'
{ printf '\000\005'; head -c 40000 /dev/zero | tr '\0' ' '; printf 'az'; } >"$answers/seed-ex1-many-spaces"
seed "$answers" ex1-blanks '\000\003' '  a '
seed "$answers" ex1-before-start '\000\000' 'az'
seed "$answers" ex2-long '\001\010' 'Igen, ez autó.'
seed "$answers" ex2-pronoun '\001\014' 'Nem, ő nem magyar.'
seed "$answers" ex2-capital '\001\016' '  igen,   szabó Sándor sofőr. '
seed "$answers" ex2-before-start '\001\001' 'Nem, nem az.'
seed16 "$answers" ex2-utf16 '\201\013' 'Igen, az.'
seed "$answers" ex2-words '\101\010' $'\004, \002 \011.'
{ printf '\001\010igen,'; head -c 30000 /dev/zero | tr '\0' ' '; printf 'az.'; } >"$answers/seed-ex2-many-spaces"
seed "$answers" ex3-vagyok '\002\000' 'vagyok'
seed "$answers" ex3-empty '\002\012' ''
seed "$answers" ex4-plus '\002\373' ' tiszta '
seed "$answers" ex5-noun '\003\000' ' autó '
seed "$answers" ex5-again '\003\223' 'tanárnő'

# fuzz_store: byte 0 the case: 0 the file itself (a real version-2 store, a header with garbage
# after it); 1 and 2 a real store with patches to its file or its -wal (offset as 4 bytes
# little-endian, a length byte, the bytes).
{ printf '\000'; cat "$root/tests/data/progress-v2.sqlite"; } >"$store/seed-v2-file"
{ printf '\000'; cat "$root/tests/data/progress-v1.sqlite"; } >"$store/seed-v1-file"
{ printf '\000SQLite format 3\000'; head -c 4080 /dev/zero | tr '\0' 'Z'; } >"$store/seed-header-garbage"
printf '\001' >"$store/seed-real"
printf '\002' >"$store/seed-real-wal"
printf '\001\000\020\000\000\010\377\377\377\377\377\377\377\377' >"$store/seed-page-2"
printf '\001\034\000\000\000\004\000\000\377\377' >"$store/seed-page-count"
printf '\002\100\000\000\000\020\001\002\003\004\005\006\007\010\011\012\013\014\015\016\017\020' >"$store/seed-wal-frame"

# fuzz_lesson: the input is a lesson file: lesson 1 and the documentation's example.
cp "$root/assets/lessons/lesson1.json" "$lesson/seed-lesson1"
sed -n '/^```json$/,/^```$/p' "$root/docs/lesson-format.md" | sed '1d;$d' >"$lesson/seed-example"
printf '{"format": "tarvo-lesson", "version": 1, "id": "x", "title": "x", "sections": [{"id": "s", "items": [{"key": "k", "kind": "word", "prompt": "dog", "language": "en", "picture": "ex5/noun00", "answer": "kutya"}]}]}' >"$lesson/seed-word"
lessondict="$build/fuzz-lesson.dict"
: >"$lessondict"
for token in format tarvo-lesson version id title sections items key kind article question gap picture word \
  noun subject pronoun predicate yes stem answer ending plus prompt language true false null ex2/item0 ex5/noun19; do
  printf '"\\"%s\\""\n' "$token" >>"$lessondict"
done
printf '"\\\\u0000"\n"\\\\ud800"\n"\\xef\\xbb\\xbf"\n"\\xc3\\xa1"\n' >>"$lessondict"
# fuzz_kvtml and fuzz_csv: byte 0 bit 1 all nouns, bits 2 and 3 the interface language; the rest
# is the file: the tests' word lists and one of Debian's Hungarian ones.
for f in "$root"/tests/data/wordlists/kvtml/*.kvtml /usr/share/apps/kvtml/hu/animals.kvtml; do
  if [ -f "$f" ]; then { printf '\004'; cat "$f"; } >"$kvtml/seed-$(basename "$f")"; fi
done
for f in "$root"/tests/data/wordlists/csv/*; do
  { printf '\012'; cat "$f"; } >"$csv/seed-$(basename "$f")"
done
printf '\002<?xml version="1.0"?><!DOCTYPE kvtml [<!ENTITY a "aaaa">]><kvtml version="2.0">&a;</kvtml>' >"$kvtml/seed-entity"
# The readers' own words: KVTML's elements and CSV's quotes and delimiters.
wordlistdict="$build/fuzz-wordlist.dict"
printf '%s\n' '"<entry id=\"0\">"' '"</entry>"' '"<translation id=\"1\">"' '"</translation>"' '"<text>"' \
  '"</text>"' '"<comment>"' '"<image>"' '"<container>"' '"</container>"' '"<name>"' '"<locale>hu</locale>"' \
  '"<identifier id=\"1\">"' '"<inactive>true</inactive>"' '"<specialwordtype>noun</specialwordtype>"' \
  '"<containerentry id=\"0\"/>"' '"<lessons>"' '"<wordtypes>"' '"<!ENTITY"' '"&#x202E;"' '"\"\""' '";"' \
  '"\x09"' '"\x0d\x0a"' '"\xef\xbb\xbf"' '"\xff\xfe"' '"\xf5"' '"\xc5\x91"' '"hungarian"' '"magyar"' >"$wordlistdict"

# A dictionary of the exercises' words, each byte escaped as libFuzzer reads it.
dict="$build/fuzz.dict"
: >"$dict"
for word in a az ez ő Igen, Nem, nem vagyok vagy '.' '?' ', ' '  ' autó szoba szálloda orvos lány \
  sziget mérnök szekrény újságíró híd tanár fiú diák fürdőszoba ház kulcs múzeum sofőr tanárnő \
  templom autóbusz ajtó egyetem étterem Anna magyar Szabó Sándor csúnya magas drága világos régi \
  kényelmetlen kényelmes piszkos tiszta kicsi nagy rossz olcsó új alacsony; do
  printf '"%s"\n' "$(printf '%s' "$word" | od -An -tx1 -v | tr -s ' \n' ' ' | sed 's/^ //; s/ $//; s/ /\\x/g; s/^/\\x/')" >>"$dict"
done
# Lone surrogates and a pair, as UTF-16 code units.
printf '"\\x00\\xd8"\n"\\x00\\xdc"\n"\\x3d\\xd8\\x00\\xde"\n' >>"$dict"

export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$root/fuzz/lsan.supp"
export UBSAN_OPTIONS=print_stacktrace=1
mkdir -p "$build/logs"
for name in $targets; do
  mkdir -p "$build/findings/$name"
  ls "$build/findings/$name" >"$build/logs/$name.before"
  # Leak checks stay on for the pure routines; for the windows they would cost every input a
  # scan of Qt's heap.
  leaks=1
  [ "$name" = fuzz_answers ] && leaks=0
  # The store's inputs are files: up to a few pages of a real store.
  dictarg="-dict=$dict"
  [ "$name" = fuzz_store ] && dictarg=
  [ "$name" = fuzz_lesson ] && dictarg="-dict=$lessondict"
  case "$name" in fuzz_kvtml | fuzz_csv) dictarg="-dict=$wordlistdict" ;; esac
  "$build/fuzz/$name" "$build/corpus/$name" $dictarg -max_total_time="$seconds" -max_len=80000 \
    -timeout=20 -rss_limit_mb=4096 -detect_leaks=$leaks -print_final_stats=1 \
    -artifact_prefix="$build/findings/$name/" >"$build/logs/$name.log" 2>&1 &
  eval "pid_$name=$!"
done

status=0
for name in $targets; do
  eval "pid=\$pid_$name"
  wait "$pid" || true
  log="$build/logs/$name.log"
  final_stat() { sed -n "s/^stat::$1: *//p" "$log" | tail -n 1; }
  last=$(grep -E '^#[0-9]+' "$log" | tail -n 1 || true)
  cov=$(printf '%s' "$last" | sed -n 's/.*cov: \([0-9]*\).*/\1/p')
  ft=$(printf '%s' "$last" | sed -n 's/.*ft: \([0-9]*\).*/\1/p')
  corp=$(printf '%s' "$last" | sed -n 's/.*corp: \([0-9]*\/[0-9a-zA-Z]*\).*/\1/p')
  new=$(ls "$build/findings/$name" | grep -vxF -f "$build/logs/$name.before" || true)
  echo "$name: $(final_stat number_of_executed_units) executions, $(final_stat average_exec_per_sec) exec/s," \
    "coverage ${cov:-?} edges, ${ft:-?} features, corpus ${corp:-?}, peak RSS $(final_stat peak_rss_mb) MB"
  if [ -n "$new" ]; then
    status=1
    echo "  findings (log: $log):"
    for f in $new; do echo "    $build/findings/$name/$f"; done
    grep -E '^\*\*\* |ERROR: |runtime error|SUMMARY' "$log" | head -n 8 | sed 's/^/    /'
  else
    echo "  no findings"
  fi
done
exit $status
