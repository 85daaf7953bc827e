#!/usr/bin/env bash
# Builds and runs the tests of the C interface (linked, and loaded with
# dlopen) and of the Python package built in the tree; then installs the
# Python package with pip from the source tree into a fresh virtual
# environment, offline, with Debian's setuptools and pybind11, and runs the
# Python tests against the installed copy from outside the tree. Last, checks
# that the manual page renders without warnings. Installs the Debian
# packages it needs when they are missing (run as root on a fresh machine).
#
# Usage: ci/bindings.sh [BUILD_DIR]   (default: build-ci-bindings in the repo)
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$repo/build-ci-bindings}
# Debian's interpreter, whose headers python3-dev installs.
python=/usr/bin/python3

bash "$repo/ci/install-packages.sh" cmake g++ make libgtest-dev python3-dev \
  pybind11-dev python3-pybind11 python3-setuptools python3-wheel \
  python3-venv man-db groff-base

cmake -S "$repo" -B "$build" -DTESVAR_PYTHON=ON \
  -DPython_EXECUTABLE="$python"
cmake --build "$build" -j2 --target capi_test shared_dlopen_test tesvar_python
ctest --test-dir "$build" --output-on-failure \
  -R '^(capi_test|shared_dlopen_test|python_test)$'

# pip install from the source tree: nothing downloaded (--no-index), the
# build tools taken from the system (--no-build-isolation).
venv=$build/venv
rm -rf "$venv"
"$python" -m venv --system-site-packages "$venv"
"$venv/bin/pip" install --no-build-isolation --no-index "$repo"
outside=$(mktemp -d)
trap 'rm -rf "$outside"' EXIT
installed=$(cd "$outside" && "$venv/bin/python" -c \
  'import tesvar, pathlib; print(pathlib.Path(tesvar.__file__).parent)')
if [[ $installed != "$venv"/* ]]; then
  echo "bindings: imported tesvar from $installed, not from $venv" >&2
  exit 1
fi
(cd "$outside" && "$venv/bin/python" "$repo/python/tests/test_tesvar.py")

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
