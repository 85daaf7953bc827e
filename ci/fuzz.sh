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

# The parsing targets get words past the 256-byte word limit too, so that
# they check that the limit refuses exactly those; 1024 bytes also leave
# room for lexicons of a few dozen entries in parse_own_lexicon_fuzzer.
max_len() {
  case $1 in
    parse_*) echo 1024 ;;
    *) echo 4096 ;;
  esac
}

# What the parser's limits guarantee, with room for the sanitizers: a call
# past its work budget stops at about 30 ms and 10 MB in a release build,
# about 0.4 s with the sanitizers, and an input parses at most two words
# three times each. Anything slower or bigger is a regression of the
# limits, and fails the run. AddressSanitizer's quarantine of freed memory
# is kept at 64 MB (256 by default), so that the memory the process itself
# holds is what the limit sees: with the default, a resumed corpus of
# costly words alone grows the process past 500 MB.
readonly timeout_seconds=5
readonly rss_limit_mb=512

failed=()
for target in "${targets[@]}"; do
  work=$build/fuzz-run/$target
  rm -rf "$work"
  mkdir -p "$work/artifacts"
  cp -r "$repo/fuzz/corpus/$target" "$work/corpus"
  echo "=== $target: ${seconds}s"
  # libFuzzer exits non-zero on a crash, a leak, a timeout or an
  # out-of-memory; the sanitizers abort on their first report.
  if ASAN_OPTIONS=detect_leaks=1:quarantine_size_mb=64 \
      UBSAN_OPTIONS=print_stacktrace=1 \
      "$build/fuzz/$target" -dict="$repo/fuzz/tesvar.dict" \
      -max_total_time="$seconds" -max_len="$(max_len "$target")" \
      -timeout="$timeout_seconds" -rss_limit_mb="$rss_limit_mb" \
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
