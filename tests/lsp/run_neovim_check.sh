#!/usr/bin/env bash
# Runs neovim_check.lua: headless Neovim drives the given tesvar binary as
# its language server. Exits 77, which CTest counts as skipped, when there
# is no Neovim.
#
# Usage: run_neovim_check.sh TESVAR_BINARY
set -euo pipefail

if ! command -v nvim >/dev/null 2>&1; then
  echo "nvim is not installed; skipping"
  exit 77
fi

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# The editors start the server from folders of their own.
tesvar=$(realpath "$1")
# A home and a work folder of its own, so that no configuration of the
# user's is read and nothing of theirs is written.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

HOME=$work XDG_CONFIG_HOME=$work XDG_DATA_HOME=$work XDG_STATE_HOME=$work \
TESVAR_BIN=$tesvar TESVAR_WORK=$work \
  timeout 120 nvim --headless -u NONE -i NONE -n \
  -c "luafile $here/neovim_check.lua" </dev/null
