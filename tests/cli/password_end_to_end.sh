#!/usr/bin/env bash
# The password lock and the service window's data through malver-cli against malver-sim: the
# workstation's record saved, the controller's password set, presented, cleared and erased;
# the statistics, the service reminder and the change history.
set -uo pipefail
CLI=$1
SIM=$2
source "$(dirname "$0")/common.sh"

# This workstation keeps its record in the documents folder of a home of the test's own;
# another workstation has none.
export HOME=$WORK/home
unset XDG_CONFIG_HOME
RECORD="$HOME/Documents/VESK/Malver II/password.bin"
mkdir -p "$(dirname "$RECORD")" "$WORK/other/Documents/VESK/Malver II"
other() { HOME=$WORK/other "$CLI" "$@"; }
status_of() { grep -E "^status:" <<<"$1"; }

# The record alone: 512 bytes; 128 characters refused, an unwritable file named.
"$CLI" password --save Workshop --out "$WORK/a.bin" >/dev/null || fail "save exited $?"
[ "$(stat -c %s "$WORK/a.bin")" = 512 ] || fail "the record is not 512 bytes"
long=$(printf 'x%.0s' {1..128})
"$CLI" password --save "$long" --out "$WORK/b.bin" 2>/dev/null; code=$?
[ $code = 7 ] || fail "128 characters exited $code"
[ -e "$WORK/b.bin" ] && fail "a refused password wrote a file"
"$CLI" password --save "${long:1}" --out "$WORK/b.bin" >/dev/null || fail "127 characters refused"
err=$("$CLI" password --save x --out "$WORK/no/such.bin" 2>&1); code=$?
[ $code = 6 ] || fail "an unwritable record exited $code"
grep -qF "File write error (161)" <<<"$err" || fail "unwritable: $err"

# Set, presented by this workstation only, then cleared.
start_sim --family 5
"$CLI" password --port "$PORT" clear 2>/dev/null; code=$?
[ $code = 2 ] || fail "clear without --yes exited $code"
out=$("$CLI" password --port "$PORT" set Workshop --yes --tick 5) || fail "set exited $?"
[ "$out" = "password set" ] || fail "set: $out"
cmp -s "$RECORD" "$WORK/a.bin" || fail "the workstation's record is not the password's"
out=$("$CLI" identify --port "$PORT" --tick 5) || fail "identify exited $?"
grep -qE "^status: +0 normal$" <<<"$out" || fail "this workstation: $(status_of "$out")"
out=$(other identify --port "$PORT" --tick 5 2>/dev/null)
grep -qE "^status: +2 password protected$" <<<"$out" || fail "other: $(status_of "$out")"
other password --port "$PORT" clear --yes --tick 5 2>/dev/null; code=$?
[ $code = 5 ] || fail "another workstation's clear exited $code"
other password --port "$PORT" set Other --yes --tick 5 2>/dev/null; code=$?
[ $code = 5 ] || fail "another workstation's set exited $code"
[ -e "$WORK/other/Documents/VESK/Malver II/password.bin" ] && fail "a refused set kept a record"
out=$("$CLI" service --port "$PORT" --tick 5) || fail "service exited $?"
grep -qE "^  The driver password protected +yes$" <<<"$out" || fail "service, locked: $out"
out=$("$CLI" password --port "$PORT" clear --yes --tick 5) || fail "clear exited $?"
[ "$out" = "password cleared" ] || fail "clear: $out"
out=$(other identify --port "$PORT" --tick 5)
grep -qE "^status: +0 normal$" <<<"$out" || fail "after clear: $(status_of "$out")"
stop_sim

# A controller that never acknowledges the new password keeps the old one, and so does the
# workstation's record, which still opens it.
start_sim --family 5 --silent-after 1
"$CLI" password --port "$PORT" set Another --yes --tick 5 --timeout 5000 2>/dev/null; code=$?
[ $code = 4 ] || fail "set to a silent controller exited $code"
cmp -s "$RECORD" "$WORK/a.bin" || fail "an unacknowledged set changed the workstation's record"
stop_sim

# A first password on a new account makes the data folder it is kept in.
start_sim --family 5
HOME=$WORK/new "$CLI" password --port "$PORT" set Workshop --yes --tick 5 >/dev/null ||
  fail "set on a new account exited $?"
cmp -s "$WORK/new/Documents/VESK/Malver II/password.bin" "$WORK/a.bin" ||
  fail "a new account's record"
stop_sim

# A password no workstation here holds: only the administrator's erase removes it.
start_sim --family 255 --password
out=$("$CLI" identify --port "$PORT" --tick 5 2>/dev/null)
grep -qE "^status: +2 password protected$" <<<"$out" || fail "locked: $(status_of "$out")"
out=$("$CLI" password --port "$PORT" erase --yes --tick 5) || fail "erase exited $?"
[ "$out" = "password erased" ] || fail "erase: $out"
out=$("$CLI" identify --port "$PORT" --tick 5)
grep -qE "^status: +0 normal$" <<<"$out" || fail "after erase: $(status_of "$out")"
stop_sim

# Firmware without the lock.
start_sim --family 2 --firmware 6
err=$("$CLI" password --port "$PORT" set Workshop --yes --tick 5 2>&1); code=$?
[ $code = 7 ] || fail "firmware 6 exited $code"
grep -qF "firmware version 6 has no password lock" <<<"$err" || fail "firmware 6: $err"
stop_sim

# The service window's data as the simulated controller reports it.
start_sim --family 2
out=$("$CLI" service --port "$PORT" --tick 5) || fail "service exited $?"
for line in "^Statistics$" "^  Work on petrol +215:30:05$" "^  Work on GAS +1234:39:05$" \
  "^  Current user ID +[0-9A-F]{4}-[0-9A-F]{4}$" "^  Emergency start counter +3$" \
  "^Service control$" "^  Service reminder +(on|off)$" "^  Next service +[0-9]+:00:00$" \
  "^  Remaining time +[0-9]+:00:00$" "^  Blockade gas +(on|off)$" \
  "^  The driver password protected +no$" "^Change history$" \
  "^  Date +Firmware +Restore +Errors +Settings +User$" \
  "^  2024\.05\.17 +v +1234-ABCD$"; do
  grep -qE "$line" <<<"$out" || fail "service lacks /$line/: $out"
done
stop_sim

[ "$failures" = 0 ] && echo "all passed"
exit "$failures"
