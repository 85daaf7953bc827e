#!/usr/bin/env bash
# Runs the README's first command, which builds the tesvar program alone
# and tries it, and checks that it did only that: GoogleTest was not looked
# for and no test was configured. Run from .ci/run before the README's test
# command, which then reuses the objects in build/.
#
# Usage: ci/readme_first.sh
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")/.."

# The first shell block of the README.
command=$(awk '/^```sh$/ { getline; print; exit }' README.md)
if [[ -z "$command" ]]; then
  echo "no first command found in README.md" >&2
  exit 1
fi
echo "+ $command"
output=$(bash -euo pipefail -c "$command")
printf '%s\n' "$output"

# The command ends by analysing words with the sample lexicon.
if ! grep -q '^  1\. \[' <<<"$output"; then
  echo "the README's first command printed no reading" >&2
  exit 1
fi
if grep -qi 'gtest' build/CMakeCache.txt; then
  echo "the README's first command looked for GoogleTest:" >&2
  grep -i 'gtest' build/CMakeCache.txt >&2
  exit 1
fi
if [[ -e build/tests/CTestTestfile.cmake ]]; then
  echo "the README's first command configured the tests" >&2
  exit 1
fi
echo "README first command: the program alone, without GoogleTest"
