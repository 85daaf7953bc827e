#!/usr/bin/env bash
# Measures how well corrections find the word meant, for tesvar's
# corrector and, side by side, for hunspell on English, in one run:
#
#   tesvar    typos of flawless words typed against a generated lexicon of
#             10,000 entries, one random slip each (substitution,
#             insertion, deletion, swap, apostrophe dropped, wrong case),
#             none of them a word itself; Corrector::Suggest in process
#             (tesvar_correction_rates), CPU time per typo.
#   hunspell  one-slip typos (substitution, insertion, deletion, swap) of
#             English words of 4 to 10 letters a-z from the Debian word
#             list, through "hunspell -a -d en_US"; typos that hunspell
#             accepts as words are left out. CPU time per typo: the run's
#             CPU time less that of a run on no input (loading the
#             dictionary), divided by the typos.
#
# For both: the share of typos whose intended word comes first, and among
# the first five corrections.
#
# Usage: bench/compare-corrections.sh [BUILD_DIR]   (default: build-bench)
# Installs hunspell, hunspell-en-us, wamerican and time from Debian when
# they are missing, and builds tesvar in Release first.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${1:-$ROOT/build-bench}
WORK=$BUILD/corrections
TESVAR_TYPOS=2000
ENGLISH_TYPOS=1000
ENTRIES=10000
SEED=42
DICTIONARY=/usr/share/dict/american-english

install_missing() {
  bash "$ROOT/ci/install-packages.sh" hunspell hunspell-en-us wamerican time \
    >&2
}

build_tesvar() {
  cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release \
    -DTESVAR_BUILD_BENCHMARKS=ON >/dev/null
  cmake --build "$BUILD" -j"$(nproc)" --target tesvar_correction_rates \
    >/dev/null
}

# cpu_seconds INPUT COMMAND...: runs COMMAND with INPUT on standard input,
# its output to $WORK/out.txt, and prints its user plus system seconds.
cpu_seconds() {
  local input=$1
  shift
  /usr/bin/time -f '%U %S' -o "$WORK/time.txt" "$@" <"$input" \
    >"$WORK/out.txt" 2>/dev/null
  awk '{ printf "%.2f\n", $1 + $2 }' "$WORK/time.txt"
}

# Pairs each typo with hunspell's answer and prints the tally.
hunspell_rates() {
  local typos=$1 answers=$2 seconds=$3
  awk -F'\t' -v seconds="$seconds" '
    NR == FNR { typo[NR] = $1; meant[NR] = $2; count = NR; next }
    FNR == 1 { next }                      # the version line
    /^$/ { ++line; next }
    {
      n = line + 1
      if ($0 ~ /^[*+-]/) { words++; next }
      if ($0 ~ /^#/) { none++; misspelt++; next }
      misspelt++
      split(substr($0, index($0, ": ") + 2), offered, ", ")
      if (offered[1] == meant[n]) first++
      for (i = 1; i <= 5 && i in offered; i++) {
        if (offered[i] == meant[n]) { top5++; break }
      }
    }
    END {
      printf "%-20s %7d %8.1f%% %8.1f%% %8.1f%%\n", "all (not words)",
             misspelt, 100 * first / misspelt, 100 * top5 / misspelt,
             100 * none / misspelt
      printf "typos that are words: %d of %d\n", words, count
      printf "CPU time per typo: %.1f ms\n", 1000 * seconds / count
    }' "$typos" "$answers"
}

main() {
  install_missing
  build_tesvar
  mkdir -p "$WORK"
  local rates=$BUILD/bench/tesvar_correction_rates

  echo "Machine: $(nproc) CPUs, $(lscpu | sed -n 's/^Model name: *//p')"
  echo "hunspell: $(hunspell -v | head -n 1 | sed 's/.*(but really \(.*\))/\1/')," \
    "dictionary hunspell-en-us $(dpkg-query -W -f='${Version}' hunspell-en-us)"
  echo
  echo "== tesvar: Corrector::Suggest"
  "$rates" --typos "$TESVAR_TYPOS" --entries "$ENTRIES" --seed "$SEED"

  echo
  echo "== hunspell -a -d en_US"
  "$rates" --english "$DICTIONARY" --typos "$ENGLISH_TYPOS" --seed "$SEED" \
    >"$WORK/english-typos.tsv"
  # "^" makes hunspell read each line as text, whatever its first byte.
  sed 's/\t.*//; s/^/^/' "$WORK/english-typos.tsv" >"$WORK/english-input.txt"
  : >"$WORK/empty.txt"
  local idle busy
  idle=$(cpu_seconds "$WORK/empty.txt" hunspell -a -d en_US)
  busy=$(cpu_seconds "$WORK/english-input.txt" hunspell -a -d en_US)
  cp "$WORK/out.txt" "$WORK/english-answers.txt"
  printf "%-20s %7s %9s %9s %9s\n" "slip" "typos" "first" "top 5" "none"
  hunspell_rates "$WORK/english-typos.tsv" "$WORK/english-answers.txt" \
    "$(awk -v a="$busy" -v b="$idle" 'BEGIN { print a - b }')"
}

main "$@"
