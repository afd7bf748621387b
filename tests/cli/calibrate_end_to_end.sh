#!/usr/bin/env bash
# malver-cli calibrate against malver-sim: whole runs of both families, an engine that stalls
# and a line that falls silent for a while in the middle of a run. The link is paced at 10 ms a
# tick: the simulator answers at once.
set -uo pipefail
CLI=$1
SIM=$2
source "$(dirname "$0")/common.sh"

calibrate() {  # options of malver-cli calibrate; sets out, err and code
  out=$("$CLI" calibrate --port "$PORT" --tick 10 --timeout 240000 "$@" 2>"$WORK/err"); code=$?
  err=$(cat "$WORK/err")
}

# The settings page and multipliers as the controller holds them: the image's bytes 2011..3034.
calibrated_areas() {
  "$CLI" read --port "$PORT" --tick 10 --out "$WORK/image.bin" >/dev/null || fail "read exited $?"
  od -An -tu1 -j 2011 -N 1024 -v "$WORK/image.bin" | tr -s ' \n' ' '
}

for family in 2 255; do
  start_sim --family "$family"
  calibrate --yes
  [ $code = 0 ] || fail "family $family exited $code: $err"
  grep -qx "state 0: start" <<<"$out" || fail "family $family: no start: $out"
  grep -qx "state 176: fine tuning" <<<"$out" || fail "family $family: no fine pass: $out"
  grep -qx "state 254: finished" <<<"$out" || fail "family $family: not finished: $out"
  grep -qx "progress 80 %" <<<"$out" || fail "family $family: no progress: $out"
  grep -qx "calibration finished: Nastawy (page 0), Mnoznik1, Mnoznik2 written and read back" \
    <<<"$out" || fail "family $family: no confirmation: $out"
  grep -qx "MALVER: Do you want to delete multiplier ? Yes" <<<"$err" ||
    fail "family $family: the question was not answered Yes: $err"
  stop_sim
done

# Without --yes the multiplier stays and the run still finishes.
start_sim --family 5
calibrate
[ $code = 0 ] || fail "without --yes exited $code: $err"
grep -qx "MALVER: Do you want to delete multiplier ? No" <<<"$err" || fail "No: $err"
stop_sim

# The engine stalls halfway: aborted, and the controller keeps what it had before.
start_sim --family 2 --stall-after 250
before=$(calibrated_areas)
calibrate --yes
[ $code = 7 ] || fail "a stall exited $code: $err"
grep -qx "state 255: aborted" <<<"$out" || fail "stall: $out"
grep -qxF "malver-cli: Autocalibration aborted: The settings and multipliers from before the calibration were restored." \
  <<<"$err" || fail "stall message: $err"
[ "$(calibrated_areas)" = "$before" ] || fail "the stalled run left its values behind"
stop_sim

# Silent for a while halfway: the link is opened again and the values go back.
start_sim --family 2 --silent-after 300 --silent-for 40
before=$(calibrated_areas)
calibrate --yes
[ $code = 4 ] || fail "a silence exited $code: $err"
grep -qF "MALVER: The controller is connected again: the settings and multipliers from before the interrupted calibration were restored." \
  <<<"$err" || fail "reconnection message: $err"
grep -qF "malver-cli: Autocalibration aborted: " <<<"$err" || fail "silence message: $err"
[ "$(calibrated_areas)" = "$before" ] || fail "the silent run left its values behind"
stop_sim

# A rail-pressure emulator has nothing to calibrate.
start_sim --family 8
calibrate
[ $code = 7 ] || fail "an emulator exited $code"
stop_sim

[ "$failures" = 0 ] && echo "all passed"
exit "$failures"
