#!/usr/bin/env bash
# Runs emacs_check.el: GNU Emacs in batch mode spell-checks text through
# its own ispell and flyspell code with the given tesvar binary as the
# checker. Exits 77, which CTest counts as skipped, when there is no Emacs.
#
# Usage: run_emacs_check.sh TESVAR_BINARY
set -euo pipefail

if ! command -v emacs >/dev/null 2>&1; then
  echo "emacs is not installed; skipping"
  exit 77
fi

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# A home of its own, so that no init file or personal dictionary of the
# user's is read or written.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

HOME=$home TESVAR_BIN=$1 emacs --batch -Q -l ert -l "$here/emacs_check.el" \
  -f ert-run-tests-batch-and-exit
