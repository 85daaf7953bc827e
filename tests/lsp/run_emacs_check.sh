#!/usr/bin/env bash
# Runs emacs_check.el: GNU Emacs in batch mode, with eglot as the client,
# drives the given tesvar binary as its language server. Exits 77, which
# CTest counts as skipped, when Emacs or eglot is not installed.
#
# Usage: run_emacs_check.sh TESVAR_BINARY
set -euo pipefail

if ! command -v emacs >/dev/null 2>&1; then
  echo "emacs is not installed; skipping"
  exit 77
fi

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# The editors start the server from folders of their own.
tesvar=$(realpath "$1")
# A home and a work folder of its own, so that no init file of the user's
# is read and nothing of theirs is written.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Not -Q: Debian's site start-up puts its packages, eglot among them, on
# the load path. Batch mode reads no init file anyway.
if ! HOME=$work emacs --batch --eval "(require 'eglot)" >/dev/null 2>&1; then
  echo "eglot is not installed; skipping"
  exit 77
fi

HOME=$work TESVAR_BIN=$tesvar TESVAR_WORK=$work timeout 180 emacs --batch \
  -l "$here/emacs_check.el" -f ert-run-tests-batch-and-exit
