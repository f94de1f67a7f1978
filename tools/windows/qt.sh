#!/usr/bin/env bash
# Builds Qt for Windows (qtbase: Core, Gui, Widgets and the Windows platform plugin)
# from Debian's own source package, once, into a cache folder outside the repository.
# Prints the installed prefix on its last line. Reuses the cache while the source
# version and the options below are unchanged.
#   TESSARO_WIN_QT        an existing Windows Qt prefix: used as it is
#   TESSARO_WIN_CACHE     the cache folder (default ~/.cache/tessaro-win)
#   TESSARO_WIN_JOBS      parallel compile jobs (default: number of cores)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ -n "${TESSARO_WIN_QT:-}" ]; then
  [ -f "$TESSARO_WIN_QT/lib/cmake/Qt6/qt.toolchain.cmake" ] || {
    echo "TESSARO_WIN_QT=$TESSARO_WIN_QT holds no Qt for Windows" >&2; exit 1; }
  echo "$TESSARO_WIN_QT"; exit 0
fi

cache=${TESSARO_WIN_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tessaro-win}
jobs=${TESSARO_WIN_JOBS:-$(nproc)}
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)

options=(
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DFEATURE_pkg_config=OFF
  -DFEATURE_tabletevent=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
  -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
  -DFEATURE_testlib=OFF -DFEATURE_openssl=OFF
  -DFEATURE_jpeg=ON -DFEATURE_system_jpeg=OFF -DFEATURE_system_zlib=OFF
  -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF
)
key=$( (echo "$version"; printf '%s\n' "${options[@]}"; cat "$here/mingw-toolchain.cmake") | sha256sum | cut -c1-12)
prefix="$cache/qt-$version-$key"
prefix=${prefix//+/_}
if [ -f "$prefix/.complete" ]; then echo "$prefix"; exit 0; fi

src="$cache/src"
mkdir -p "$src"
if [ ! -d "$src/qtbase-$version" ]; then
  ( cd "$src" && apt-get source --download-only "qt6-base=$version" >&2 )
  tmp="$src/unpack.$$"; rm -rf "$tmp"; mkdir -p "$tmp"
  tar -xf "$src"/qt6-base_"${version%-*}".orig.tar.xz -C "$tmp"
  mv "$tmp"/qtbase-everywhere-src-* "$src/qtbase-$version"; rm -rf "$tmp"
fi

build="$cache/build-$key"
echo "Building Qt $version for Windows into $prefix (log: $build.log)" >&2
cmake -S "$src/qtbase-$version" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw-toolchain.cmake" \
  -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" > "$build.log" 2>&1
cmake --build "$build" -j"$jobs" >> "$build.log" 2>&1
cmake --install "$build" >> "$build.log" 2>&1
touch "$prefix/.complete"
echo "$prefix"
