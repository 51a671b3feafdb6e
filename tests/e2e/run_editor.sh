#!/usr/bin/env bash
# Starts the real editor under Xvfb with a fresh HOME and plays a player's
# first minutes: the start-up panel finds no instrument, ABOUT closes it, the
# MIDI setup panel connects both ports to the virtual instrument; programs are
# chosen by click and keypad, the parameter page opens, a mixer knob turns, a
# note from the instrument lights a meter, a multi is chosen, a favourite is
# assigned by holding it, the library manager renames and stores arrangements,
# a key of the keyboard drawer sounds, and the quit tool ends the program. A
# second start must reopen the remembered ports by name and find the favourite
# and the arrangements kept. Screenshots go to <folder>.
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
log="$home/virtual-instrument.log"
keys="$home/virtual-instrument.keys"

fail() { echo "FAIL: $*" >&2; exit 1; }
shot() { import -window root "$shots/$1.png"; }
click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.5}"; }
received() { grep -c "^$1" "$log" 2>/dev/null || true; }
# The instrument plays what the keys file holds (one message in hex per line).
play() { printf '%s\n' "$@" > "$keys.new"; mv "$keys.new" "$keys"; }
# Mean brightness (0..1) of a screen area in a screenshot: width, height, x, y.
brightness() { convert "$shots/$1.png" -crop "$2x$3+$4+$5" -colorspace Gray -format "%[fx:mean]" info:; }

start_editor() {
    HOME="$home" ZK7_VIRTUAL_INSTRUMENT_LOG="$log" ZK7_VIRTUAL_INSTRUMENT_KEYS="$keys" ZK7_FILE_CHOOSER_ANSWER="$library/e2e-bank" "$editor" 2>>"$shots/editor.stderr" &
    pid=$!
    local start
    start=$(date +%s%N)
    window=$(timeout 20 xdotool search --sync --name "^Velmoran ZK7$" | head -n 1) || fail "no window appeared"
    echo "window $window appeared after $(( ($(date +%s%N) - start) / 1000000 )) ms"
}

wait_for_exit() {
    timeout 20 tail --pid="$pid" -f /dev/null || fail "editor did not quit"
    wait "$pid" || fail "editor exited with an error"
}

# Screen positions: the window sits at (0, 0); its content is inset by a 4-pixel border.
ABOUT=(692 41); MIDI=(344 41); KEYS=(445 41); QUIT=(961 19); PROGRAM=(118 41); MULTI=(219 41); MIXER_BUTTON=(547 41)
MULTI_ROW3=(160 186); FAVORITES=(918 185); FAVOURITE_2=(362 137); SELECTOR_MULTI_5=(800 229);
PAN_KNOB_1=(54 428)
LIBRARY_BUTTON=(46 38); LIB_ROW2=(100 96); LIB_ROW8=(100 240); LIB_SET_CURRENT=(405 108); LIB_RENAME=(405 141)
LIB_SAVE_BANK=(405 207); LIB_TAB=(183 35); LIB_ADD_CURRENT=(405 108); LIB_DONE=(430 595); DIALOG_FIELD=(250 302)
PARAMETERS=(703 685); LIST_CLOSE=(865 691); KEY_1=(725 165); KEY_2=(787 165); KEY_ENTER=(849 303)
IN_BOX=(500 308); OUT_BOX=(500 398); SETUP_OK=(738 566); WHITE_KEY=(180 600); PROGRAM_ROW3=(160 246)

start_editor
grep -q "Geometry: 1024x768" <<< "$(xdotool getwindowgeometry "$window")" || fail "window is not 1024 x 768"
sleep 1.8   # the start-up check after one second, then a scan that finds nothing
shot 01-start-up-not-connected

click "${ABOUT[@]}"
shot 02-program-mode

click "${MIDI[@]}"
# Each box drops down a menu below it: "NONE", then the ports; the virtual instrument is the second item.
click "${IN_BOX[@]}"
click $(( IN_BOX[0] - 150 )) $(( IN_BOX[1] + 55 )) 1
click "${OUT_BOX[@]}"
click $(( OUT_BOX[0] - 150 )) $(( OUT_BOX[1] + 55 )) 1
shot 03-midi-setup-virtual
[ "$(received "f0 7e 7f 06 01 f7")" -ge 1 ] || fail "the virtual instrument was not asked who it is"
grep -q '|ZK7 Virtual Instrument|^^|ZK7 Virtual Instrument|' "$library/velmipzk7.dat" || fail "the port choice was not saved"

click "${SETUP_OK[@]}"

# A click on the third row of the program list plays program 3 on channel 1.
click "${PROGRAM_ROW3[@]}" 1
shot 04-program-chosen
[ "$(received "f0 07 46 01 00 20 00 00 03 f7")" -ge 1 ] || fail "choosing program 3 did not reach the instrument"

# Typing 1, 2 and Enter on the keypad plays program 12.
click "${KEY_1[@]}" 0.2
click "${KEY_2[@]}" 0.2
click "${KEY_ENTER[@]}" 1
shot 04b-program-typed
[ "$(received "f0 07 46 01 00 20 00 00 0c f7")" -ge 1 ] || fail "typing 12 on the keypad did not play program 12"

# PARAMETERS shows channel 1's mixer and effect controls beside the compact chooser; its CLOSE returns.
click "${PARAMETERS[@]}" 1
shot 04c-program-parameters
click "${LIST_CLOSE[@]}"

