#!/usr/bin/env bash
# The learned maps and the multiplier through malver-cli against malver-sim: read from the
# controller, from a settings file saved from it, as tables and as comma-separated values.
set -uo pipefail
CLI=$1
SIM=$2
source "$(dirname "$0")/common.sh"

# The simulated MALVER has learned 2.0 ms at the lowest load and RPM, 0.1 ms more a column and
# 0.4 ms more a row; gas runs 0.2 ms longer. Its multiplier falls from x1.10 to x0.98.
start_sim --family 2
petrol=$("$CLI" map --port "$PORT" --kind petrol) || fail "petrol map exited $?"
grep -qE '^bar\\rpm +600 +900 +1200 .* 6000$' <<<"$petrol" || fail "RPM header: $petrol"
grep -qE '^ +0\.25 +2\.0 +2\.1 +2\.2 .* 3\.1$' <<<"$petrol" || fail "lowest load row: $petrol"
grep -qE '^ +1\.00$' <<<"$petrol" || fail "a row without data: $petrol"
[ "$(head -2 <<<"$petrol" | tail -1 | tr -s ' ')" = " 1.00" ] || fail "highest load first: $petrol"
deviation=$("$CLI" map --port "$PORT" --kind deviation --csv) || fail "deviation exited $?"
grep -qxF '0.25,-0.2,-0.2,-0.2,-0.2,-0.2,-0.2,-0.2,-0.2,-0.2,-0.2,-0.2,-0.2,,,,' <<<"$deviation" ||
  fail "deviation as CSV: $deviation"
nodes=$("$CLI" map --port "$PORT" --kind multiplier) || fail "multiplier exited $?"
grep -qE '^ +0 +0\.0 +1\.10$' <<<"$nodes" || fail "node 0: $nodes"
grep -qE '^ +25 +20\.0 +0\.98$' <<<"$nodes" || fail "the end node: $nodes"
all=$("$CLI" map --port "$PORT") || fail "all of it exited $?"
for title in "petrol [ms]" "gas [ms]" "deviation, petrol - gas [ms]" "multiplier"; do
  grep -qxF "$title" <<<"$all" || fail "no section $title"
done
"$CLI" save --port "$PORT" --out "$WORK/golf.set" >/dev/null || fail "save exited $?"
stop_sim

# The same from the settings file, without a controller.
fromFile=$("$CLI" map --file "$WORK/golf.set" --kind petrol 2>/dev/null) || fail "--file exited $?"
[ "$fromFile" = "$petrol" ] || fail "the file's map differs: $fromFile"

# The KAVI's time axis ends at 8 ms.
start_sim --family 255
nodes=$("$CLI" map --port "$PORT" --kind multiplier --csv) || fail "KAVI multiplier exited $?"
grep -qxF '25,8.0,1.05' <<<"$nodes" || fail "KAVI end node: $nodes"
stop_sim

"$CLI" map --port 1 --kind boost 2>/dev/null; [ $? = 2 ] || fail "an unknown kind is not usage"
"$CLI" settings --file "$WORK/golf.set" --csv 2>/dev/null; [ $? = 2 ] || fail "--csv elsewhere"
"$CLI" map --port 1 --file "$WORK/golf.set" 2>/dev/null; [ $? = 2 ] || fail "port and file both"
"$CLI" map --file "$WORK/missing.set" 2>/dev/null; [ $? = 6 ] || fail "a missing file"

[ "$failures" = 0 ] && echo "all passed"
exit "$failures"
