#!/usr/bin/env bash
# Builds the Debian package from the build tree and checks that it carries the program,
# the simulator, the menu entry, the icons and the two pages.
set -euo pipefail
build_dir=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build_dir" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/toviran_*.deb)
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
status=0
for expected in \
  ./usr/bin/toviran \
  ./usr/bin/toviran-sim \
  ./usr/share/applications/toviran.desktop \
  ./usr/share/icons/hicolor/scalable/apps/toviran.svg \
  ./usr/share/icons/hicolor/32x32/apps/toviran.png \
  ./usr/share/icons/hicolor/64x64/apps/toviran.png \
  ./usr/share/toviran/mag-chart.html \
  ./usr/share/toviran/manual/index.html; do
  if ! grep -qx "$expected" <<<"$files"; then
    echo "missing from the package: $expected"
    status=1
  fi
done
depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 fonts-ipafont-gothic fonts-motoya-l-maruberi; do
  grep -q "$dep" <<<"$depends" || { echo "missing dependency: $dep"; status=1; }
done
exit $status
