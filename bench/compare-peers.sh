#!/usr/bin/env bash
# Measures the tesvar command line next to hunspell on this machine, in one
# run: words per second of each as a whole process (start-up and lexicon or
# dictionary loading included), best of three runs, and the peak resident
# memory of each.
#
#   hunspell -m -d en_US           on 100,000 English words from the Debian
#                                  word list, shuffled with a fixed seed
#   tesvar parse --json --lexicon  on 100,000 words typed against a generated
#                                  5,000-entry lexicon
#   tesvar parse --jobs 2 ...      the same, when the command line has --jobs
#
# Usage: bench/compare-peers.sh [BUILD_DIR]     (default: build-bench)
# Installs hunspell, hunspell-en-us, wamerican and time from Debian when
# they are missing, and builds tesvar in Release first.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${1:-$ROOT/build-bench}
WORK=$BUILD/peers
WORDS=100000
ENTRIES=5000
SEED=42
RUNS=3
DICTIONARY=/usr/share/dict/american-english

install_missing() {
  local missing=()
  command -v hunspell >/dev/null || missing+=(hunspell)
  [[ -e /usr/share/hunspell/en_US.dic ]] || missing+=(hunspell-en-us)
  [[ -e $DICTIONARY ]] || missing+=(wamerican)
  [[ -x /usr/bin/time ]] || missing+=(time)
  ((${#missing[@]} == 0)) && return
  echo "Installing ${missing[*]}" >&2
  local sudo=()
  [[ $(id -u) -eq 0 ]] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq \
    "${missing[@]}" >/dev/null
}

build_tesvar() {
  cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release \
    -DTESVAR_BUILD_BENCHMARKS=ON >/dev/null
  cmake --build "$BUILD" -j"$(nproc)" \
    --target tesvar_cli tesvar_generate_lexicon >/dev/null
}

# The same inputs on every run: a fixed shuffle of the English word list
# (repeated if it is shorter than $WORDS) and a generated lexicon with its
# word list.
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

  "$BUILD/bench/tesvar_generate_lexicon" --entries "$ENTRIES" --seed "$SEED" \
    >"$WORK/lexicon.tsv"
  "$BUILD/bench/tesvar_generate_lexicon" --words "$WORDS" \
    --from "$WORK/lexicon.tsv" --seed "$SEED" >"$WORK/tesvar.txt"
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

row() {  # row LABEL SECONDS KIB
  awk -v label="$1" -v s="$2" -v kib="$3" -v words="$WORDS" 'BEGIN {
    printf "%-40s %8d %9.3f %11.0f %10.1f\n", label, words, s, words / s,
           kib / 1024 }'
}

main() {
  install_missing
  build_tesvar
  make_inputs
  local tesvar=$BUILD/tools/tesvar

  echo "Machine: $(nproc) CPUs, $(lscpu | sed -n 's/^Model name: *//p'), \
$(free -h | awk '/^Mem:/ {print $2}') memory"
  echo "hunspell: $(hunspell -v | head -n 1 | sed 's/.*(but really \(.*\))/\1/')," \
    "dictionary hunspell-en-us $(dpkg-query -W -f='${Version}' hunspell-en-us)"
  echo "tesvar:   $("$tesvar" --version | head -n 1)"
  echo "Inputs:   $WORDS words each; tesvar lexicon of $ENTRIES generated" \
    "entries (seed $SEED); best of $RUNS runs, whole processes"
  echo "          sha256 english $(sha256sum <"$WORK/english.txt" | cut -c1-12)," \
    "tesvar $(sha256sum <"$WORK/tesvar.txt" | cut -c1-12)"
  echo
  printf "%-40s %8s %9s %11s %10s\n" "command" "words" "best s" "words/s" \
    "peak MiB"

  read -r h_s h_kib h_lines < <(measure "$WORK/english.txt" \
    hunspell -m -d en_US -i UTF-8)
  row "hunspell -m -d en_US" "$h_s" "$h_kib"
  ((h_lines > 0)) || echo "  warning: hunspell wrote nothing"

  read -r t_s t_kib t_lines < <(measure "$WORK/tesvar.txt" \
    "$tesvar" parse --json --lexicon "$WORK/lexicon.tsv")
  row "tesvar parse --json --lexicon (5k)" "$t_s" "$t_kib"
  ((t_lines == WORDS)) ||
    echo "  warning: tesvar wrote $t_lines lines for $WORDS words"

  if "$tesvar" parse --help 2>&1 | grep -q -- '--jobs'; then
    read -r j_s j_kib j_lines < <(measure "$WORK/tesvar.txt" \
      "$tesvar" parse --json --jobs 2 --lexicon "$WORK/lexicon.tsv")
    row "tesvar parse --json --jobs 2 (5k)" "$j_s" "$j_kib"
    ((j_lines == WORDS)) ||
      echo "  warning: tesvar --jobs 2 wrote $j_lines lines for $WORDS words"
  else
    echo "tesvar parse --jobs 2: skipped, the command line has no --jobs yet"
  fi

  echo
  awk -v h="$h_s" -v t="$t_s" 'BEGIN {
    printf "ratio tesvar / hunspell, words per second: %.3f\n", h / t }'
}

main "$@"
