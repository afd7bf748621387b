#!/usr/bin/env bash
# The gas level sensor through malver-cli against malver-sim: the type chosen with its
# thresholds, one threshold moved out of order, the shift of all four, the sensor voltage and
# LEDs from the simulated controller, and a colour scheme kept in its memory.
set -uo pipefail
CLI=$1
SIM=$2
source "$(dirname "$0")/common.sh"

start_sim --family 2
out=$("$CLI" level --port "$PORT" --tick 5 type 6) || fail "type exited $?"
for expected in "4/4 +41 +0.56 \[V\]" "3/4 +42 +0.42 \[V\]" "1/2 +43 +0.24 \[V\]" "1/4 +44 +0.14 \[V\]"; do
  grep -qE "^  $expected$" <<<"$out" || fail "type 6, $expected: $out"
done
grep -q "order check: in order" <<<"$out" || fail "a preset out of order: $out"
grep -qE "^Level sensor \[V\]: [0-9]+\.[0-9]{2}$" <<<"$out" || fail "no voltage: $out"
grep -qE "^LEDs: 4/4 (green|off) 3/4 (green|off) 1/2 (green|off) 1/4 (green|off) reserve (green|red|off)$" \
  <<<"$out" || fail "no LEDs: $out"

out=$("$CLI" level --port "$PORT" --tick 5 threshold 44 13) || fail "threshold exited $?"
grep -qE "^  1/4 +44 +0.26 \[V\]  out of order$" <<<"$out" || fail "44 above 43: $out"
grep -qE "^  1/2 +43 +0.24 \[V\]  out of order$" <<<"$out" || fail "43 below 44: $out"
grep -qE "^  3/4 +42 +0.42 \[V\]$" <<<"$out" || fail "42 in order: $out"

"$CLI" level --port "$PORT" --tick 5 shift up >/dev/null || fail "shift exited $?"
out=$("$CLI" level --port "$PORT" --tick 5)
grep -qE "^  4/4 +41 +0.58 \[V\]$" <<<"$out" || fail "shifted 4/4: $out"
grep -qE "^  1/4 +44 +0.28 \[V\]  out of order$" <<<"$out" || fail "shifted 1/4: $out"

"$CLI" level --port "$PORT" --tick 5 colours 22 >/dev/null || fail "colours exited $?"
"$CLI" level --port "$PORT" --tick 5 colours 5 2>/dev/null; code=$?
[ $code = 7 ] || fail "a cell without a scheme exited $code"
"$CLI" level --port "$PORT" --tick 5 threshold 45 10 2>/dev/null; code=$?
[ $code = 2 ] || fail "threshold 45 exited $code"
stop_sim

[ $failures = 0 ] && echo "level end to end: all passed"
exit $failures