# The mixer page: turning channel 1's pan knob up sends a parameter-change run (controllers 110..) on channel 1.
click "${MIXER_BUTTON[@]}"
xdotool mousemove "${PAN_KNOB_1[@]}" mousedown 1 mousemove_relative 0 -10 mousemove_relative 0 -10 mouseup 1
sleep 0.5
shot 05-mixer
[ "$(received "b0 6e")" -ge 1 ] || fail "turning the pan knob sent no parameter change"
[ "$(received "b0 0a")" -ge 1 ] || fail "turning the pan knob sent no controller 10"

# A note played on the instrument's own keys (channel 1, velocity 127) lights channel 1's meter.
play "90 3c 7f"
sleep 0.35
shot 05b-mixer-meter
play "80 3c 00"
dark=$(brightness 05-mixer 4 100 33 525); lit=$(brightness 05b-mixer-meter 4 100 33 525)
awk -v dark="$dark" -v lit="$lit" 'BEGIN { exit !(lit > dark + 0.1) }' || fail "the meter did not rise ($dark -> $lit)"
click "${PROGRAM[@]}"

# Multi mode: a click on the third row of the multi list plays multi 3 (a global value).
click "${MULTI[@]}" 1
click "${MULTI_ROW3[@]}" 1
shot 06-multi-browser
[ "$(received "f0 07 46 01 00 11 00 03 f7")" -ge 1 ] || fail "choosing multi 3 did not reach the instrument"

# Holding favourite 2 for a second opens the value selector; choosing multi 5 there assigns it.
click "${FAVORITES[@]}"
xdotool mousemove "${FAVOURITE_2[@]}" mousedown 1
sleep 1.4
xdotool mouseup 1
sleep 0.5
click "${SELECTOR_MULTI_5[@]}"
shot 07-favourite-assigned
xdotool mousemove "${SELECTOR_MULTI_5[@]}" click --repeat 2 --delay 80 1   # a double-click closes the selector
sleep 0.5
slot2=$(od -An -tx1 -j3 -N3 "$library/Favorites.dat" | tr -d " \n")
[ "$slot2" = "010005" ] || fail "favourite 2 holds $slot2, not multi 5"
click "${PROGRAM[@]}"

click "${KEYS[@]}"
click "${WHITE_KEY[@]}" 1
shot 08-keyboard-drawer
[ "$(received "90 ")" -ge 1 ] || fail "no note on reached the virtual instrument"
[ "$(received "80 ")" -ge 1 ] || fail "no note off reached the virtual instrument"

# The computer keyboard plays too: "z" is C3 at velocity 100 (0x64) on channel 1.
click "${KEYS[@]}"
xdotool key z
sleep 0.5
[ "$(received "90 24 64")" -ge 1 ] || fail "the letter key z did not play"

# The library manager: rename arrangement 2, store the live state in slot 8, save the bank as a VST
# bank (the file chooser answers with a fixed name here), add the live state to the library.
type_name() { xdotool mousemove "${DIALOG_FIELD[@]}" click 1 key ctrl+a type "$1"; xdotool key Return; sleep 0.4; }
click "${LIBRARY_BUTTON[@]}" 1
click "${LIB_ROW2[@]}"
click "${LIB_RENAME[@]}"
type_name "Rock Night"
click "${LIB_ROW8[@]}"
click "${LIB_SET_CURRENT[@]}"
type_name "Stored Live"
shot 11-library-manager-bank
click "${LIB_SAVE_BANK[@]}"
[ "$(stat -c %s "$library/e2e-bank.fxb" 2>/dev/null)" = 19383 ] || fail "SAVE BANK did not write a 19383-byte VST bank"
click "${LIB_TAB[@]}"
click "${LIB_ADD_CURRENT[@]}"
type_name "Kept Entry"
shot 12-library-manager-library
click "${LIB_DONE[@]}"

click "${QUIT[@]}" 0
wait_for_exit
grep -aq "Rock Night" "$library/ZK7 Preset bank.arrbank" || fail "the renamed arrangement was not kept"
grep -aq "Stored Live" "$library/ZK7 Preset bank.arrbank" || fail "SET CURRENT was not kept"
grep -aq "Kept Entry" "$library/Lib.zk7arrlib" || fail "the library entry was not kept"

bank="$library/ZK7 Preset bank.arrbank"
[ -f "$bank" ] || fail "no preset bank file"
[ "$(stat -c %s "$bank")" -eq 19223 ] || fail "preset bank is not 19223 bytes"
[ "$(head -c 23 "$bank")" = "ZK7PluginBankVersion100" ] || fail "preset bank header is wrong"
[ -s "$library/ZK7_ProgramData.dat" ] || fail "no program bank written"
grep -q '|ZK7 Virtual Instrument|^^|ZK7 Virtual Instrument|' "$library/velmipzk7.dat" || fail "settings do not remember the ports"

# The second start reopens the remembered ports: the instrument is asked at once.
: > "$log"
start_editor
sleep 1.5
shot 09-second-start-on-line
[ "$(received "f0 7e 7f 06 01 f7")" -ge 1 ] || fail "the second start did not reach the virtual instrument"

click "${LIBRARY_BUTTON[@]}" 1
shot 09b-library-manager-after-restart
click "${LIB_DONE[@]}"

# The favourite survived the restart: pressing it plays multi 5.
click "${MULTI[@]}" 1
click "${FAVORITES[@]}"
click "${FAVOURITE_2[@]}" 1
shot 10-favourite-recalled
[ "$(received "f0 07 46 01 00 11 00 05 f7")" -ge 1 ] || fail "the favourite did not recall multi 5 after a restart"
kill -TERM "$pid"
wait_for_exit

stray=$(find "$home" -type f ! -path "$library/*" ! -path "$log" ! -path "$home/.cache/*" | head -n 5)
[ -z "$stray" ] || fail "files written outside the library: $stray"

echo "e2e editor: ok"
