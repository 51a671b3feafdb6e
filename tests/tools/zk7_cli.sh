#!/usr/bin/env bash
# The zk7 command-line tool against the factory content and against broken input.
# Usage: zk7_cli.sh <zk7 binary> <factory bank folder>
set -uo pipefail
zk7=$1
factory=$2
export HOME=$(mktemp -d /tmp/zk7-cli-home-XXXXXX)
trap 'rm -rf "$HOME"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# Whole outputs are kept in variables and searched without pipes: a reader that
# stops early (grep -q, head) would end the writer, and pipefail would see that.
first_line() { head -n 1 <<< "$1"; }

out=$("$zk7" list programs) || fail "list programs exited $?"
[ "$(echo "$out" | wc -l)" -eq 1141 ] || fail "list programs printed $(echo "$out" | wc -l) lines"
grep -q "^1 Dyn 9ft Grand " <<< "$(first_line "$out")" || fail "first program: $(first_line "$out")"
grep -q "^119 .*TW3$" <<< "$out" || fail "program 119 is not TW3"

organs=$("$zk7" list programs --category 4 | wc -l)
[ "$organs" -gt 20 ] || fail "only $organs organ programs"
[ "$("$zk7" list multis | wc -l)" -eq 54 ] || fail "multis"
[ "$("$zk7" list fxchains | wc -l)" -eq 2719 ] || fail "fxchains"

grep -q "^Layers: " <<< "$("$zk7" show programs 1)" || fail "show programs 1"
grep -q "^Chain start: 30$" <<< "$("$zk7" show fxchains 1)" || fail "show fxchains 1"
grep -q "^Tail: 2676 bytes$" <<< "$("$zk7" show multis 1)" || fail "show multis 1"

# A library folder with an edited bank is read instead of the factory bank.
library=$HOME/lib
mkdir -p "$library"
printf 'Arp *Bank>Arp *Dat*>0001%-20s%s<Arp *Dat*0001Arp *Dat*>0002<Arp *Dat*0002<Arp *Bank' "Only Arp" "$(head -c 100 /dev/zero | tr '\0' 'x')" > "$library/ZK7_Arp_Data.dat"
[ "$("$zk7" list arps --library "$library" | wc -l)" -eq 1 ] || fail "library arps"

"$zk7" check "$factory/programs.bank" > /dev/null || fail "check of a factory bank failed"
"$zk7" check "$library/ZK7_Arp_Data.dat" > /dev/null || fail "check of a small good bank failed"
head -c 100000 "$factory/programs.bank" > "$HOME/cut.bank"
"$zk7" check "$HOME/cut.bank" > "$HOME/cut.txt" && fail "check of a truncated bank succeeded"
grep -q "Malformed" "$HOME/cut.txt" || fail "no malformed report"

# A backup from the virtual instrument through the transfer engine.
backup=$HOME/backup
"$zk7" receive programs 1 40 --virtual --library "$backup" > "$HOME/rx.txt" 2>/dev/null || fail "receive from the virtual instrument failed"
grep -q "^Received 40 programs" "$HOME/rx.txt" || fail "receive reported: $(cat "$HOME/rx.txt")"
[ -s "$backup/ZK7_ProgramData.dat" ] || fail "no program bank written"
[ "$("$zk7" list programs --library "$backup" | wc -l)" -eq 1141 ] || fail "backup library does not list 1141 programs"
# Every file the program writes checks clean, the empty song and algorithm banks included.
for written in "$backup"/ZK7_*.dat; do
    "$zk7" check "$written" > "$HOME/check.txt" || fail "check of $(basename "$written") failed: $(cat "$HOME/check.txt")"
done
grep -q "^Records: 132$" <<< "$("$zk7" check "$backup/ZK7_Pat_Int_Data.dat")" || fail "the intonation bank does not count 132 records"

# Empty IDs are summarised as ranges, not reported one by one.
"$zk7" receive programs 1130 1145 --virtual --library "$HOME/tail" > "$HOME/rx.txt" 2> "$HOME/rx.err" || fail "receive of the bank's end failed"
grep -q "^Received 7 programs" "$HOME/rx.txt" || fail "tail receive reported: $(cat "$HOME/rx.txt")"
grep -q "^9 IDs empty on the instrument: 1137.1145$" "$HOME/rx.txt" || fail "empty IDs reported as: $(cat "$HOME/rx.txt")"
grep -q "Nack" "$HOME/rx.txt" "$HOME/rx.err" && fail "raw negative replies printed"
grep -q "ALSA" "$HOME/rx.err" && fail "the virtual receive opened the system's MIDI devices"

# A receive that cannot start, or receives nothing, writes nothing and says why in one line.
for bad in "1 2" "10 5 --virtual" "1 99999 --virtual" "0 3 --virtual" "1 2 --port-in nowhere --port-out nowhere" "2000 2010 --virtual"; do
    # shellcheck disable=SC2086
    "$zk7" receive programs $bad --library "$HOME/none" > /dev/null 2> "$HOME/rx.err" && fail "receive programs $bad succeeded"
    [ -e "$HOME/none" ] && fail "receive programs $bad wrote a library folder"
    [ "$(grep -vc ALSA "$HOME/rx.err")" -eq 1 ] || fail "receive programs $bad said: $(cat "$HOME/rx.err")"
