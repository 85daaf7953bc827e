#!/usr/bin/env bash
# Installs those of the named Debian packages that are missing; a name of
# the form "command:package" installs `package` only when `command` is not
# on the PATH (so that a Node.js from elsewhere, say, is used as it is).
# Uses sudo when not run as root. Shared by the CI scripts and benchmarks.
#
# Usage: ci/install-packages.sh PACKAGE|COMMAND:PACKAGE ...
set -euo pipefail

missing=()
for wanted in "$@"; do
  if [[ $wanted == *:* ]]; then
    command -v "${wanted%%:*}" >/dev/null || missing+=("${wanted#*:}")
  else
    dpkg -s "$wanted" >/dev/null 2>&1 || missing+=("$wanted")
  fi
done
((${#missing[@]} == 0)) && exit 0

echo "installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y \
  --no-install-recommends "${missing[@]}" </dev/null
