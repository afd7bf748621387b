#!/usr/bin/env bash
# malver-cli against malver-sim over a pseudo-terminal: identification of every family, a
# complete read-out, and the exit codes of the failures.
set -uo pipefail
CLI=$1
SIM=$2
source "$(dirname "$0")/common.sh"

expect_identity() {  # family, expected name
  start_sim --family "$1"
  out=$("$CLI" identify --port "$PORT") || fail "identify family $1 exited $?"
  grep -qxF "name:     $2" <<<"$out" || fail "family $1 name: $out"
  grep -qx "family:   $1" <<<"$out" || fail "family $1 code: $out"
  grep -qx "status:   0 normal" <<<"$out" || fail "family $1 status: $out"
  stop_sim
}

expect_identity 2 "MALVER rumo"
expect_identity 5 'MALVER FORTIX "Valvetronic"'
expect_identity 6 "MALVER LUMO"
expect_identity 8 "MIRVANE v2.0"
expect_identity 13 "Fuel Pump Emulator"
expect_identity 255 "KAVI 6 CYL. V1.2"

start_sim --family 8 --frozen
"$CLI" read --port "$PORT" --out "$WORK/image.bin" >/dev/null || fail "read exited $?"
[ "$(stat -c %s "$WORK/image.bin" 2>/dev/null)" = 7136 ] || fail "image size"
live=$("$CLI" live --port "$PORT" --count 3)
expected="GAS | Revolutions 850 [rpm] | PWM 2.50 [V] | Fuel pressure 2.00 [V] | Emulation 2.50 [V] | Power supply 14.00 [V]"
[ "$(grep -cxF "$expected" <<<"$live")" = 3 ] || fail "three live lines: $live"
log=$("$CLI" identify --port "$PORT" --log 2>&1 >/dev/null)
grep -q '^  TX: 65 .. 02 81' <<<"$log" || fail "log: $log"
settings=$("$CLI" settings --image "$WORK/image.bin") || fail "settings from an image exited $?"
grep -qE '^  3  RPM detection treshold +3.00 \[V\]$' <<<"$settings" || fail "settings: $settings"
stop_sim

start_sim --family 13
"$CLI" settings --port "$PORT" >/dev/null || fail "settings of a fuel pump emulator exited $?"
stop_sim

"$CLI" identify --port 1000; [ $? = 3 ] || fail "missing port exit code"
"$CLI" settings --image /nonexistent; [ $? = 6 ] || fail "missing image exit code"
err=$("$CLI" settings --image "$WORK" 2>&1); code=$?
[ $code = 6 ] || fail "a folder as image exited $code"
grep -qF "$WORK: is a folder, not a file" <<<"$err" || fail "folder message: $err"
head -c 100 /dev/zero >"$WORK/short.bin"
err=$("$CLI" settings --image "$WORK/short.bin" 2>&1); code=$?
[ $code = 6 ] || fail "a short image exited $code"
grep -qF "short.bin: not a controller image (100 bytes" <<<"$err" || fail "short image: $err"
"$CLI" identify; [ $? = 2 ] || fail "usage exit code"
start_sim --silent
"$CLI" identify --port "$PORT" --timeout 300; [ $? = 4 ] || fail "no answer exit code"
stop_sim
# Falling silent halfway through a read-out ends it by the link's own rule, well before the
# command's time is up.
start_sim --family 255 --silent-after 12
err=$(timeout 20 "$CLI" read --port "$PORT" --out "$WORK/half.bin" 2>&1); code=$?
[ $code = 4 ] || fail "silent in the middle exited $code"
grep -qx "malver-cli: no answer from the controller" <<<"$err" || fail "silence message: $err"
[ ! -e "$WORK/half.bin" ] || fail "a half read-out was saved"
stop_sim
start_sim --frozen
err=$("$CLI" live --port "$PORT" --count 1000 --timeout 700 2>&1 >/dev/null); code=$?
[ $code = 4 ] || fail "live beyond its time exited $code"
grep -qF "within 700 ms" <<<"$err" || fail "timeout message: $err"
log=$("$CLI" live --port "$PORT" --count 2 --log 2>&1 >/dev/null)
grep -q '^  RX: 76 .. 3E 90' <<<"$log" || fail "live --log shows no status frame: $log"
grep -q '^  TX: 65 .. 00 90' <<<"$log" || fail "live --log shows no poll: $log"
stop_sim
start_sim --maker 3
"$CLI" identify --port "$PORT" --timeout 500; [ $? = 5 ] || fail "refused exit code"
stop_sim
# A port another program holds: exit 3, and the installer is told that it is busy. The holder
# has the port once its first live line has come through the pipe.
start_sim --frozen
mkfifo "$WORK/holder"
"$CLI" live --port "$PORT" --count 100000 --timeout 60000 >"$WORK/holder" &
holder=$!
exec 3<"$WORK/holder"
read -r _ <&3
err=$("$CLI" identify --port "$PORT" 2>&1 >/dev/null); code=$?
[ $code = 3 ] || fail "a busy port exited $code"
grep -qF "$PORT: The port is busy: another program" <<<"$err" || fail "busy message: $err"
kill "$holder"
wait "$holder" 2>/dev/null
exec 3<&-
stop_sim

catalogue=$("$CLI" catalogue) || fail "catalogue exited $?"
grep -qF "Calibration per cylinder" <<<"$catalogue" || fail "catalogue lists no settings"
"$CLI" catalogue --header --out "$WORK" >/dev/null || fail "catalogue --out exited $?"
grep -qF "#define KAVI_" "$WORK/Nastawy KAVI.h" || fail "no KAVI header"
"$CLI" catalogue --out "$WORK/missing" 2>/dev/null; code=$?
[ $code = 6 ] || fail "a missing folder exited $code"

[ "$failures" = 0 ] && echo "all passed"
exit "$failures"