done

# Nothing found is said, not silent.
"$zk7" list programs --category 99 > "$HOME/none.txt" 2> "$HOME/none.err" && fail "an empty category listing succeeded"
grep -q "no programs in category 99" "$HOME/none.err" || fail "empty category said: $(cat "$HOME/none.err")"
: > "$HOME/empty.dat"
"$zk7" check "$HOME/empty.dat" > /dev/null || fail "an empty bank file does not check clean"

# Arrangements: a preset bank whose first arrangement is "Test Set" with program 7 on channel 1,
# converted to a library, then to a VST bank, and listed from each.
bank=$HOME/bank.arrbank
{ printf 'ZK7PluginBankVersion100%-24s\000\007' "Test Set"; head -c $((19200 - 26)) /dev/zero; } > "$bank"
arrangements=$("$zk7" arrangements list "$bank") || fail "arrangements list exited $?"
grep -q "^1  Test Set .* programs 7 0 " <<< "$(first_line "$arrangements")" || fail "arrangements list: $(first_line "$arrangements")"
[ "$(echo "$arrangements" | wc -l)" -eq 64 ] || fail "the preset bank does not list 64 arrangements"
"$zk7" arrangements export "$bank" "$HOME/all.zk7arrlib" > /dev/null || fail "export to a library"
[ "$(stat -c %s "$HOME/all.zk7arrlib")" -eq $((10 + 64 * 637)) ] || fail "library size"
"$zk7" arrangements export "$HOME/all.zk7arrlib" "$HOME/all.fxb" > /dev/null || fail "export to a VST bank"
[ "$(stat -c %s "$HOME/all.fxb")" -eq 19383 ] || fail "VST bank size"
arrangements=$("$zk7" arrangements list "$HOME/all.fxb") || fail "listing the VST bank exited $?"
grep -q "^1  Test Set " <<< "$(first_line "$arrangements")" || fail "the VST bank lost the name"
"$zk7" arrangements export "$HOME/all.fxb" "$HOME/one.fxp" > /dev/null || fail "export to a VST program"
[ "$("$zk7" arrangements list "$HOME/one.fxp" | wc -l)" -eq 1 ] || fail "the VST program does not hold one arrangement"
# A library of two entries named "Live Set A" and "Encore" over records that carry other names:
# every export carries the entry names and says what the file holds.
two=$HOME/two.zk7arrlib
head -c $((10 + 2 * 637)) "$HOME/all.zk7arrlib" > "$two"
printf '\002' | dd of="$two" bs=1 seek=0 conv=notrunc status=none
printf 'Live Set A' | dd of="$two" bs=1 seek=20 conv=notrunc status=none
printf 'Encore%024d' 0 | tr 0 '\000' | dd of="$two" bs=1 seek=657 conv=notrunc status=none
out=$("$zk7" arrangements export "$two" "$HOME/two.fxb") || fail "export of two entries to a VST bank"
grep -q "^Wrote 2 arrangements and the default arrangements in slots 3 to 64 to " <<< "$out" || fail "bank export said: $out"
arrangements=$("$zk7" arrangements list "$HOME/two.fxb")
grep -q "^1  Live Set A " <<< "$arrangements" || fail "the VST bank lost the first entry's name: $(first_line "$arrangements")"
grep -q "^2  Encore " <<< "$arrangements" || fail "the VST bank lost the second entry's name"
out=$("$zk7" arrangements export "$two" "$HOME/two.fxp") || fail "export of two entries to a VST program"
grep -q '^Wrote 1 arrangement ("Live Set A", the first of 2) to ' <<< "$out" || fail "program export said: $out"
grep -q "^1  Live Set A " <<< "$("$zk7" arrangements list "$HOME/two.fxp")" || fail "the VST program lost the name"
out=$("$zk7" arrangements export "$two" "$HOME/again.zk7arrlib") || fail "export of a library to a library"
grep -q "^Wrote 2 arrangements to " <<< "$out" || fail "library export said: $out"

head -c 5000 "$HOME/all.fxb" > "$HOME/cut.fxb"
head -c 3000 /dev/urandom > "$HOME/random.zk7arrlib"
"$zk7" arrangements list "$HOME/random.zk7arrlib" > /dev/null 2>&1 && fail "random bytes listed as a library"
"$zk7" arrangements list "$HOME/cut.fxb" > /dev/null 2>&1 && fail "a cut VST bank was listed"
"$zk7" arrangements export "$bank" "$HOME/out.txt" > /dev/null 2>&1 && fail "export to an unknown form succeeded"
[ -e "$HOME/out.txt" ] && fail "an unknown form was written"

for bad in "list nothing" "show programs 0" "show programs abc" "show programs 5000" "check /nonexistent" "check /etc/hostname" "list programs --category x" "receive programs 1" "receive programs a b --virtual" "arrangements list /nonexistent" "arrangements list /etc/hostname" "arrangements export /nonexistent x.fxb" "arrangements nothing x"; do
    # shellcheck disable=SC2086
    "$zk7" $bad > /dev/null 2>&1 && fail "zk7 $bad succeeded"
done

echo "zk7 cli: ok"
