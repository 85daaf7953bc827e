#!/usr/bin/env bash
# Builds and tests the spell-check pipe (tesvar pipe / tesvar -a): its unit
# tests, then GNU Emacs driving the built binary through its own ispell and
# flyspell code. Installs the Debian packages it needs, Emacs included,
# when they are missing (run as root on a fresh machine).
#
# Usage: ci/pipe.sh [BUILD_DIR]   (default: build-ci-pipe in the repo)
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$repo/build-ci-pipe}

bash "$repo/ci/install-packages.sh" cmake g++ make libgtest-dev emacs-nox
# The Emacs test skips itself without Emacs; here it must run.
command -v emacs >/dev/null

cmake -S "$repo" -B "$build"
cmake --build "$build" -j2 --target tesvar_cli pipe_test
"$build/tests/pipe/pipe_test"
ctest --test-dir "$build" --output-on-failure --no-tests=error \
  -R '^pipe_emacs$'
echo "pipe: unit tests and Emacs OK"
