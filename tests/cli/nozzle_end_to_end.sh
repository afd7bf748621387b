#!/usr/bin/env bash
# The nozzle size calculator through malver-cli: sizes worked out by hand, the Hana colour
# codes, inputs outside the window's lists refused, and the lists preselected from the settings
# of the simulated controller.
set -uo pipefail
CLI=$1
SIM=$2
source "$(dirname "$0")/common.sh"

check() {
  local expected=$1
  shift
  local out
  out=$("$CLI" nozzle "$@") || fail "$* exited $?"
  [ "$out" = "Nozzle diameter: $expected" ] || fail "$*: $out"
}
check "2.5 [mm]" --power 100 --cylinders 4 --pressure 1.00 --injector 3
check "2.4 [mm]" --power 100 --kw --cylinders 4 --pressure 1.00 --injector 12
check "2.6 [mm]" --power 100 --kw --cylinders 4 --pressure 1.00 --injector 12 --fuel 1
check "A green" --power 160 --cylinders 4 --pressure 0.90 --injector 8

"$CLI" nozzle --power 20 --cylinders 4 2>/dev/null; code=$?
[ $code = 7 ] || fail "20 HP exited $code"
"$CLI" nozzle --power 100 --cylinders 7 2>/dev/null; code=$?
[ $code = 7 ] || fail "7 cylinders exited $code"
"$CLI" nozzle --power 100 --cylinders 4 --pressure 1.45 2>/dev/null; code=$?
[ $code = 7 ] || fail "1.45 bar exited $code"
"$CLI" nozzle --power 100 --cylinders 4 --injector 0 2>/dev/null; code=$?
[ $code = 7 ] || fail "injector type 0 exited $code"
"$CLI" nozzle --cylinders 4 2>/dev/null; code=$?
[ $code = 2 ] || fail "no power exited $code"

# The simulated MALVER controller: 1.00 bar, LPG, sequential, Barracuda: (7.5 + 14) x 0.1 +
# 0.35 + 0.2.
start_sim --family 2
"$CLI" set --port "$PORT" 86 1.00 --tick 5 >/dev/null || fail "set 86 exited $?"
check "2.7 [mm]" --power 100 --cylinders 4 --port "$PORT" --tick 5
check "2.6 [mm]" --power 100 --cylinders 4 --port "$PORT" --tick 5 --pressure 1.20
stop_sim

[ $failures = 0 ] && echo "nozzle end to end: all passed"
exit $failures
