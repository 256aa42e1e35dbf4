#!/usr/bin/env bash
# check_package.sh BUILD_DIR OUT_DIR APP_ID
# Builds the Debian package from the build tree into OUT_DIR (kept for the lintian test)
# and checks that it carries the programs, their manual pages, the menu entry and its
# metadata, the icons, the two pages and Debian's documentation, that the installed README's
# pictures and links lead to files of the package, and that the library dependencies were computed.
set -euo pipefail
build_dir=$1
out=$2
rm -rf "$out"
mkdir -p "$out"
(cd "$build_dir" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/toviran_*.deb)
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
status=0
for expected in \
  ./usr/bin/toviran \
  ./usr/bin/toviran-sim \
  ./usr/share/man/man1/toviran.1.gz \
  ./usr/share/man/man1/toviran-sim.1.gz \
  "./usr/share/applications/$3.desktop" \
  "./usr/share/metainfo/$3.metainfo.xml" \
  ./usr/share/icons/hicolor/scalable/apps/toviran.svg \
  ./usr/share/icons/hicolor/32x32/apps/toviran.png \
  ./usr/share/icons/hicolor/64x64/apps/toviran.png \
  ./usr/share/toviran/mag-chart.html \
  ./usr/share/toviran/manual/index.html \
  ./usr/share/doc/toviran/copyright \
  ./usr/share/doc/toviran/changelog.gz; do
  if ! grep -qx "$expected" <<<"$files"; then
    echo "missing from the package: $expected"
    status=1
  fi
done
doc=./usr/share/doc/toviran
readme=$(dpkg-deb --fsys-tarfile "$deb" | tar -xOf - "$doc/README.md")
targets=$(grep -o '\]([^)#]*' <<<"$readme" | sed 's/^](//' | grep -v '^[a-z]*:' || true)
grep -q '\.png$' <<<"$targets" || { echo "the installed README shows no picture"; status=1; }
for target in $targets; do
  path=$(realpath -m --relative-to=/ "/$doc/$target")
  grep -qx "./$path" <<<"$files" || { echo "the installed README's $target is not in the package"; status=1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for dep in 'libqt6widgets6 (>=' 'libc6 (>=' fonts-ipafont-gothic fonts-motoya-l-maruberi \
  fonts-liberation qt6-translations-l10n; do
  grep -qF "$dep" <<<"$depends" || { echo "missing dependency: $dep"; status=1; }
done
exit $status
