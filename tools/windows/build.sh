#!/usr/bin/env bash
# The Windows program, cross-built here: `tools/dev.sh windows` runs this after the Linux
# build (whose picture generator draws the pictures for Windows too).
#   1. installs the MinGW-w64 compiler, Wine and NSIS (Debian packages; Debian's source
#      packages for Qt, GoogleTest and libjpeg, with a deb-src line added when there is none);
#   2. builds GoogleTest and libjpeg for Windows, and Qt (qtbase: Core, Gui, Widgets, the
#      Windows platform plugin) once into the cache (tools/windows/qt.sh: TESSARO_WIN_QT,
#      TESSARO_WIN_CACHE);
#   3. cross-builds the engine, tessaro-sim and the engine tests, and runs the engine tests
#      and every tests/sim case under Wine (build-win-engine);
#   4. cross-builds Tessaro against that Qt and writes build-win/Tessaro-VERSION-setup.exe and
#      build-win/Tessaro-VERSION.zip;
#   5. installs that into a new Wine prefix and drives the installed tessaro.exe on a desktop
#      of its own (tests/windows/wine_desktop_test.sh; skipped where no X server starts).
# The compile jobs run at the lowest priority; TESSARO_WIN_JOBS sets how many.
# TESSARO_WIN_ENGINE_ONLY=1 stops after step 3 (no Qt build).
set -euo pipefail
cd "$(dirname "$0")/../.."
host_build=${1:-build}
here=tools/windows

packages=(g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 nsis ninja-build dpkg-dev
          cmake)
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
# Debian's sources, from the same archive as its packages.
if ! grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
      $sudo tee /etc/apt/sources.list.d/tessaro-deb-src.sources > /dev/null
  else
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list |
      $sudo tee /etc/apt/sources.list.d/tessaro-deb-src.list > /dev/null
  fi
  $sudo apt-get update
fi

export WINEDEBUG=${WINEDEBUG:--all}
# No .NET or HTML engine in the prefix: nothing here needs them, and making a prefix would
# otherwise offer to install them in a window of its own where a display is set.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# Wine turns Unix file names and command lines into Windows' with the Unix locale's character
# set: names beyond ASCII (the tests use accents and Cyrillic) need a UTF-8 one.
export LC_ALL=C.UTF-8
export TESSARO_WIN_CACHE=${TESSARO_WIN_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tessaro-win}
export WINEPREFIX=${WINEPREFIX:-$TESSARO_WIN_CACHE/wine}
# The Wine prefix is made (or brought up to date) before any test, whose output its
# notices would otherwise join. The first Wine process returns before the prefix is
# finished, so wait until the Wine server of this prefix has nothing left to do.
wine wineboot --init > /dev/null 2>&1 || true
wineserver -w
low="nice -n 19"
command -v ionice > /dev/null && low="$low ionice -c3"

gtest=$($low $here/deb-cmake.sh googletest libgtest-dev -DBUILD_SHARED_LIBS=OFF | tail -1)
jpeg=$($low $here/deb-cmake.sh libjpeg-turbo libjpeg62-turbo-dev -DENABLE_SHARED=OFF \
       -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF | tail -1)

# The engine, tessaro-sim and their tests, which need no Qt.
cmake -S . -B build-win-engine -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/$here/mingw-toolchain.cmake" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSARO_BUILD_UI=OFF -DTESSARO_BUILD_BENCH=OFF \
  -DCMAKE_FIND_ROOT_PATH="$gtest" -DCMAKE_CROSSCOMPILING_EMULATOR=wine
$low cmake --build build-win-engine -j"${TESSARO_WIN_JOBS:-$(nproc)}"
(cd build-win-engine && ctest --output-on-failure -j"$(nproc)")

[ "${TESSARO_WIN_ENGINE_ONLY:-0}" = 1 ] && exit 0

# The program and its installer.
qt=$($low $here/qt.sh | tail -1)
cmake -S . -B build-win -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/$here/mingw-toolchain.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DTESSARO_BUILD_TESTS=OFF -DTESSARO_BUILD_BENCH=OFF \
  -DTESSARO_HOST_ASSETS="$PWD/$host_build/tools/assets/tessaro-assets" \
  -DJPEG_INCLUDE_DIR="$jpeg/include" -DJPEG_LIBRARY="$jpeg/lib/libjpeg.a"
$low cmake --build build-win -j"${TESSARO_WIN_JOBS:-$(nproc)}" --target windows_package
ls -l build-win/Tessaro-*

setup=$(ls build-win/Tessaro-*-setup.exe)
status=0
tests/windows/wine_desktop_test.sh "$setup" "$host_build/tessaro" "$host_build" || status=$?
[ "$status" = 77 ] && status=0
exit "$status"
