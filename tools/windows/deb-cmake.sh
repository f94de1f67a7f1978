#!/usr/bin/env bash
# Builds a library for Windows from Debian's own source package with CMake, once, into the
# cache folder; prints the installed prefix on its last line.
#   deb-cmake.sh SOURCE-PACKAGE INSTALLED-PACKAGE [CMAKE-OPTION...]
# The version is that of INSTALLED-PACKAGE on this machine, so that Windows gets the same
# library as Linux.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source_package=$1 installed=$2
shift 2
cache=${TESSARO_WIN_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tessaro-win}
jobs=${TESSARO_WIN_JOBS:-$(nproc)}
version=$(dpkg-query -W -f='${Version}' "$installed")
key=$( (echo "$version"; printf '%s\n' "$@"; cat "$here/mingw-toolchain.cmake") | sha256sum | cut -c1-12)
safe=${version//+/_}
prefix="$cache/$source_package-${safe//:/_}-$key"
if [ -f "$prefix/.complete" ]; then echo "$prefix"; exit 0; fi

src="$cache/src"
mkdir -p "$src"
if [ ! -d "$src/$source_package-$version" ]; then
  ( cd "$src" && apt-get source --download-only "$source_package=$version" >&2 )
  upstream=${version#*:}
  upstream=${upstream%-*}
  tmp="$src/unpack.$$"; rm -rf "$tmp"; mkdir -p "$tmp"
  tar -xf "$(ls "$src"/"${source_package}_${upstream}".orig.tar.*)" -C "$tmp"
  mv "$tmp"/* "$src/$source_package-$version"; rm -rf "$tmp"
fi
build="$cache/$source_package-build-$key"
echo "Building $source_package $version for Windows into $prefix" >&2
cmake -S "$src/$source_package-$version" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw-toolchain.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" "$@" > "$build.log" 2>&1
cmake --build "$build" -j"$jobs" >> "$build.log" 2>&1
cmake --install "$build" >> "$build.log" 2>&1
touch "$prefix/.complete"
echo "$prefix"
