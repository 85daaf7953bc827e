#!/usr/bin/env bash
# Measures the tesvar command line next to two peers on this machine, in
# one run: words per second of each as a whole process (start-up and
# lexicon or dictionary loading included), best of three runs, and the
# peak resident memory of each.
#
#   hfst-optimized-lookup   a finite-state analyser of the same lexicon and
#                           affix tables (bench/write_lexc.cc writes its
#                           lexc grammar; Debian's hfst compiles it): the
#                           same analysis work, without tesvar's spelling
#                           repair, grammar checks, English and corrections
#   hunspell -m -d en_US    English words from the Debian word list,
#                           shuffled with a fixed seed
#   tesvar parse --json --native
#
# on 100,000 words typed against a generated 5,000-entry lexicon, in three
# lists: flawless words only, the realistic list (flawless words, 5% of
# them mistyped) and the stress list (the generated mix of typed text, most
# of it faulty). With --instructions it also counts the instructions per
# word of each command with callgrind (valgrind), which load on the machine
# does not disturb: the whole process less a run on empty input. It ends
# with the per-word cost distribution of tesvar on each list
# (tesvar_work_units).
#
# Usage: bench/compare-peers.sh [--instructions] [BUILD_DIR]
#        (default BUILD_DIR: build-bench)
# Installs hunspell, hunspell-en-us, wamerican, hfst, time (and valgrind
# with --instructions) from Debian when they are missing, and builds tesvar
# in Release first.
set -euo pipefail

# shellcheck source=bench/bench-common.sh
source "$(dirname "${BASH_SOURCE[0]}")/bench-common.sh"
WORK=$BUILD/peers
WORDS=100000
ENTRIES=5000
SEED=42
RUNS=3
DICTIONARY=/usr/share/dict/american-english

# The same inputs on every run: a fixed shuffle of the English word list
# (repeated if it is shorter than $WORDS), a generated lexicon with its
# three word lists, and the transducer of the lexicon.
make_inputs() {
  mkdir -p "$WORK"
  local lines
  lines=$(wc -l <"$DICTIONARY")
  local copies=$(((WORDS + lines - 1) / lines))
  : >"$WORK/english.all"
  for ((i = 0; i < copies; i++)); do
    shuf --random-source=<(yes "$SEED") "$DICTIONARY" >>"$WORK/english.all"
  done
  head -n "$WORDS" "$WORK/english.all" >"$WORK/english.txt"

  local generate=$BUILD/bench/tesvar_generate_lexicon
  "$generate" --entries "$ENTRIES" --seed "$SEED" >"$WORK/lexicon.tsv"
  local from=(--words "$WORDS" --from "$WORK/lexicon.tsv" --seed "$SEED")
  "$generate" "${from[@]}" --realistic --typos 0 >"$WORK/flawless.txt"
  "$generate" "${from[@]}" --realistic >"$WORK/realistic.txt"
  "$generate" "${from[@]}" >"$WORK/stress.txt"

  "$BUILD/bench/tesvar_write_lexc" "$WORK/lexicon.tsv" >"$WORK/lexicon.lexc"
  hfst-lexc -q "$WORK/lexicon.lexc" -o "$WORK/generator.hfst"
  hfst-invert "$WORK/generator.hfst" -o "$WORK/analyser.hfst"
  hfst-fst2fst -O "$WORK/analyser.hfst" -o "$WORK/analyser.hfstol"
}

# measure INPUT COMMAND...: runs COMMAND $RUNS times with INPUT on standard
# input and prints "best_seconds peak_kib output_lines" (the output of the
# best run).
measure() {
  local input=$1
  shift
  local best_ns=0 peak_kib=0 lines=0
  for ((run = 0; run < RUNS; run++)); do
    local start end ns kib
    start=$(date +%s%N)
    /usr/bin/time -v -o "$WORK/time.txt" "$@" <"$input" >"$WORK/out.txt" \
      2>/dev/null
    end=$(date +%s%N)
    ns=$((end - start))
    kib=$(awk -F': ' '/Maximum resident set size/ {print $2}' \
      "$WORK/time.txt")
    ((kib > peak_kib)) && peak_kib=$kib
    if ((best_ns == 0 || ns < best_ns)); then
      best_ns=$ns
      lines=$(wc -l <"$WORK/out.txt")
    fi
  done
  awk -v ns="$best_ns" -v kib="$peak_kib" -v lines="$lines" \
    'BEGIN { printf "%.3f %d %d\n", ns / 1e9, kib, lines }'
}

