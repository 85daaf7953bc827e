#!/usr/bin/env bash
# Checks the interface of the shared library against the baseline in abi/:
#   abi/libtesvar.symbols  the exported symbols, demangled, sorted: any
#                          symbol added or lost fails;
#   abi/libtesvar.abi      the ABI as libabigail reads it from the debug
#                          information (types and layouts of everything
#                          exported), compared with abidiff: any change fails,
#                          except inside the types of abi/private-types.suppr.
# Installs the Debian packages it needs when they are missing.
#
# After a deliberate change of the public headers, regenerate both files and
# commit them with the change (bump TESVAR_SOVERSION in CMakeLists.txt when
# abidiff called the change incompatible):
#   ci/abi.sh --update [BUILD_DIR]
#
# Usage: ci/abi.sh [--update] [BUILD_DIR]   (default: build-ci-abi in the
# repo). The baseline is made with g++ from Debian 12, build type
# RelWithDebInfo (the default); other compilers name things differently.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
update=0
if [[ ${1:-} == --update ]]; then
  update=1
  shift
fi
build=${1:-$repo/build-ci-abi}
symbols_file=$repo/abi/libtesvar.symbols
abi_file=$repo/abi/libtesvar.abi

bash "$repo/ci/install-packages.sh" cmake g++ make binutils abigail-tools

cmake -S "$repo" -B "$build" >/dev/null
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
if [[ $build_type != RelWithDebInfo ]]; then
  echo "abi: $build is a $build_type build; the baseline needs RelWithDebInfo" >&2
  exit 1
fi
cmake --build "$build" -j2 --target tesvar
library=$(find "$build" -maxdepth 1 -name 'libtesvar.so.*.*' -print -quit)
if [[ -z $library ]]; then
  echo "abi: no libtesvar.so.X.Y.Z in $build" >&2
  exit 1
fi

exported_symbols() {
  nm -D --defined-only --demangle "$library" | cut -d' ' -f3- | LC_ALL=C sort
}

if ((update)); then
  mkdir -p "$repo/abi"
  exported_symbols >"$symbols_file"
  abidw --no-corpus-path --no-comp-dir-path --no-show-locs \
    --type-id-style hash --out-file "$abi_file" "$library"
  # The sources' paths of this checkout, made relative, so that the file
  # does not depend on where it was made.
  sed -i -e "s|path='$build/|path='BUILD/|" -e "s|path='$repo/|path='|" \
    "$abi_file"
  echo "abi: wrote $symbols_file and $abi_file from $library"
  exit 0
fi

if ! diff -u "$symbols_file" <(exported_symbols); then
  echo "abi: the exported symbols changed (- baseline, + now)." >&2
  echo "abi: if that is meant, run ci/abi.sh --update and commit abi/." >&2
  exit 1
fi
echo "abi: exported symbols match abi/libtesvar.symbols"

status=0
abidiff --suppressions "$repo/abi/private-types.suppr" "$abi_file" "$library" ||
  status=$?
if ((status != 0)); then
  # abidiff's status is a bit set: 4 = ABI changed, 8 = incompatibly.
  echo "abi: abidiff found ABI changes (status $status)." >&2
  echo "abi: if that is meant, run ci/abi.sh --update and commit abi/;" >&2
  echo "abi: an incompatible change also needs a new TESVAR_SOVERSION." >&2
  exit 1
fi
echo "abi: ABI matches abi/libtesvar.abi"
