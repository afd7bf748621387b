#!/usr/bin/env bash
# malver-cli firmware against malver-sim: the checks of image files, a whole update over a line
# that loses and repeats acknowledgements, updates past block 256 acknowledged without the
# blocks' numbers, an update of a locked controller, the update's entry in the change history,
# and an update cut off in the middle, after which the controller waits in its bootloader until
# the update is run again.
set -uo pipefail
CLI=$1
SIM=$2
MAKE_IMAGE=$3
source "$(dirname "$0")/common.sh"
# Faster than the link's own pace, yet slow enough that a simulator held up by a busy machine
# does not fall a kilobyte of replies behind during the read-out after an update.
FAST=(--tick 10)
# This workstation, with no password record, in a home of the test's own.
export HOME=$WORK/home
unset XDG_CONFIG_HOME
mkdir -p "$HOME/Documents"

"$MAKE_IMAGE" --family 2 --flash-mode 3 --version 18 "$WORK/v18.img" || fail "make image exited $?"
out=$("$CLI" firmware --check "$WORK/v18.img") || fail "check exited $?"
grep -qx "verdict:     ok" <<<"$out" || fail "check verdict: $out"
grep -qx "blocks:      20" <<<"$out" || fail "check blocks: $out"
grep -qx "version:     18" <<<"$out" || fail "check version: $out"
grep -qx "file:        $WORK/v18.img (5376 bytes)" <<<"$out" || fail "check size: $out"

head -c 3000 "$WORK/v18.img" >"$WORK/short.img"
err=$("$CLI" firmware --check "$WORK/short.img" 2>&1); code=$?
[ $code = 6 ] || fail "a short image exited $code"
grep -qF "shorter than its header and 20 blocks (5376 bytes)" <<<"$err" || fail "short: $err"
head -c 131072 /dev/zero >"$WORK/big.img"
err=$("$CLI" firmware --check "$WORK/big.img" 2>&1); code=$?
[ $code = 6 ] || fail "an oversized image exited $code"
grep -qF "larger than a firmware image can be" <<<"$err" || fail "oversized: $err"
"$CLI" firmware --check "$WORK/none.img" 2>/dev/null; [ $? = 6 ] || fail "a missing image"

"$MAKE_IMAGE" --family 5 --flash-mode 3 "$WORK/fortix.img" || fail "make image exited $?"
start_sim --family 2 --flash-mode 3 --drop-ack-at 3 --duplicate-ack-at 7
err=$("$CLI" firmware --check "$WORK/fortix.img" --port "$PORT" 2>&1); code=$?
[ $code = 7 ] || fail "another controller's image exited $code"
grep -qF "made for another controller" <<<"$err" || fail "another controller: $err"
"$CLI" firmware --port "$PORT" "$WORK/v18.img" 2>/dev/null; [ $? = 2 ] || fail "update without --yes"
out=$("$CLI" firmware --port "$PORT" "$WORK/v18.img" --yes "${FAST[@]}") || fail "update exited $?"
grep -qx "progress: 5%" <<<"$out" || fail "first progress: $out"
grep -qx "progress: 100%" <<<"$out" || fail "last progress: $out"
grep -q "^version: 18 " <<<"$out" || fail "new version: $out"
out=$("$CLI" identify --port "$PORT") || fail "identify after the update exited $?"
grep -q "^version:  18 " <<<"$out" || fail "identify after the update: $out"
# The history holds the entry the firmware window leaves: today, firmware, this workstation.
out=$("$CLI" service --port "$PORT" "${FAST[@]}") || fail "service after the update exited $?"
user=$(sed -n 's/^  Current user ID *//p' <<<"$out")
grep -qE "^  $(date +%Y.%m.%d) +v +$user\$" <<<"$out" || fail "history after the update: $out"
stop_sim

# Bootloaders that acknowledge a block without its whole number: two zero bytes, or its low
# byte only, past block 256 (a mode-2 image of 480 blocks, a mode-4 image of 320).
for case in "2 0 zeros" "2 0 low-byte" "4 20 low-byte" "4 20 empty"; do
  read -r mode by16 layout <<<"$case"
  "$MAKE_IMAGE" --family 2 --flash-mode "$mode" --blocks16 "$by16" "$WORK/mode$mode.img" ||
    fail "make image exited $?"
  start_sim --family 2 --flash-mode "$mode" --ack-layout "$layout"
  out=$("$CLI" firmware --port "$PORT" "$WORK/mode$mode.img" --yes "${FAST[@]}") ||
    fail "mode $mode, $layout acknowledgements: exited $?"
  grep -q "^version: 18 " <<<"$out" || fail "mode $mode, $layout acknowledgements: $out"
  stop_sim
done

# A controller locked by a password this workstation does not hold: the update is done once it
# identifies, still locked, with the new version.
start_sim --family 2 --flash-mode 3 --password
out=$("$CLI" firmware --port "$PORT" "$WORK/v18.img" --yes "${FAST[@]}" 2>/dev/null) ||
  fail "the update of a locked controller exited $?"
grep -q "^version: 18 " <<<"$out" || fail "locked controller's version: $out"
out=$("$CLI" identify --port "$PORT" "${FAST[@]}" 2>/dev/null)
grep -qx "status:   2 password protected" <<<"$out" || fail "locked after the update: $out"
stop_sim

# The cable pulled at block 5: the upload stops, and the controller, powered up again, waits in
# its bootloader, says so, and takes the update run again from the start.
start_sim --family 2 --flash-mode 3 --cut-at-block 5
err=$(timeout 30 "$CLI" firmware --port "$PORT" "$WORK/v18.img" --yes "${FAST[@]}" 2>&1 >/dev/null)
code=$?
[ $code = 4 ] || fail "a cut upload exited $code"
grep -qF "at block 5 of 20; the controller waits in its bootloader: run the update again" \
  <<<"$err" || fail "cut message: $err"
stop_sim
start_sim --family 2 --flash-mode 3 --bootloader
out=$("$CLI" identify --port "$PORT" 2>"$WORK/identify.err") || fail "identify in the bootloader"
grep -qx "status:   1 bootloader (controller software damaged)" <<<"$out" || fail "status: $out"
grep -qF "the last firmware update did not finish" "$WORK/identify.err" ||
  fail "bootloader message: $(cat "$WORK/identify.err")"
out=$("$CLI" firmware --port "$PORT" "$WORK/v18.img" --yes "${FAST[@]}") || fail "retry exited $?"
grep -q "^version: 18 " <<<"$out" || fail "retry version: $out"
stop_sim

# A controller that does not go to its bootloader acknowledges no block: after 5 seconds the
# update is given up and the controller brought back, as the firmware window does.
start_sim --family 2 --flash-mode 3 --ignore-jump
err=$(timeout 30 "$CLI" firmware --port "$PORT" "$WORK/v18.img" --yes "${FAST[@]}" 2>&1 >/dev/null)
code=$?
[ $code = 4 ] || fail "an update without acknowledgements exited $code"
grep -qF "Error while firmware uploading (no acknowledgement for 5 s) at block 0 of 20: run" \
  <<<"$err" || fail "watchdog message: $err"
out=$("$CLI" identify --port "$PORT") || fail "identify after the watchdog exited $?"
grep -qx "status:   0 normal" <<<"$out" || fail "after the watchdog: $out"
stop_sim

[ "$failures" = 0 ] && echo "all passed"
exit "$failures"
