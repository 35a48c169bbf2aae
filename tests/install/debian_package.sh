#!/usr/bin/env bash
# debian_package.sh BUILD WORK LIBRARY: builds the Debian package of BUILD, unpacks it into a
# scratch root and runs the unpacked glyphlib on LIBRARY; the package depends on the Qt 6
# runtime and carries the desktop files, icons, manual pages and the help book.
set -euo pipefail
build=$1
work=$2
library=$3

rm -rf "$work"
mkdir -p "$work/root"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log"
package=$(ls "$work"/glyphwright_*.deb)

depends=$(dpkg-deb -f "$package" Depends)
echo "Depends: $depends"
[[ $depends == *libqt6widgets6* && $depends == *libqt6gui6* ]]

dpkg -x "$package" "$work/root"
root=$work/root/usr
"$root/bin/glyphlib" info "$library" | grep -q 'kind: *linetype'
for file in bin/glyphwright share/glyphwright/help/index.html \
    share/glyphwright/translations/de/GLYDSTRS.txt share/glyphwright/samples/survey.sym \
    share/applications/org.glyphwright.Glyphwright.desktop \
    share/metainfo/org.glyphwright.Glyphwright.metainfo.xml \
    share/mime/packages/glyphwright-mime.xml \
    share/icons/hicolor/scalable/apps/org.glyphwright.Glyphwright.svg \
    share/icons/hicolor/256x256/apps/org.glyphwright.Glyphwright.png \
    share/man/man1/glyphwright.1 share/man/man1/glyphlib.1; do
    [ -f "$root/$file" ] || { echo "missing from the package: $file"; exit 1; }
done
grep -q '^\.SS render' "$root/share/man/man1/glyphlib.1"
echo "package installs and runs"
