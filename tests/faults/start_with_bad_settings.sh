#!/usr/bin/env bash
# Starts the editor on a library with settings files no program would write and checks that
# it comes up and keeps running: start_with_bad_settings.sh GLYPHWRIGHT LIBRARY WORK
set -euo pipefail
editor=$1 library=$2 work=$3
rm -rf "$work" && mkdir -p "$work"
long_path=$(head -c 10000 /dev/zero | tr '\0' 'x')
# A list holding a list ... 50,000 deep, in the escaped data stream form of a typed value.
nesting=$(printf '\\0\\0\\0\\t\\0\\0\\0\\x1%.0s' $(seq 50000))'\0\0\0\t\0\0\0\0'
key='Software\Microsoft\Windows\CurrentVersion\App%20Paths\PWHost.exe'
font='Veltrax\Veltrax%20Ducton\4.0\Font%20Size%20Adjustment'

# Each case: a name and the text of the user's settings file ("-" for one that cannot be read).
cases=(
    "corrupt|$(printf '[Software\n\x01\xff\xfe=\n[[[\n=%%zz\n')"
    "unreadable|-"
    "font-not-a-number|$(printf '[Software]\n%s=twelve\n' "$font")"
    "font-huge|$(printf '[Software]\n%s=99999999999\n' "$font")"
    "path-without-semicolon|$(printf '[%s]\nPath=/opt/host\n' "$key")"
    "typed-value-nested-50000-deep|$(printf '[Software]\n%s=@Variant(%s)\n' "$font" "$nesting")"
    "path-of-10000-characters|$(printf '[%s]\nPath=%s;%s\n' "$key" "$long_path" "$long_path")"
)
failed=0
for entry in "${cases[@]}"; do
    name=${entry%%|*} text=${entry#*|}
    settings=$work/$name.ini
    if [ "$text" = "-" ]; then
        mkdir -p "$settings"  # a folder where the file should be
    else
        printf '%s' "$text" > "$settings"
    fi
    GLYPHWRIGHT_USER_SETTINGS=$settings GLYPHWRIGHT_MACHINE_SETTINGS=$work/none.ini \
        QT_QPA_PLATFORM=offscreen "$editor" "$library" > "$work/$name.log" 2>&1 &
    pid=$!
    sleep 2
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid" && wait "$pid" 2>/dev/null || true
        echo "$name: started"
    else
        wait "$pid" && code=0 || code=$?
        echo "$name: the editor ended with status $code" && cat "$work/$name.log"
        failed=1
    fi
done
exit $failed
