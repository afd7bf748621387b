#!/usr/bin/env bash
# Settings through malver-cli against malver-sim: changes by the editor's rules, written and
# read back, also over a line that loses and damages replies.
set -uo pipefail
CLI=$1
SIM=$2
source "$(dirname "$0")/common.sh"

# A change through the editor's rules: the option text, its dependants, written and read back;
# then the same over a line that drops every 5th reply, damages every 7th and splits frames.
start_sim --family 2
out=$("$CLI" set --port "$PORT" 24 "valtek 3 ohm") || fail "set an option exited $?"
grep -qxF " 24  Injectors: Barracuda 1.9 Ohm -> Valtek 3 Ohm" <<<"$out" || fail "set: $out"
grep -qE "^ 25  .*-> 2.7 \[ms\]$" <<<"$out" || fail "set shows no dependant: $out"
settings=$("$CLI" settings --port "$PORT")
grep -qE "^ 24  Injectors +Valtek 3 Ohm$" <<<"$settings" || fail "not kept: $settings"
err=$("$CLI" set --port "$PORT" 3 3.01 2>&1); code=$?
[ $code = 7 ] || fail "a value between steps exited $code"
grep -qF "it takes 0.30 .. 12.00 in steps of 0.06" <<<"$err" || fail "step message: $err"
"$CLI" set --port "$PORT" 2 3 2>/dev/null; [ $? = 7 ] || fail "a hidden setting was set"
"$CLI" set --port "$PORT" 24 200 --raw 2>/dev/null; [ $? = 7 ] || fail "a raw value past the limits"
stop_sim
start_sim --family 255 --drop-every 5 --corrupt-every 7 --split
"$CLI" set --port "$PORT" 3 2.40 >/dev/null || fail "set over a bad line exited $?"
"$CLI" set --port "$PORT" 24 5 --raw >/dev/null || fail "set --raw over a bad line exited $?"
settings=$("$CLI" settings --port "$PORT")
grep -qE "^  3  RPM detection treshold +2.40 \[V\]$" <<<"$settings" || fail "bad line: $settings"
grep -qE "^ 24  Injectors +Valtek 3 Ohm$" <<<"$settings" || fail "bad line, raw: $settings"
stop_sim

# What the controller's firmware lacks is refused, whichever command asks for it; the settings
# of the editor's administrator mode need --admin.
start_sim --family 2 --firmware 8
"$CLI" set --port "$PORT" 40 7 --raw 2>/dev/null; code=$?
[ $code = 7 ] || fail "a level sensor type firmware 8 lacks exited $code"
"$CLI" level --port "$PORT" --tick 5 type 9 2>/dev/null; code=$?
[ $code = 7 ] || fail "level type 9 on firmware 8 exited $code"
"$CLI" set --port "$PORT" 40 4 --raw >/dev/null || fail "a type firmware 8 has exited $?"
err=$("$CLI" set --port "$PORT" 13 yes 2>&1); code=$?
[ $code = 7 ] || fail "an administrator's setting without --admin exited $code"
grep -qF "setting 13 (Renix) is changed only in administrator mode (--admin)" <<<"$err" ||
  fail "administrator's setting: $err"
"$CLI" set --port "$PORT" 13 yes --admin >/dev/null || fail "13 with --admin exited $?"
stop_sim
start_sim --family 255
"$CLI" set --port "$PORT" 299 rpm 2>/dev/null; code=$?
[ $code = 7 ] || fail "299 without --admin exited $code"
out=$("$CLI" set --port "$PORT" 299 rpm --admin) || fail "299 by its option's text exited $?"
grep -qxF "299  ext2: - -> rpm" <<<"$out" || fail "299: $out"
stop_sim
# An emulator offers every setting of its list, whatever its firmware (10 here).
start_sim --family 8
out=$("$CLI" set --port "$PORT" 47 10) || fail "the emulator's setting 47 exited $?"
grep -qxF " 47  Sampling period: 5 -> 10" <<<"$out" || fail "47: $out"
stop_sim

[ "$failures" = 0 ] && echo "all passed"
exit "$failures"
