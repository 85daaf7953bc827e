#!/usr/bin/env bash
# Measures the WebAssembly package against the native command line on the
# same inputs as bench/compare-peers.sh (a generated 5,000-entry lexicon
# and 100,000 words typed against it), and the package's download size.
#
#   native   tesvar parse --json --lexicon L < WORDS, whole process, best of 3
#   Node.js  web/bench/words-per-second.mjs: every word through
#            Parser.parse, best of 3 passes in one process (the module
#            compiled and the lexicon loaded before the first pass), and
#            the whole process timed the same way as the native one
#   size     the .wasm and the JavaScript of the package, gzip -9
#
# Usage: web/bench/compare-native.sh [NATIVE_BUILD] [WEB_BUILD]
#        (defaults: build-bench, build-web; both are built first)
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
NATIVE=${1:-$ROOT/build-bench}
WEB=${2:-$ROOT/build-web}
WORK=$NATIVE/web-compare
RUNS=3

cmake -S "$ROOT" -B "$NATIVE" -DCMAKE_BUILD_TYPE=Release \
  -DTESVAR_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$NATIVE" -j2 --target tesvar_cli tesvar_generate_lexicon >/dev/null
NODE_PATH=/usr/share/nodejs emcmake cmake -S "$ROOT/web" -B "$WEB" >/dev/null
NODE_PATH=/usr/share/nodejs cmake --build "$WEB" -j2 >/dev/null

mkdir -p "$WORK"
"$NATIVE/bench/tesvar_generate_lexicon" --entries 5000 --seed 42 >"$WORK/lexicon.tsv"
"$NATIVE/bench/tesvar_generate_lexicon" --words 100000 --from "$WORK/lexicon.tsv" \
  --seed 42 >"$WORK/words.txt"

# best_seconds COMMAND...: the best wall time of $RUNS runs, words on stdin.
best_seconds() {
  local best=
  for ((run = 0; run < RUNS; run++)); do
    local start end
    start=$(date +%s%N)
    "$@" <"$WORK/words.txt" >/dev/null
    end=$(date +%s%N)
    local seconds
    seconds=$(awk -v ns=$((end - start)) 'BEGIN { printf "%.3f", ns / 1e9 }')
    if [[ -z $best ]] || awk -v a="$seconds" -v b="$best" 'BEGIN { exit !(a < b) }'; then
      best=$seconds
    fi
  done
  echo "$best"
}

words=$(wc -l <"$WORK/words.txt")
native=$(best_seconds "$NATIVE/tools/tesvar" parse --json --lexicon "$WORK/lexicon.tsv")
node_process=$(best_seconds node "$ROOT/web/bench/words-per-second.mjs" \
  "$WORK/lexicon.tsv" "$WORK/words.txt" 1 "$WEB/package")
printf 'native tesvar parse --json   %s s  %d words/s\n' "$native" \
  "$(awk -v w="$words" -v s="$native" 'BEGIN { print int(w / s) }')"
printf 'Node.js, whole process       %s s  %d words/s\n' "$node_process" \
  "$(awk -v w="$words" -v s="$node_process" 'BEGIN { print int(w / s) }')"
printf 'Node.js, in process          '
node "$ROOT/web/bench/words-per-second.mjs" "$WORK/lexicon.tsv" "$WORK/words.txt" \
  "$RUNS" "$WEB/package"

total=0
for file in tesvar_wasm.wasm tesvar_wasm.js tesvar.js text.js; do
  raw=$(stat -c %s "$WEB/package/$file")
  zipped=$(gzip -9c "$WEB/package/$file" | wc -c)
  total=$((total + zipped))
  printf 'size %-18s %7d bytes, gzipped %6d\n' "$file" "$raw" "$zipped"
done
printf 'size total gzipped          %7d bytes\n' "$total"
