#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer included) and runs each for a fixed time on a
# copy of its seed corpus. Fails on any crash, leak, timeout, memory blow-up
# or sanitizer report; the input that caused it is kept in the build
# directory. Installs clang and the sanitizer runtimes when they are
# missing (run as root on a fresh Debian machine).
#
# Usage: ci/fuzz.sh [SECONDS_PER_TARGET]   (default 60)
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$repo/build-ci-fuzz
seconds=${1:-60}
targets=(parse_sample_fuzzer parse_own_lexicon_fuzzer spelling_fuzzer
         lexicon_tsv_fuzzer cli_output_fuzzer)

bash "$repo/ci/install-packages.sh" cmake make clang libclang-rt-14-dev

cmake -S "$repo" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DTESVAR_FUZZ=ON \
  -DTESVAR_BUILD_TESTS=OFF -DTESVAR_INSTALL=OFF
cmake --build "$build" -j2 --target "${targets[@]}"

# The parsing targets get words of at most 256 bytes: some longer words
# (a noun with its plural suffix repeated hundreds of times) take the
# suggestion check minutes, which would only report that cost again as a
# timeout.
max_len() {
  case $1 in
    parse_*) echo 256 ;;
    *) echo 4096 ;;
  esac
}

failed=()
for target in "${targets[@]}"; do
  work=$build/fuzz-run/$target
  rm -rf "$work"
  mkdir -p "$work/artifacts"
  cp -r "$repo/fuzz/corpus/$target" "$work/corpus"
  echo "=== $target: ${seconds}s"
  # libFuzzer exits non-zero on a crash, a leak, a timeout or an
  # out-of-memory; the sanitizers abort on their first report.
  if ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
      "$build/fuzz/$target" -dict="$repo/fuzz/tesvar.dict" \
      -max_total_time="$seconds" -max_len="$(max_len "$target")" \
      -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$work/artifacts/" \
      "$work/corpus" >"$work/log" 2>&1; then
    grep -E '^(Done|stat::number_of_executed_units)' "$work/log" || true
  else
    echo "FAILED: $target (log: $work/log)"
    grep -E -A30 'ERROR|invariant broken|runtime error' "$work/log" | head -60
    failed+=("$target")
  fi
done

if ((${#failed[@]} > 0)); then
  echo "fuzzing failed: ${failed[*]}" >&2
  exit 1
fi
echo "fuzzing passed: ${targets[*]}"
