#!/usr/bin/env bash
# A 16 x 16 table through malver-cli against malver-sim: listed, as CSV, its CSV loaded back
# unchanged, a changed CSV written and read back, and bad CSVs refused with nothing written.
set -uo pipefail
CLI=$1
SIM=$2
source "$(dirname "$0")/common.sh"

table() { "$CLI" table --port "$PORT" --tick 5 "$@"; }

start_sim --family 2
listed=$(table KorOdObr1) || fail "listing exited $?"
grep -qE '^bar\\rpm +600 +900 +1200 .* 6000$' <<<"$listed" || fail "RPM header: $listed"
[ "$(sed -n 2p <<<"$listed" | awk '{print $1}')" = "1.00" ] || fail "highest load first: $listed"
[ "$(wc -l <<<"$listed")" = 17 ] || fail "17 lines: $listed"

table MapaCis --csv >"$WORK/before.csv" || fail "--csv exited $?"
[ "$(wc -l <"$WORK/before.csv")" = 17 ] || fail "17 lines of CSV"
[ "$(awk -F, '{print NF}' "$WORK/before.csv" | sort -u)" = 17 ] || fail "17 fields a line"

out=$(table MapaCis --load "$WORK/before.csv") || fail "its own CSV exited $?"
grep -qF "holds this table already" <<<"$out" || fail "its own CSV changed something: $out"

# The lowest load and RPM cell to 42, the highest to 250 (held to 100), with ";" and "," as a
# spreadsheet of a decimal-comma country saves it.
sed -e '17s/^\([^,]*\),[^,]*,/\1,42,/' -e '2s/,[^,]*$/,250/' -e 's/,/;/g' -e 's/\./,/g' \
  "$WORK/before.csv" >"$WORK/changed.csv"
out=$(table MapaCis --load "$WORK/changed.csv") || fail "a changed CSV exited $?"
grep -qF "held to the table's range: row 1.00, column 6000: 100" <<<"$out" ||
  fail "the held cell is not named: $out"
grep -qF "written and read back" <<<"$out" || fail "not read back: $out"
after=$(table MapaCis --csv) || fail "listing after the load exited $?"
[ "$(sed -n 17p <<<"$after" | cut -d, -f2)" = 42 ] || fail "the cell did not change: $after"
[ "$(sed -n 2p <<<"$after" | cut -d, -f17)" = 100 ] || fail "the held cell: $after"

# A line short of a field, a word among the numbers, a header the controller does not have:
# refused, and the controller keeps what it had.
sed '5s/,[^,]*$//' "$WORK/before.csv" >"$WORK/short.csv"
sed '9s/,[^,]*,/,ten,/' "$WORK/before.csv" >"$WORK/word.csv"
sed '1s/,600,/,650,/' "$WORK/before.csv" >"$WORK/header.csv"
sed "9s/,[^,]*,/,1$(printf '0%.0s' {1..400}),/" "$WORK/before.csv" >"$WORK/huge.csv"
for bad in short word header huge; do
  err=$(table MapaCis --load "$WORK/$bad.csv" 2>&1 >/dev/null)
  [ $? = 6 ] || fail "$bad.csv is not refused as a file"
  grep -qF "Nothing was written." <<<"$err" || fail "$bad.csv: $err"
done
grep -qF "Line 5 has 16 fields" <<<"$(table MapaCis --load "$WORK/short.csv" 2>&1)" ||
  fail "the short line is not named"
grep -qF "line 9, column 2: \"1000" <<<"$(table MapaCis --load "$WORK/huge.csv" 2>&1)" ||
  fail "the number beyond a double is not named"
[ "$(table MapaCis --csv)" = "$after" ] || fail "a refused CSV changed the table"

# A correction curve: its nodes, as CSV, a node moved and raised, written and read back; a
# malformed line refused with nothing written.
listed=$(table KorOdTempRed) || fail "listing the curve exited $?"
grep -qE '^ *°C +%$' <<<"$listed" || fail "curve titles: $listed"
table KorOdTempRed --csv >"$WORK/curve.csv" || fail "curve --csv exited $?"
[ "$(cat "$WORK/curve.csv")" = $'°C,%\n-30,+17\n20,0\n100,-3' ] || fail "curve CSV: $(cat "$WORK/curve.csv")"
# A correction typed as the label shows it is what the label then shows, and the curve's own CSV
# loads back changing nothing.
sed 's/^20,0$/20,-33/' "$WORK/curve.csv" >"$WORK/typed.csv"
table KorOdTempRed --load "$WORK/typed.csv" >/dev/null || fail "a typed correction exited $?"
[ "$(table KorOdTempRed --csv | sed -n 3p)" = "20,-33" ] || fail "-33 % is not shown as typed"
table KorOdTempRed --csv >"$WORK/again.csv" || fail "curve --csv exited $?"
out=$(table KorOdTempRed --load "$WORK/again.csv") || fail "the curve's own CSV exited $?"
grep -qF "holds this curve already" <<<"$out" || fail "the curve's own CSV changed it: $out"
sed 's/^20,0$/40,+10/' "$WORK/curve.csv" >"$WORK/moved.csv"
out=$(table KorOdTempRed --load "$WORK/moved.csv") || fail "a changed curve exited $?"
grep -qF "written and read back" <<<"$out" || fail "curve not read back: $out"
[ "$(table KorOdTempRed --csv | sed -n 3p)" = "40,+10" ] || fail "the node did not move"
sed 's/^40,+10$/40,+10,3/' "$WORK/moved.csv" >"$WORK/wide.csv"
err=$(table KorOdTempRed --load "$WORK/wide.csv" 2>&1 >/dev/null)
[ $? = 6 ] || fail "a line of three fields is not refused"
grep -qF "line 3 has 3 fields" <<<"$err" || fail "the wide line is not named: $err"
[ "$(table KorOdTempRed --csv | sed -n 3p)" = "40,+10" ] || fail "a refused curve changed it"

# What the file holds is quoted with its control characters escaped, so a NUL cannot cut the
# message; a count of one is said in the singular.
sed '1s/,600,/,6@0,/' "$WORK/before.csv" | tr @ '\000' >"$WORK/nul.csv"
err=$(table MapaCis --load "$WORK/nul.csv" 2>&1 >/dev/null)
grep -qF 'line 1, column 2: the header "6\00" is not a number. Nothing was written.' <<<"$err" ||
  fail "a NUL in a header: $err"
sed '5s/,.*$//' "$WORK/before.csv" >"$WORK/one.csv"
grep -qF "Line 5 has 1 field; every line has 17." <<<"$(table MapaCis --load "$WORK/one.csv" 2>&1)" ||
  fail "a line of one field"
printf '°C,%%\n-30,+17\n20\n100,-3\n' >"$WORK/lonely.csv"
grep -qF "line 3 has 1 field;" <<<"$(table KorOdTempRed --load "$WORK/lonely.csv" 2>&1)" ||
  fail "a node of one field"

table Boost 2>/dev/null; [ $? = 2 ] || fail "an unknown table is not usage"
stop_sim

"$CLI" table --port 1 MapaCis --csv --load x.csv 2>/dev/null; [ $? = 2 ] || fail "--csv and --load"
"$CLI" table --port 1 2>/dev/null; [ $? = 2 ] || fail "no name"

[ "$failures" = 0 ] && echo "all passed"
exit "$failures"
