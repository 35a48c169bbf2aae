#!/usr/bin/env bash
# validate_desktop_files.sh DESKTOP_FOLDER WORK: the menu entry, the metainfo and the MIME
# description each pass their validator, and the MIME database built from the description
# knows both extensions and the first lines.
set -euo pipefail
desktop=$1
work=$2

desktop-file-validate "$desktop/org.glyphwright.Glyphwright.desktop"
appstreamcli validate --no-net --pedantic "$desktop/org.glyphwright.Glyphwright.metainfo.xml"
xmllint --noout "$desktop/glyphwright-mime.xml"

rm -rf "$work"
mkdir -p "$work/packages"
cp "$desktop/glyphwright-mime.xml" "$work/packages/"
update-mime-database "$work" 2>/dev/null
grep -qx '50:application/x-glyphwright-symbols:\*.sym' "$work/globs2"
grep -qx '50:application/x-glyphwright-linetypes:\*.ltp' "$work/globs2"
for first_line in 'Veltrax Sym/Ltype File Version 1.0' 'Version 1.0 of file format' \
    'File format version 2'; do
    grep -qaF "$first_line" "$work/magic"
done
echo "desktop files valid"
