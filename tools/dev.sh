#!/usr/bin/env bash
# Set up, build, and then start Tessaro or run every test.
#   tools/dev.sh run    install missing Debian packages, build, start the program
#   tools/dev.sh test   install missing Debian packages, build, run every test
#   tools/dev.sh windows   as test's set-up, then build the Windows program and its installer
#                          (tools/windows/build.sh says how)
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ cmake make qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          libjpeg62-turbo-dev libusb-1.0-0-dev pkg-config fonts-dejavu-core xvfb x11-apps
          imagemagick xauth umockdev libumockdev-dev openbox wmctrl xdotool x11-utils
          qt6-svg-dev desktop-file-utils appstream dpkg-dev file lintian python3
          qt6-wayland weston mutter dbus qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

build=${TESSARO_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$(nproc)"

case "${1:-run}" in
  run)
    cd "$build" && exec ./tessaro ;;
  test)
    cd "$build" && exec ctest --output-on-failure -j"$(nproc)" ;;
  windows)
    exec tools/windows/build.sh "$build" ;;
  *)
    echo "usage: tools/dev.sh run|test|windows" >&2; exit 2 ;;
esac
