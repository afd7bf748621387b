#!/usr/bin/env bash
# Scope recordings through malver-cli against malver-sim: recorded, inspected, refused when
# broken.
set -uo pipefail
CLI=$1
SIM=$2
source "$(dirname "$0")/common.sh"

start_sim --family 255
out=$("$CLI" record --port "$PORT" --seconds 3 --out "$WORK/drive.osc") || fail "record exited $?"
records=$(sed -nE 's/^recorded ([0-9]+) records .*/\1/p' <<<"$out")
[ "${records:-0}" -gt 10 ] || fail "record: $out"
[ "$(stat -c %s "$WORK/drive.osc")" = $((6144 + records * 128)) ] || fail "recording file size"
"$CLI" record --port "$PORT" --seconds 2 --long --out "$WORK/long.osc" >/dev/null ||
  fail "record --long exited $?"
stop_sim

info=$("$CLI" inspect "$WORK/drive.osc") || fail "inspect exited $?"
grep -q '^kind:      scope recording$' <<<"$info" || fail "inspect kind: $info"
grep -q "^records:   $records of 128 bytes$" <<<"$info" || fail "inspect records: $info"
grep -q '^family:    255$' <<<"$info" || fail "inspect identity: $info"
"$CLI" inspect "$WORK/long.osc" | grep -qE '^records:   [0-9]+ of 256 bytes$' ||
  fail "inspect of long records"

# A recording cut off in the middle of a record keeps its whole records.
head -c -50 "$WORK/drive.osc" >"$WORK/cut.osc"
info=$("$CLI" inspect "$WORK/cut.osc") || fail "inspect of a cut recording exited $?"
grep -q "^records:   $((records - 1)) of 128 bytes$" <<<"$info" || fail "cut: $info"
grep -q '^cut off:   78 bytes' <<<"$info" || fail "cut off: $info"

head -c 3000 "$WORK/drive.osc" >"$WORK/short.osc"
err=$("$CLI" inspect "$WORK/short.osc" 2>&1); code=$?
[ $code = 6 ] || fail "inspect of a truncated table block exited $code"
grep -q 'shorter than the header and the level-3 table block (6144 bytes)' <<<"$err" ||
  fail "truncated: $err"

exit $failures
