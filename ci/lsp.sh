#!/usr/bin/env bash
# Builds and tests the language server (tesvar lsp): its unit and session
# tests, then two real clients driving the built binary: headless Neovim
# with its built-in client, and Emacs in batch mode with eglot. Installs
# the Debian packages it needs, the editors included, when they are
# missing (run as root on a fresh machine).
#
# Usage: ci/lsp.sh [BUILD_DIR]   (default: build-ci-lsp in the repo)
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$repo/build-ci-lsp}

bash "$repo/ci/install-packages.sh" cmake g++ make libgtest-dev neovim \
  emacs-nox elpa-eglot
# The editor tests skip themselves without their editor; here they must run.
command -v nvim >/dev/null
command -v emacs >/dev/null

cmake -S "$repo" -B "$build"
cmake --build "$build" -j2 --target tesvar_cli lsp_test
"$build/tests/lsp/lsp_test"
# Skipped tests would count as passed; fail on them instead.
ctest --test-dir "$build" --output-on-failure --no-tests=error \
  -R '^lsp_(neovim|emacs)$' 2>&1 | tee "$build/lsp-editors.log"
if grep -q 'Skipped' "$build/lsp-editors.log"; then
  echo "an editor test was skipped" >&2
  exit 1
fi
echo "lsp: unit and session tests, Neovim and Emacs OK"
