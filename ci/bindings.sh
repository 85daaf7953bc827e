#!/usr/bin/env bash
# Builds and runs the tests of the C interface and of the Python module, and
# checks that the manual page renders without warnings. Installs the Debian
# packages it needs when they are missing (run as root on a fresh machine).
#
# Usage: ci/bindings.sh [BUILD_DIR]   (default: build-ci-bindings in the repo)
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$repo/build-ci-bindings}
# Debian's interpreter, whose headers python3-dev installs.
python=/usr/bin/python3

missing=()
for package in cmake g++ make libgtest-dev python3-dev pybind11-dev \
               man-db groff-base; do
  dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if ((${#missing[@]} > 0)); then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
    "${missing[@]}"
fi

cmake -S "$repo" -B "$build" -DTESVAR_PYTHON=ON \
  -DPython_EXECUTABLE="$python"
cmake --build "$build" -j2 --target capi_test tesvar_python
ctest --test-dir "$build" --output-on-failure -R '^(capi_test|python_test)$'

# The manual page: groff and man must render it and say nothing else.
page=$repo/doc/tesvar.1
warnings=$(groff -man -Tutf8 -ww "$page" 2>&1 >/dev/null)
warnings+=$(man -l "$page" 2>&1 >/dev/null)
if [[ -n $warnings ]]; then
  printf 'doc/tesvar.1 does not render cleanly:\n%s\n' "$warnings" >&2
  exit 1
fi
man -l "$page" | grep '^EXIT STATUS' >/dev/null
echo "bindings: C interface, Python module and manual page OK"