# instructions INPUT COMMAND...: instructions per word of COMMAND on INPUT,
# less those of a run on empty input (start-up and loading).
instructions() {
  local input=$1
  shift
  awk -v total="$(instructions_beyond_start "$input" "$@")" -v n="$WORDS" \
    'BEGIN { printf "%.0f\n", total / n }'
}

# row LABEL INPUT COMMAND...: measures and prints one row of the table;
# sets LAST_SECONDS.
row() {
  local label=$1 input=$2
  shift 2
  local s kib lines ipw="-"
  read -r s kib lines < <(measure "$input" "$@")
  ((INSTRUCTIONS == 0)) || ipw=$(instructions "$input" "$@")
  awk -v label="$label" -v s="$s" -v kib="$kib" -v words="$WORDS" \
    -v ipw="$ipw" 'BEGIN {
    printf "%-44s %9.3f %11.0f %10.1f %13s\n", label, s, words / s,
           kib / 1024, ipw }'
  ((lines > 0)) || echo "  warning: $label wrote nothing"
  LAST_SECONDS=$s
}

main() {
  install_missing hunspell hunspell-en-us wamerican hfst time
  build_release tesvar_cli tesvar_generate_lexicon tesvar_write_lexc \
    tesvar_work_units
  make_inputs
  local tesvar=$BUILD/tools/tesvar
  local lookup=(hfst-optimized-lookup -q "$WORK/analyser.hfstol")
  local parse=("$tesvar" parse --json --native --lexicon "$WORK/lexicon.tsv")

  echo "Machine: $(nproc) CPUs, $(lscpu | sed -n 's/^Model name: *//p'), \
$(free -h | awk '/^Mem:/ {print $2}') memory"
  echo "hunspell: $(hunspell -v | head -n 1 | sed 's/.*(but really \(.*\))/\1/')," \
    "dictionary hunspell-en-us $(dpkg-query -W -f='${Version}' hunspell-en-us)"
  echo "hfst:     $(dpkg-query -W -f='${Version}' hfst), transducer of" \
    "$(stat -c %s "$WORK/analyser.hfstol") bytes"
  local unknown
  unknown=$("${lookup[@]}" <"$WORK/flawless.txt" | grep -c '+?$' || true)
  echo "          it reads all but $unknown of the $WORDS flawless words"
  echo "tesvar:   $("$tesvar" --version | head -n 1)"
  echo "Inputs:   $WORDS words each; lexicon of $ENTRIES generated entries" \
    "(seed $SEED); best of $RUNS runs, whole processes"
  echo
  printf "%-44s %9s %11s %10s %13s\n" "command and list" "best s" "words/s" \
    "peak MiB" "instr/word"

  local s_hunspell s_hfst_flawless s_hfst_stress s_flawless s_stress
  row "hunspell -m, English words" "$WORK/english.txt" \
    hunspell -m -d en_US -i UTF-8
  s_hunspell=$LAST_SECONDS
  row "hfst-optimized-lookup, flawless" "$WORK/flawless.txt" "${lookup[@]}"
  s_hfst_flawless=$LAST_SECONDS
  row "hfst-optimized-lookup, stress" "$WORK/stress.txt" "${lookup[@]}"
  s_hfst_stress=$LAST_SECONDS
  row "tesvar parse --json --native, flawless" "$WORK/flawless.txt" \
    "${parse[@]}"
  s_flawless=$LAST_SECONDS
  row "tesvar parse --json --native, realistic" "$WORK/realistic.txt" \
    "${parse[@]}"
  row "tesvar parse --json --native, stress" "$WORK/stress.txt" "${parse[@]}"
  s_stress=$LAST_SECONDS
  if "$tesvar" parse --help 2>&1 | grep -q -- '--jobs'; then
    row "tesvar ... --jobs 2, stress" "$WORK/stress.txt" "${parse[@]}" \
      --jobs 2
  fi

  echo
  awk -v h="$s_hunspell" -v f="$s_hfst_flawless" -v fs="$s_hfst_stress" \
    -v tf="$s_flawless" -v ts="$s_stress" 'BEGIN {
    printf "words/s ratio, tesvar / hfst-optimized-lookup, flawless: %.2f\n", f / tf
    printf "words/s ratio, tesvar / hfst-optimized-lookup, stress:   %.2f\n", fs / ts
    printf "words/s ratio, tesvar stress / hunspell -m:              %.2f\n", h / ts
  }'
  for list in realistic stress; do
    echo
    echo "tesvar per-word cost, $list list:"
    "$BUILD/bench/tesvar_work_units" --lexicon "$WORK/lexicon.tsv" --top 0 \
      <"$WORK/$list.txt" | sed -n '1,4p'
  done
}

main "$@"
