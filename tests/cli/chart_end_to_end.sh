#!/usr/bin/env bash
# The diagnostic charts' numbers through malver-cli, from the demonstration recordings of the
# simulated drive: the injection times, the gas pressure by flow and the emulation; refused
# arguments and files.
set -uo pipefail
CLI=$1
MAKE_DEMO=$3
source "$(dirname "$0")/common.sh"

"$MAKE_DEMO" "$WORK" || fail "malver-make-demo exited $?"
RUMO="$WORK/MALVER rumo.osc"
KAVI="$WORK/KAVI.osc"

value() {  # the value of a row of the text output
  sed -nE "s/^$1: +//p" <<<"$2"
}

# Injection times: the drive's records on gas are drawn, the shortest time below the longest,
# the ratios those of gas to petrol.
out=$("$CLI" chart --scope "$RUMO" --kind injection) || fail "injection exited $?"
[ "$(value records "$out")" = 1800 ] || fail "injection records: $out"
drawn=$(value drawn "$out")
[ "${drawn:-0}" -gt 100 ] || fail "injection drawn: $out"
awk -v a="$(value 'petrol shortest \[ms\]' "$out")" -v b="$(value 'petrol longest \[ms\]' "$out")" \
  'BEGIN { exit !(a >= 0.99 && a < b && b <= 50) }' || fail "petrol times: $out"
awk -v g="$(value 'gas shortest \[ms\]' "$out")" -v p="$(value 'petrol shortest \[ms\]' "$out")" \
  -v r="$(value 'gas \/ petrol shortest' "$out")" \
  'BEGIN { exit !(r - g / p < 0.011 && g / p - r < 0.011) }' || fail "ratio: $out"
[ "$(value 'gas pressure mean \[bar\]' "$out")" != - ] || fail "a mean over $drawn records: $out"
csv=$("$CLI" chart --scope "$RUMO" --kind injection --csv) || fail "injection --csv exited $?"
[ "$(wc -l <<<"$csv")" = 10 ] || fail "injection csv lines: $csv"
grep -qx "drawn;$drawn" <<<"$csv" || fail "injection csv: $csv"

# Gas pressure by flow: one line per whole per cent that holds records, in order; their records
# are those drawn, less any beyond the whole cycle.
out=$("$CLI" chart --scope "$RUMO" --kind pressure) || fail "pressure exited $?"
[ "$(value 'full scale \[bar\]' "$out")" = 2.4 ] || fail "pressure scale: $out"
drawn=$(value drawn "$out")
csv=$("$CLI" chart --scope "$RUMO" --kind pressure --csv) || fail "pressure --csv exited $?"
[ "$(head -1 <<<"$csv")" = 'flow [%];records;absolute [bar];gas [bar]' ] || fail "header: $csv"
binned=$(tail -n +2 <<<"$csv" | awk -F';' '{ n += $2 } END { print n + 0 }')
[ "$binned" -gt 0 ] && [ "$binned" -le "$drawn" ] || fail "binned $binned of $drawn"
tail -n +2 <<<"$csv" |
  awk -F';' 'BEGIN { last = -1 } $1 <= last || $1 > 99 { exit 1 } { last = $1 }' ||
  fail "bins out of order: $csv"

# The simulated KAVI has no emulation slope set: a flat characteristic, no points.
out=$("$CLI" chart --scope "$KAVI" --kind emulation) || fail "emulation exited $?"
grep -q '^characteristic: *flat on the bottom edge (slope 0)$' <<<"$out" || fail "slope 0: $out"
[ "$(value 'on petrol' "$out")" -gt 0 ] || fail "petrol pairs: $out"
[ "$("$CLI" chart --scope "$KAVI" --kind emulation --csv)" = 'input [V];output [V]' ] ||
  fail "emulation csv"

# The rail emulator's list has no injection times: nothing is drawn, nothing fails.
out=$("$CLI" chart --scope "$WORK/MIRVANE.osc" --kind injection) || fail "MIRVANE exited $?"
[ "$(value drawn "$out")" = 0 ] || fail "MIRVANE drawn: $out"

# A recording cut off inside a record keeps its whole records.
head -c -50 "$RUMO" >"$WORK/cut.osc"
out=$("$CLI" chart --scope "$WORK/cut.osc" --kind injection) || fail "cut exited $?"
[ "$(value records "$out")" = 1799 ] || fail "cut records: $out"

for args in "--scope x.osc" "--kind injection" "--scope x.osc --kind speed" \
  "--scope x.osc --kind injection --port 1"; do
  # shellcheck disable=SC2086
  "$CLI" chart $args 2>/dev/null
  [ $? = 2 ] || fail "usage: chart $args"
done
"$CLI" chart --scope "$WORK/none.osc" --kind injection 2>/dev/null
[ $? = 6 ] || fail "a missing file"
head -c 3000 "$RUMO" >"$WORK/short.osc"
"$CLI" chart --scope "$WORK/short.osc" --kind pressure 2>/dev/null
[ $? = 6 ] || fail "a truncated file"

exit $failures
