#!/usr/bin/env bash
# Mounts a folder with a writable library read-only in a namespace of its own and runs the app
# test that saves onto it: save_on_read_only_media.sh APP_TESTS LIBRARY WORK. Skipped (77)
# where the system lets no user make such a mount.
set -euo pipefail
tests=$1 library=$2 work=$3
rm -rf "$work" && mkdir -p "$work/media"
cp "$library" "$work/media/survey.sym"
chmod u+w "$work/media/survey.sym"
if ! unshare --user --map-root-user --mount true 2>/dev/null; then
    echo "no user namespaces here" && exit 77
fi
exec unshare --user --map-root-user --mount sh -c '
    mount --bind "$1" "$1" && mount -o remount,bind,ro "$1" || exit 77
    GLYPHWRIGHT_READ_ONLY_FOLDER=$1 QT_QPA_PLATFORM=offscreen exec "$2" \
        --gtest_filter=EditFormTest.ASaveOntoReadOnlyMediaFailsAndKeepsTheFileNameAndTheEdits
' sh "$work/media" "$tests"
