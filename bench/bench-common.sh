# What the bench/compare-*.sh scripts share; sourced, not run. It reads
# their arguments, [--instructions] [BUILD_DIR], into INSTRUCTIONS (1 when
# instructions are counted too) and BUILD (default ROOT/build-bench), and
# gives them ROOT, the checkout.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
INSTRUCTIONS=0
if [[ ${1:-} == --instructions ]]; then
  INSTRUCTIONS=1
  shift
fi
BUILD=${1:-$ROOT/build-bench}

# install_missing PACKAGE...: installs from Debian those of the packages
# that are missing, and valgrind when instructions are counted.
install_missing() {
  local packages=("$@")
  ((INSTRUCTIONS == 0)) || packages+=(valgrind)
  bash "$ROOT/ci/install-packages.sh" "${packages[@]}" >&2
}

# build_release TARGET...: builds the targets in $BUILD, in Release with
# the benchmarks.
build_release() {
  cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release \
    -DTESVAR_BUILD_BENCHMARKS=ON >/dev/null
  cmake --build "$BUILD" -j"$(nproc)" --target "$@" >/dev/null
}

# count_instructions INPUT COMMAND...: the instructions callgrind counts
# for COMMAND with INPUT on standard input (the output is dropped).
count_instructions() {
  local input=$1
  shift
  local out
  out=$(mktemp)
  valgrind --tool=callgrind --callgrind-out-file="$out" "$@" <"$input" \
    >/dev/null 2>&1
  awk '/^(summary|totals):/ {print $2; exit}' "$out"
  rm -f "$out"
}

# instructions_beyond_start INPUT COMMAND...: count_instructions for INPUT
# less those for empty input (starting and loading the lexicon).
instructions_beyond_start() {
  local input=$1
  shift
  local empty full
  empty=$(count_instructions /dev/null "$@")
  full=$(count_instructions "$input" "$@")
  echo $((full - empty))
}
