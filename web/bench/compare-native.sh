#!/usr/bin/env bash
# Measures the WebAssembly package against the native command line on the
# same inputs as bench/compare-peers.sh (a generated 5,000-entry lexicon
# and 100,000 words typed against it), and the package's download size.
#
#   native   tesvar parse --json --lexicon L < WORDS, whole process
#   Node.js  web/bench/words-per-second.mjs: every word through
#            Parser.parse, as a whole process (start-up, compiling the
#            module and loading the lexicon included), and the best of
#            several passes within one process
#   size     the .wasm and the JavaScript of the package, gzip -9
#
# Wall and CPU times (user + system), best of 5 runs each, the native and
# Node.js runs taking turns.
#
# Usage: web/bench/compare-native.sh [NATIVE_BUILD] [WEB_BUILD]
#        (defaults: build-bench, build-web; both are built first)
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
NATIVE=${1:-$ROOT/build-bench}
WEB=${2:-$ROOT/build-web}
WORK=$NATIVE/web-compare
RUNS=5

cmake -S "$ROOT" -B "$NATIVE" -DCMAKE_BUILD_TYPE=Release \
  -DTESVAR_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$NATIVE" -j2 --target tesvar_cli tesvar_generate_lexicon >/dev/null
NODE_PATH=/usr/share/nodejs emcmake cmake -S "$ROOT/web" -B "$WEB" >/dev/null
NODE_PATH=/usr/share/nodejs cmake --build "$WEB" -j2 >/dev/null

mkdir -p "$WORK"
"$NATIVE/bench/tesvar_generate_lexicon" --entries 5000 --seed 42 >"$WORK/lexicon.tsv"
"$NATIVE/bench/tesvar_generate_lexicon" --words 100000 --from "$WORK/lexicon.tsv" \
  --seed 42 >"$WORK/words.txt"

# run NAME COMMAND...: one run with the words on stdin; appends
# "wall cpu" (seconds; cpu is user + system) to $WORK/NAME.times.
run() {
  local name=$1
  shift
  /usr/bin/time -f '%e %U %S' -o "$WORK/time.txt" "$@" <"$WORK/words.txt" >/dev/null
  awk '{ printf "%.2f %.2f\n", $1, $2 + $3 }' "$WORK/time.txt" >>"$WORK/$name.times"
}

# report NAME LABEL: the best wall and CPU times of NAME and words/s.
report() {
  sort -n -k1 "$WORK/$1.times" | head -1 | {
    read -r wall _
    cpu=$(sort -n -k2 "$WORK/$1.times" | head -1 | cut -d' ' -f2)
    printf '%-28s wall %5.2f s (%6d words/s), cpu %5.2f s (%6d words/s)\n' "$2" \
      "$wall" "$(awk -v w="$words" -v s="$wall" 'BEGIN { print int(w / s) }')" \
      "$cpu" "$(awk -v w="$words" -v s="$cpu" 'BEGIN { print int(w / s) }')"
  }
}

words=$(wc -l <"$WORK/words.txt")
rm -f "$WORK"/*.times
# Interleaved, so that both see the same load on a shared machine.
for ((i = 0; i < RUNS; i++)); do
  run native "$NATIVE/tools/tesvar" parse --json --lexicon "$WORK/lexicon.tsv"
  run node node "$ROOT/web/bench/words-per-second.mjs" \
    "$WORK/lexicon.tsv" "$WORK/words.txt" 1 "$WEB/package"
done
echo "best of $RUNS whole processes, $words words:"
report native 'native tesvar parse --json'
report node 'Node.js'
echo "in one Node.js process, best of $RUNS passes:"
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
