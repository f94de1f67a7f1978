#!/usr/bin/env bash
# Builds GoogleTest for Windows from Debian's googletest source package, once, into the
# cache folder; prints the installed prefix on its last line.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=${TESSARO_WIN_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tessaro-win}
jobs=${TESSARO_WIN_JOBS:-$(nproc)}
version=$(dpkg-query -W -f='${Version}' googletest 2>/dev/null || dpkg-query -W -f='${Version}' libgtest-dev)
key=$( (echo "$version"; cat "$here/mingw-toolchain.cmake") | sha256sum | cut -c1-12)
prefix="$cache/gtest-${version//+/_}-$key"
if [ -f "$prefix/.complete" ]; then echo "$prefix"; exit 0; fi

src="$cache/src"
mkdir -p "$src"
if [ ! -d "$src/googletest-$version" ]; then
  ( cd "$src" && apt-get source --download-only "googletest=$version" >&2 )
  tmp="$src/unpack.$$"; rm -rf "$tmp"; mkdir -p "$tmp"
  tar -xf "$src"/googletest_"${version%-*}".orig.tar.gz -C "$tmp"
  mv "$tmp"/* "$src/googletest-$version"; rm -rf "$tmp"
fi
build="$cache/gtest-build-$key"
cmake -S "$src/googletest-$version" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw-toolchain.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF -Dgtest_disable_pthreads=OFF \
  > "$build.log" 2>&1
cmake --build "$build" -j"$jobs" >> "$build.log" 2>&1
cmake --install "$build" >> "$build.log" 2>&1
touch "$prefix/.complete"
echo "$prefix"
