#!/usr/bin/env bash
# Builds the WebAssembly package and tests it: its Node.js tests (the API,
# and every reading against the native command line), npm pack and an
# install of the tarball into a fresh project, and the dictionary page in
# headless Chromium. Installs what it needs when it is missing (run as
# root on a fresh machine): Debian's emscripten, chromium and Node.js, and
# the test tools pinned in web/package-lock.json.
#
# Leaves the tarball and a screenshot of the page in WEB_BUILD/artifacts.
#
# Usage: ci/web.sh [NATIVE_BUILD [WEB_BUILD]]
#   NATIVE_BUILD  a native build to reuse for the command line and the word
#                 generator (default: build-ci-web-native in the repo)
#   WEB_BUILD     default: build-ci-web in the repo
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
native=${1:-$repo/build-ci-web-native}
web=${2:-$repo/build-ci-web}

# Any Node.js 18.18 or later will do, Debian's or another.
bash "$repo/ci/install-packages.sh" cmake g++ make libgtest-dev \
  libbenchmark-dev clang-format emscripten chromium node:nodejs npm:npm
node --version

# Emscripten runs its JavaScript tools with `node` and finds their modules
# among Debian's; a Node.js from elsewhere does not look there by itself.
emscripten() { NODE_PATH=/usr/share/nodejs "$@"; }

echo "--- test tools (npm ci)"
(cd "$repo/web" && npm ci --no-audit --no-fund)

echo "--- native command line and word generator"
cmake -S "$repo" -B "$native" -DTESVAR_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$native" -j2 --target tesvar_cli tesvar_generate_lexicon

echo "--- WebAssembly build"
emscripten emcmake cmake -S "$repo/web" -B "$web" -DTESVAR_WERROR=ON
emscripten cmake --build "$web" -j2
clang-format --dry-run -Werror "$repo"/web/src/*.cc

export TESVAR_WEB_BUILD=$web
export TESVAR_CLI=$native/tools/tesvar
export TESVAR_GENERATOR=$native/bench/tesvar_generate_lexicon
export TESVAR_WEB_ARTIFACTS=$web/artifacts
tests=$repo/web/test

echo "--- Node.js tests"
node --test "$tests/text.test.mjs" "$tests/api.test.mjs" "$tests/native.test.mjs"

echo "--- npm pack, installed into a fresh project"
mkdir -p "$TESVAR_WEB_ARTIFACTS"
(cd "$web/package" && npm pack --pack-destination "$TESVAR_WEB_ARTIFACTS")
node --test "$tests/package.test.mjs"

echo "--- dictionary page in headless Chromium"
node --test "$tests/page.test.mjs"

ls -l "$TESVAR_WEB_ARTIFACTS"
echo "web: package, Node.js tests and dictionary page OK"
