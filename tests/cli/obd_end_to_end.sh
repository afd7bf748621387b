#!/usr/bin/env bash
# malver-cli obd against malver-elm-sim: the protocol found on each kind of bus, live PIDs, the
# trouble codes read and cleared, and the exit codes of an adapter with no car behind it, of a
# silent or garbled adapter and of no port at all.
set -uo pipefail
CLI=$1
SIM=$2
source "$(dirname "$0")/common.sh"

for case in "6:ISO 15765-4 CAN (11 bit ID, 500 Kbaud):7E8h" "4:ISO 14230-4 KWP (5 baud init, 10.4 Kbaud):10h" \
  "9:ISO 15765-4 CAN (29 bit ID, 250 Kbaud):10h"; do
  IFS=: read -r number name ecu <<<"$case"
  start_sim --protocol "$number"
  info=$("$CLI" obd --port "$PORT" info --tick 5) || fail "protocol $number exited $?"
  grep -qxF "adapter:  ELM327 v1.5" <<<"$info" || fail "adapter: $info"
  grep -qxF "protocol: $number $name" <<<"$info" || fail "protocol $number: $info"
  grep -qxF "ECUs:     $ecu (engine $ecu)" <<<"$info" || fail "ECUs of $number: $info"
  grep -qE "^PIDs: +01 03 04 05 06 07 .* 20 21 40 41 60 68 7F$" <<<"$info" ||
    fail "PIDs of $number: $info"
  stop_sim
done

start_sim --protocol 6
pids=$("$CLI" obd --port "$PORT" pids --count 2 --tick 5) || fail "pids exited $?"
[ "$(grep -c . <<<"$pids")" -eq 6 ] || fail "two cycles of the three default PIDs: $pids"
grep -qxF "03 Fuel sys   CL" <<<"$pids" || fail "fuel system: $pids"
grep -qE "^06 SHRT FT1   -?[0-9]+\.[0-9] \[%\]$" <<<"$pids" || fail "short trim: $pids"
named=$("$CLI" obd --port "$PORT" pids 0C 05 --tick 5) || fail "named pids exited $?"
grep -qE "^0C RPM +[0-9.]+ \[rpm\]$" <<<"$named" || fail "rpm: $named"
grep -qE "^05 ETC +[0-9]+ \[°C\]$" <<<"$named" || fail "coolant: $named"
# Answers longer than a CAN frame: a first frame and one or two consecutive frames.
long=$("$CLI" obd --port "$PORT" pids 68 7F --count 2 --tick 5) || fail "multi-frame pids exited $?"
[ "$(grep -cE "^68 +0x[0-9A-F]{7,8}$" <<<"$long")" -eq 2 ] || fail "PID 68: $long"
[ "$(grep -cE "^7F +0x[0-9A-F]{13}$" <<<"$long")" -eq 2 ] || fail "PID 7F: $long"
# A refusal that says what is wrong says only that; a command line it cannot read gets the usage.
said=$("$CLI" obd --port "$PORT" pids 02 --tick 5 2>&1 >/dev/null)
[ $? -eq 2 ] || fail "an unsupported PID: not exit 2"
[ "$said" = "malver-cli: PID 02 is not supported by the vehicle" ] || fail "an unsupported PID: $said"

codes=$("$CLI" obd --port "$PORT" dtc --tick 5) || fail "dtc exited $?"
grep -qxF "P0133" <<<"$codes" || fail "stored P0133: $codes"
grep -qxF " O2 Sensor Circuit Slow Response (Bank 1 Sensor 1)" <<<"$codes" || fail "description: $codes"
grep -qxF "P0300" <<<"$codes" || fail "pending P0300: $codes"
said=$("$CLI" obd --port "$PORT" clear --tick 5 2>&1 >/dev/null)
[ $? -eq 2 ] || fail "clear without --yes: not exit 2"
[ "$(grep -c . <<<"$said")" -eq 1 ] || fail "clear without --yes: $said"
"$CLI" obd --port "$PORT" clear --yes --tick 5 | grep -qxF "trouble codes cleared" || fail "clear"
after=$("$CLI" obd --port "$PORT" dtc --tick 5) || fail "dtc after clearing exited $?"
# The permanent code stays until the ECU has seen the repair work.
[ "$(grep -c "^P" <<<"$after")" -eq 1 ] || fail "after clearing: $after"
stop_sim

# A car that refuses the clearing, or does not answer it, keeps its codes, and the command says
# so: never "cleared".
for refusal in "--refuse-clear:conditions not correct (negative response 22)" \
  "--ignore-clear:did not answer the clearing; it holds 3 stored trouble codes"; do
  IFS=: read -r flag reason <<<"$refusal"
  start_sim "$flag"
  out=$("$CLI" obd --port "$PORT" clear --yes --tick 5 2>"$WORK/said")
  [ $? -eq 7 ] || fail "$flag: not exit 7"
  grep -qF "$reason" "$WORK/said" || fail "$flag: $(cat "$WORK/said")"
  grep -qxF "trouble codes cleared" <<<"$out" && fail "$flag claims a clear: $out"
  grep -qxF "P0133" <<<"$out" || fail "$flag: the codes still stored are not listed: $out"
  codes=$("$CLI" obd --port "$PORT" dtc --tick 5) || fail "$flag: dtc exited $?"
  [ "$(grep -c "^P" <<<"$codes")" -eq 5 ] || fail "$flag: codes after the clearing: $codes"
  stop_sim
done

# The transmission answers too, its line standing between the engine's two frames; on 29-bit
# CAN its flag comes before the protocol's and must still hold.
for flags in "--two-ecus:7E8h 7E9h" "--two-ecus --protocol 7:10h 18h"; do
  IFS=: read -r options ecus <<<"$flags"
  # shellcheck disable=SC2086
  start_sim $options
  info=$("$CLI" obd --port "$PORT" info --tick 5) || fail "info of $options exited $?"
  grep -qxF "ECUs:     $ecus (engine ${ecus%% *})" <<<"$info" || fail "ECUs of $options: $info"
  both=$("$CLI" obd --port "$PORT" dtc --tick 5) || fail "dtc of $options exited $?"
  for code in P0133 P0234 P0171; do
    grep -qxF "$code" <<<"$both" || fail "$options, engine's $code: $both"
  done
  grep -qxF "U0101" <<<"$both" && fail "$options, the transmission's code listed: $both"
  stop_sim
done

start_sim --no-car
"$CLI" obd --port "$PORT" info --tick 5 >/dev/null 2>&1
[ $? -eq 9 ] || fail "no car: not exit 9"
stop_sim

start_sim --silent
"$CLI" obd --port "$PORT" info --tick 5 --timeout 2000 >/dev/null 2>&1
[ $? -eq 4 ] || fail "silent adapter: not exit 4"
stop_sim

# Without a time limit of their own these give up once the adapter has been tried, not at the
# command's bound, which gives another message.
for kind in silent garbage; do
  start_sim --"$kind"
  said=$("$CLI" obd --port "$PORT" info --tick 5 2>&1 >/dev/null)
  [ $? -eq 4 ] || fail "$kind adapter: not exit 4"
  grep -qF "does not answer as an ELM327 adapter" <<<"$said" || fail "$kind adapter: $said"
  stop_sim
done

"$CLI" obd --port "$WORK/none" info >/dev/null 2>&1
[ $? -eq 3 ] || fail "no port: not exit 3"

said=$("$CLI" obd info 2>&1 >/dev/null)
[ $? -eq 2 ] || fail "no --port: not exit 2"
grep -q "^usage: " <<<"$said" || fail "no --port: no usage: $said"

exit $((failures > 0))
