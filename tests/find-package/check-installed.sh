#!/usr/bin/env bash
# Installs a build into a scratch prefix and uses it as other projects do:
# the C++ and the C consumer built with CMake (find_package) and with
# pkg-config, each against the shared library (tesvar::tesvar, tesvar.pc)
# and the static one (tesvar::tesvar_static, tesvar-static.pc), and a
# Python script that loads the shared library through ctypes. Programs on
# the shared library must load the installed one (CMake's RPATH, or
# LD_LIBRARY_PATH for pkg-config); those on the static one must not need it.
#
# Usage: tests/find-package/check-installed.sh BUILD_DIR [WORK_DIR]
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$1
work=${2:-$build/find-package}
prefix=$work/prefix
consumers=$work/consumers

rm -rf "$work"
mkdir -p "$work"
cmake --install "$build" --prefix "$prefix" >/dev/null

pc_file=$(find "$prefix" -name tesvar.pc -print -quit)
libdir=$(dirname "$(dirname "$pc_file")")
for file in "$libdir/libtesvar.a" "$libdir/libtesvar.so" \
            "$prefix/share/doc/tesvar/LICENSE" \
            "$(dirname "$pc_file")/tesvar-static.pc"; do
  [[ -e $file ]] || { echo "not installed: $file" >&2; exit 1; }
done

# Runs a consumer and checks which tesvar it loads: the installed shared
# library ("shared") or none ("static").
run() {
  local kind=$1 program=$2 loaded
  shift 2
  "$@" "$program"
  loaded=$("$@" ldd "$program" | awk '/libtesvar/ { print $3 }')
  if [[ $kind == shared && $loaded != "$libdir"/libtesvar.so.* ]]; then
    echo "$program loads '${loaded:-no libtesvar}', not $libdir's" >&2
    exit 1
  fi
  if [[ $kind == static && -n $loaded ]]; then
    echo "$program loads $loaded, but should hold the library" >&2
    exit 1
  fi
}

echo "+ CMake: find_package(tesvar)"
cmake -S "$here" -B "$consumers" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$consumers" -j2 >/dev/null
run shared "$consumers/tesvar_consumer"
run shared "$consumers/tesvar_c_consumer"
run static "$consumers/tesvar_consumer_static"
run static "$consumers/tesvar_c_consumer_static"

export PKG_CONFIG_PATH=$(dirname "$pc_file")
for pc in tesvar tesvar-static; do
  flags=$(pkg-config --cflags --libs "$pc")
  echo "+ pkg-config $pc: $flags"
  kind=shared
  [[ $pc == tesvar-static ]] && kind=static
  # shellcheck disable=SC2086  # the flags are meant to be split
  g++ -std=c++17 -Wall -Werror "$here/main.cc" $flags \
    -o "$consumers/pc_$pc"
  # shellcheck disable=SC2086
  cc -std=c99 -Wall -Werror "$here/main.c" $flags -o "$consumers/pc_c_$pc"
  run "$kind" "$consumers/pc_$pc" env LD_LIBRARY_PATH="$libdir"
  run "$kind" "$consumers/pc_c_$pc" env LD_LIBRARY_PATH="$libdir"
done

echo "+ Python ctypes"
python3 "$here/ctypes_consumer.py" "$libdir/libtesvar.so"
echo "installed package: ok"
