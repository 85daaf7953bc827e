#!/usr/bin/env bash
# Measures what the size of the lexicon costs each word: `tesvar parse
# --json --native` with generated lexicons of 1,000 and 1,000,000 entries,
# on four lists of words:
#
#   mixed      the generated mix of typed text, made from the 1,000-entry
#              lexicon, whose entries are also the first of the larger one:
#              the same words at both sizes (the larger lexicon finds more
#              readings and more suggestions in them)
#   realistic  words that read flawlessly, 5% of them mistyped, made
#              against each lexicon: about the same readings per word at
#              both sizes
#   unchanged  the words of the mixed list whose output (the JSON line) is
#              the same at both sizes: the same work, so what is left is
#              what the size itself costs (about four words in five)
#   zipf       realistic words whose entries are drawn as the words of a
#              text are, a few often and most rarely (the earlier in the
#              lexicon, the more often), made against each lexicon
#
# For each it prints the time per word of parsing alone (the time that
# `--stats` reports, which starts once the lexicon is loaded; best of three
# runs) and, with --instructions, the instructions per word of the whole
# process less those of a run on empty input, counted by callgrind
# (valgrind), which load on the machine does not disturb; then the ratio of
# the large lexicon to the small one.
#
# Usage: bench/compare-lexicon-sizes.sh [--instructions] [BUILD_DIR]
#        (default BUILD_DIR: build-bench)
# Installs valgrind (with --instructions) from Debian when it is missing,
# and builds tesvar in Release first.
set -euo pipefail

# shellcheck source=bench/bench-common.sh
source "$(dirname "${BASH_SOURCE[0]}")/bench-common.sh"
WORK=$BUILD/lexicon-sizes
WORDS=100000
SMALL=1000
LARGE=1000000
SEED=42
RUNS=3

# The same inputs on every run.
make_inputs() {
  mkdir -p "$WORK"
  local generate=$BUILD/bench/tesvar_generate_lexicon
  local size
  for size in $SMALL $LARGE; do
    [[ -s $WORK/lexicon-$size.tsv ]] ||
      "$generate" --entries "$size" --seed "$SEED" >"$WORK/lexicon-$size.tsv"
    "$generate" --words "$WORDS" --from "$WORK/lexicon-$size.tsv" \
      --seed "$SEED" --realistic >"$WORK/realistic-$size.txt"
    "$generate" --words "$WORDS" --from "$WORK/lexicon-$size.tsv" \
      --seed "$SEED" --realistic --zipf >"$WORK/zipf-$size.txt"
  done
  "$generate" --words "$WORDS" --from "$WORK/lexicon-$SMALL.tsv" \
    --seed "$SEED" >"$WORK/mixed.txt"
  keep_unchanged "$WORK/mixed.txt" >"$WORK/unchanged.txt"
}

# keep_unchanged LIST: the words of LIST whose JSON line is the same with
# both lexicons. Each input line gives one output line, a refused word
# included (the exit status is then 1).
keep_unchanged() {
  local list=$1 size
  for size in $SMALL $LARGE; do
    "$BUILD/tools/tesvar" parse --json --native \
      --lexicon "$WORK/lexicon-$size.tsv" <"$list" >"$WORK/out-$size.json" \
      2>/dev/null || (($? == 1))
  done
  awk -v small="$WORK/out-$SMALL.json" -v large="$WORK/out-$LARGE.json" '
    { getline a <small; getline b <large; if (a == b) print }' "$list"
  rm -f "$WORK/out-$SMALL.json" "$WORK/out-$LARGE.json"
}

# parse_ns INPUT COMMAND...: the best of $RUNS times, in nanoseconds, that
# COMMAND --stats reports for INPUT on standard input: from the end of
# loading the lexicon to the last answer written. (A refused word makes
# the exit status 1.)
parse_ns() {
  local input=$1
  shift
  local best_ns=0 run ns
  for ((run = 0; run < RUNS; run++)); do
    ns=$({ "$@" --stats <"$input" 2>&1 >/dev/null || true; } |
      awk '/^time: / { printf "%.0f", $2 * 1e9 }')
    if ((best_ns == 0 || ns < best_ns)); then best_ns=$ns; fi
  done
  echo "$best_ns"
}

# per_word MEASURE INPUT COMMAND...: MEASURE per word (line) of INPUT.
per_word() {
  local measure=$1 input=$2
  shift 2
  local total words
  total=$("$measure" "$input" "$@")
  words=$(wc -l <"$input")
  awk -v t="$total" -v n="$words" 'BEGIN { printf "%.1f\n", t / n }'
}

# row LIST SMALL_INPUT LARGE_INPUT: one row of the table.
row() {
  local list=$1 small_input=$2 large_input=$3
  local tesvar=$BUILD/tools/tesvar
  local small=("$tesvar" parse --json --native --lexicon
    "$WORK/lexicon-$SMALL.tsv")
  local large=("$tesvar" parse --json --native --lexicon
    "$WORK/lexicon-$LARGE.tsv")
  local ns_small ns_large ir_small="-" ir_large="-"
  ns_small=$(per_word parse_ns "$small_input" "${small[@]}")
  ns_large=$(per_word parse_ns "$large_input" "${large[@]}")
  if ((INSTRUCTIONS == 1)); then
    ir_small=$(per_word instructions_beyond_start "$small_input" "${small[@]}")
    ir_large=$(per_word instructions_beyond_start "$large_input" "${large[@]}")
  fi
  awk -v list="$list" -v a="$ns_small" -v b="$ns_large" -v c="$ir_small" \
    -v d="$ir_large" 'BEGIN {
    ratio = (c == "-") ? "-" : sprintf("%.2f", d / c)
    printf "%-10s %9.2f %9.2f %6.2f %11s %11s %6s\n", list, a / 1000,
           b / 1000, b / a, (c == "-") ? "-" : sprintf("%.0f", c),
           (d == "-") ? "-" : sprintf("%.0f", d), ratio }'
}

main() {
  install_missing
  build_release tesvar_cli tesvar_generate_lexicon
  make_inputs
  echo "Machine: $(nproc) CPUs, $(lscpu | sed -n 's/^Model name: *//p')"
  echo "tesvar:  $("$BUILD/tools/tesvar" --version | head -n 1)"
  echo "Inputs:  $WORDS words per list; generated lexicons of $SMALL and" \
    "$LARGE entries (seed $SEED); parsing only, best of $RUNS runs"
  echo "         unchanged: $(wc -l <"$WORK/unchanged.txt") words of the" \
    "mixed list"
  echo
  printf "%-10s %9s %9s %6s %11s %11s %6s\n" "list" "us/word" "us/word" \
    "ratio" "instr/word" "instr/word" "ratio"
  printf "%-10s %9s %9s %6s %11s %11s %6s\n" "" "$SMALL" "$LARGE" "" \
    "$SMALL" "$LARGE" ""
  row mixed "$WORK/mixed.txt" "$WORK/mixed.txt"
  row realistic "$WORK/realistic-$SMALL.txt" "$WORK/realistic-$LARGE.txt"
  row unchanged "$WORK/unchanged.txt" "$WORK/unchanged.txt"
  row zipf "$WORK/zipf-$SMALL.txt" "$WORK/zipf-$LARGE.txt"
}

main
