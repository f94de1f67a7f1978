#!/usr/bin/env bash
# The Debian package: cpack makes it from the build, it holds what the install holds, names
# the libraries it needs, passes lintian without errors, and its programs run once unpacked.
#   package.sh BUILD_DIR WORK_DIR
set -euo pipefail

build=$1
work=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$work"
mkdir -p "$work"
cpack -G DEB -B "$work" --config "$build/CPackConfig.cmake" >"$work/cpack.log" ||
  { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/tessaro_*.deb)

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libusb-1.0-0 libjpeg62-turbo qt6-qpa-plugins qt6-wayland; do
  [[ $depends == *"$library"* ]] || fail "Depends lacks $library: $depends"
done

dpkg-deb -c "$deb" | awk '{print $6}' >"$work/files"
for file in ./usr/bin/tessaro ./usr/bin/tessaro-sim \
            ./usr/share/applications/org.tessaro.Tessaro.desktop \
            ./usr/share/metainfo/org.tessaro.Tessaro.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/org.tessaro.Tessaro.svg \
            ./usr/share/icons/hicolor/48x48/apps/org.tessaro.Tessaro.png \
            ./usr/share/man/man1/tessaro.1.gz ./usr/share/man/man1/tessaro-sim.1.gz \
            ./usr/lib/udev/rules.d/60-tessaro-board.rules \
            ./usr/share/tessaro/Teks/Procesplaat.bmp ./usr/share/tessaro/Velden/papier.bmp \
            ./usr/share/tessaro/examples/heater_pid.txt ./usr/share/doc/tessaro/copyright; do
  grep -qxF "$file" "$work/files" || fail "the package lacks $file"
done
# A project or board library lying in the build folder never goes along.
! grep -qiE 'data1\.txt|k8055d' "$work/files" || fail "the package carries a project or library"

if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" \
    >"$work/lintian.log" 2>&1 || { cat "$work/lintian.log"; fail "lintian reports errors"; }
fi

dpkg-deb -x "$deb" "$work/unpacked"
out=$(cd "$work" && printf 'place 1 1 Spin1\nprint field 1 1\n' | "$work/unpacked/usr/bin/tessaro-sim")
[ "$out" = "field 1 1 key=Spin1 right=0 down=0 up=0" ] || fail "tessaro-sim printed: $out"
echo "package: $(basename "$deb"), depends on $depends"
