#!/usr/bin/env bash
# Starts the real editor under Xvfb with a fresh HOME, finds its window,
# takes a screenshot, quits it cleanly and checks what it left on disk.
# Usage: run_editor.sh <editor binary> <folder for screenshots>
set -euo pipefail

editor=$1
shots=$2
mkdir -p "$shots"

if [ -z "${E2E_IN_XVFB:-}" ]; then
    export E2E_IN_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

home=$(mktemp -d /tmp/zk7-e2e-home-XXXXXX)
trap 'rm -rf "$home"' EXIT
library="$home/Documents/Library/VZK7"

fail() { echo "FAIL: $*" >&2; exit 1; }

HOME="$home" "$editor" 2>"$shots/editor.stderr" &
pid=$!

start=$(date +%s%N)
window=$(timeout 20 xdotool search --sync --name "^Velmoran ZK7$" | head -n 1) || fail "no window appeared"
ready=$(( ($(date +%s%N) - start) / 1000000 ))
echo "window $window appeared after ${ready} ms"

geometry=$(xdotool getwindowgeometry "$window")
echo "$geometry"
echo "$geometry" | grep -q "Geometry: 1024x768" || fail "window is not 1024 x 768"

sleep 1
import -window root "$shots/01-started.png"

# Quit the way a desktop session does; the editor saves everything on the way out.
kill -TERM "$pid"
timeout 20 tail --pid="$pid" -f /dev/null || fail "editor did not quit"
wait "$pid" || fail "editor exited with an error"

bank="$library/ZK7 Preset bank.arrbank"
[ -f "$bank" ] || fail "no preset bank file"
[ "$(stat -c %s "$bank")" -eq 19223 ] || fail "preset bank is not 19223 bytes"
[ "$(head -c 23 "$bank")" = "ZK7PluginBankVersion100" ] || fail "preset bank header is wrong"
[ -f "$library/velmipzk7.dat" ] || fail "no settings file"
grep -q '^\^|1.0.0|^' "$library/velmipzk7.dat" || fail "settings file is not in the settings format"

# Nothing was written outside the library folder.
stray=$(find "$home" -type f ! -path "$library/*" ! -path "$home/.cache/*" | head -n 5)
[ -z "$stray" ] || fail "files written outside the library: $stray"

echo "e2e editor: ok"
