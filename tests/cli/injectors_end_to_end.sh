#!/usr/bin/env bash
# The injector sequence through malver-cli against malver-sim: the matrix printed, a channel
# moved to another petrol input, left on petrol, given back, put in bank 2, the order typed
# and rotated; each change read back from the simulated controller by a fresh command.
set -uo pipefail
CLI=$1
SIM=$2
source "$(dirname "$0")/common.sh"

row() { grep -E "^  $1" <<<"$2" | sed -E 's/ +/ /g; s/ $//'; }

start_sim --family 2
out=$("$CLI" injectors --port "$PORT" --tick 5) || fail "print exited $?"
[ "$(row "PETROL 1 " "$out")" = " PETROL 1 X . . ." ] || fail "row 1: $(row "PETROL 1 " "$out")"
[ "$(row "PETROL 4 " "$out")" = " PETROL 4 . . . X" ] || fail "row 4: $out"
grep -q "order check: valid" <<<"$out" || fail "a fresh order is not valid: $out"

"$CLI" injectors --port "$PORT" --tick 5 assign 1 3 >/dev/null || fail "assign exited $?"
out=$("$CLI" injectors --port "$PORT" --tick 5)
[ "$(row "PETROL 1 " "$out")" = " PETROL 1 X . X ." ] || fail "after assign: $out"
[ "$(row "PETROL 3 " "$out")" = " PETROL 3 . . . ." ] || fail "input 3 kept its channel: $out"

"$CLI" injectors --port "$PORT" --tick 5 unassign 2 >/dev/null || fail "unassign exited $?"
out=$("$CLI" injectors --port "$PORT" --tick 5)
grep -qE "^  Switch selected Injectors on GASOLINE +\. x \. \.$" <<<"$out" || fail "unassign: $out"
grep -qE "^  Firing order: +1 - 3 4$" <<<"$out" || fail "order of a petrol channel: $out"
grep -q "order check: wrong" <<<"$out" || fail "three channels at 0, 2, 3 pass: $out"

"$CLI" injectors --port "$PORT" --tick 5 assign 2 2 >/dev/null || fail "assign back exited $?"
"$CLI" injectors --port "$PORT" --tick 5 order 4 2 >/dev/null || fail "order exited $?"
out=$("$CLI" injectors --port "$PORT" --tick 5)
grep -qE "^  Firing order: +1 2 3 2$" <<<"$out" || fail "typed order: $out"
grep -q "order check: wrong" <<<"$out" || fail "two channels at position 2 pass: $out"
out=$("$CLI" injectors --port "$PORT" --tick 5 order 2 4) || fail "order exited $?"
grep -qE "^  Firing order: +1 4 3 2$" <<<"$out" || fail "typed order: $out"
grep -q "order check: valid" <<<"$out" || fail "1 4 3 2 is a whole order: $out"
grep -q "^  Bank" <<<"$out" && fail "a one-bank controller shows banks: $out"
"$CLI" injectors --port "$PORT" --tick 5 bank 3 2 2>/dev/null; code=$?
[ $code = 7 ] || fail "bank on a one-bank controller exited $code"

"$CLI" injectors --port "$PORT" --tick 5 assign 1 9 2>/dev/null; code=$?
[ $code = 7 ] || fail "channel 9 of four exited $code"
"$CLI" injectors --port "$PORT" --tick 5 rotate 5 2>/dev/null; code=$?
[ $code = 7 ] || fail "rotation entry 5 of three exited $code"
"$CLI" injectors --port "$PORT" --tick 5 swap 1 2 2>/dev/null; code=$?
[ $code = 2 ] || fail "an unknown action exited $code"
stop_sim

start_sim --family 5
out=$("$CLI" injectors --port "$PORT" --tick 5 rotate 1) || fail "rotate exited $?"
grep -qE "^  Firing order: +4 1 2 3 8 5 6 7$" <<<"$out" || fail "rotated eight: $out"
grep -q "order check: valid" <<<"$out" || fail "a rotation breaks the order: $out"
"$CLI" injectors --port "$PORT" --tick 5 bank 3 2 >/dev/null || fail "bank exited $?"
out=$("$CLI" injectors --port "$PORT" --tick 5)
grep -qE "^  Bank +1 1 2 1 1 1 1 1$" <<<"$out" || fail "bank: $out"
stop_sim

start_sim --family 255
"$CLI" injectors --port "$PORT" --tick 5 2>/dev/null; code=$?
[ $code = 7 ] || fail "KAVI exited $code"
stop_sim

[ $failures = 0 ] && echo "injectors end to end: all passed"
exit $failures
