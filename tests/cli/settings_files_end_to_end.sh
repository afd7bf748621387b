#!/usr/bin/env bash
# Settings files through malver-cli against malver-sim: saved, inspected, refused when broken,
# and loaded back into a controller of the family.
set -uo pipefail
CLI=$1
SIM=$2
source "$(dirname "$0")/common.sh"

# Settings files: saved from one controller, changed, loaded into another of the same family,
# and saved from that one again.
byte_at() { od -An -tu1 -j "$2" -N1 "$1" | tr -d ' '; }
put_byte() { printf "$(printf '\\%03o' "$3")" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none; }
start_sim --family 2
"$CLI" save --port "$PORT" --out "$WORK/saved.set" >/dev/null || fail "save exited $?"
[ "$(stat -c %s "$WORK/saved.set" 2>/dev/null)" = 6144 ] || fail "settings file size"
stop_sim
cp "$WORK/saved.set" "$WORK/changed.set"
# Setting 3 (file byte 16 + 496 + 3) becomes 100, its page's checksum (byte 0) follows; and one
# entry of the first multiplier.
old=$(byte_at "$WORK/changed.set" 515)
sum=$(byte_at "$WORK/changed.set" 512)
put_byte "$WORK/changed.set" 515 100
put_byte "$WORK/changed.set" 512 $(((sum + old - 100) & 255))
put_byte "$WORK/changed.set" $((16 + 752 + 40)) 123
settings=$("$CLI" settings --file "$WORK/changed.set") || fail "settings --file exited $?"
grep -qE '^  3  RPM detection treshold +6.00 \[V\]$' <<<"$settings" || fail "settings --file: $settings"
start_sim --family 2
out=$("$CLI" load --port "$PORT" "$WORK/changed.set" --yes --timeout 60000 2>&1) || fail "load exited $?"
grep -q '^written and read back equal: Nastawy (page 0), Mnoznik1, ' <<<"$out" || fail "load: $out"
"$CLI" save --port "$PORT" --out "$WORK/again.set" >/dev/null || fail "saving again exited $?"
stop_sim
# All the same but the change history (file bytes 256..511), where the write left its entry.
without_history() { head -c 256 "$1"; tail -c +513 "$1"; }
cmp -s <(without_history "$WORK/changed.set") <(without_history "$WORK/again.set") ||
  fail "the controller did not keep what was loaded"
cmp -s "$WORK/changed.set" "$WORK/again.set" && fail "the write left no history entry"

# A controller that learns while the file goes in: the map cells it reports learning meanwhile
# are its own news, named, and the load succeeds.
start_sim --family 2 --learn-every 3
out=$("$CLI" load --port "$PORT" "$WORK/changed.set" --yes --tick 5 --timeout 60000 2>&1) ||
  fail "load into a learning controller exited $?"
grep -qE '^learned by the controller meanwhile, its own and not a lost write: MapaEcu(Ben|Gaz) RPM column 0 load row 0' \
  <<<"$out" || fail "no learned cells named: $out"
grep -q '^written and read back equal: Nastawy (page 0), ' <<<"$out" || fail "learning: $out"
stop_sim

start_sim --family 8
err=$("$CLI" load --port "$PORT" "$WORK/saved.set" --yes 2>&1); code=$?
[ $code = 7 ] || fail "loading another family's file exited $code"
grep -qF "Closing the communication port (various types of devices)." <<<"$err" || fail "$err"
grep -qF "a settings file of family 2 does not fit a controller of family 8" <<<"$err" ||
  fail "family message: $err"
"$CLI" save --port "$PORT" --out "$WORK/emulator.set" >/dev/null || fail "emulator save exited $?"
"$CLI" read --port "$PORT" --out "$WORK/image.bin" >/dev/null || fail "emulator read exited $?"
out=$("$CLI" load --port "$PORT" "$WORK/emulator.set" 2>/dev/null); code=$?
[ $code = 0 ] || fail "load answered No exited $code"
grep -q '^nothing written' <<<"$out" || fail "load answered No: $out"
stop_sim

out=$("$CLI" inspect "$WORK/saved.set") || fail "inspect exited $?"
for line in "kind:      settings file" "level:     3" "name:      MALVER rumo" "family:    2" \
  "injectors: 4"; do
  grep -qxF "$line" <<<"$out" || fail "inspect of a settings file, $line: $out"
done
grep -q '^carries:   Nastawy (page 0), Mnoznik1, ' <<<"$out" || fail "inspect areas: $out"
out=$("$CLI" inspect "$WORK/image.bin") || fail "inspect of an image exited $?"
grep -qxF "kind:      controller image" <<<"$out" || fail "inspect of an image: $out"
grep -qxF "name:      MIRVANE v2.0" <<<"$out" || fail "inspect of an image: $out"
head -c 5000 "$WORK/saved.set" >"$WORK/short.set"
err=$("$CLI" inspect "$WORK/short.set" 2>&1); code=$?
[ $code = 6 ] || fail "inspect of a short file exited $code"
grep -qF "short.set: 5000 bytes, where a level-3 settings file has 6144 bytes" <<<"$err" ||
  fail "short file: $err"
yes noise | head -c 1048576 >"$WORK/noise.set"
err=$("$CLI" inspect "$WORK/noise.set" 2>&1); code=$?
[ $code = 6 ] || fail "inspect of noise exited $code"
grep -qF 'noise.set: does not begin with "set file"' <<<"$err" || fail "noise: $err"
"$CLI" settings --file "$WORK/short.set" 2>/dev/null; [ $? = 6 ] || fail "settings of a short file"
"$CLI" load --port 1000 "$WORK/noise.set" 2>/dev/null; [ $? = 6 ] || fail "load of noise"
"$CLI" load "$WORK/saved.set" 2>/dev/null; [ $? = 2 ] || fail "load without a port"

[ "$failures" = 0 ] && echo "all passed"
exit "$failures"
