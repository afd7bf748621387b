#!/usr/bin/env bash
# Files through malver-cli: an output that is not a plain file refused and left as it was, a link
# planted at a temporary name never followed, a large file of another kind refused by its size
# and first bytes without being read, one wording for what cannot be read, names shown with
# their control characters escaped, a long recording exported in little memory, and a time bound
# that ends a read-out said as such.
set -uo pipefail
CLI=$1
SIM=$2
source "$(dirname "$0")/common.sh"

mkfifo "$WORK/pipe"
mkdir "$WORK/folder"
# About 100 MB of address space: twice what the long recording below takes, less than it and
# its CSV together. A sanitized build reserves terabytes up front and runs unbounded.
MEMORY=100000
grep -q __asan_init "$CLI" && MEMORY=unlimited

start_sim --family 255
"$CLI" record --port "$PORT" --seconds 2 --out "$WORK/drive.osc" >/dev/null || fail "record exited $?"
"$CLI" record --port "$PORT" --seconds 1 --out "$WORK/pipe" >/dev/null 2>&1
[ $? = 6 ] || fail "a recording into a pipe is not refused"
[ -p "$WORK/pipe" ] || fail "the recording replaced the pipe"
stop_sim

# Outputs that are not plain files: refused, and still what they were.
for out in /dev/full /dev/null "$WORK/pipe" "$WORK/folder"; do
  err=$("$CLI" csv "$WORK/drive.osc" --out "$out" 2>&1); code=$?
  [ $code = 6 ] || fail "csv --out $out exited $code"
  cause="is not a file"
  [ "$out" = "$WORK/folder" ] && cause="is a folder, not a file"
  grep -qxF "malver-cli: cannot write $out: $cause" <<<"$err" || fail "csv --out $out: $err"
done
[ -c /dev/full ] && [ -c /dev/null ] || fail "a device was replaced"
[ -p "$WORK/pipe" ] && [ -d "$WORK/folder" ] || fail "the pipe or the folder was replaced"

# A link at the name the program once wrote its temporary file under is never followed; a link
# given as the output stays a link to the file it names, which gets the CSV.
echo victim >"$WORK/victim"
ln -s "$WORK/victim" "$WORK/out.csv.tmp"
"$CLI" csv "$WORK/drive.osc" --out "$WORK/out.csv" >/dev/null || fail "csv beside a link exited $?"
[ "$(cat "$WORK/victim")" = victim ] || fail "the link at out.csv.tmp was followed"
head -1 "$WORK/out.csv" | grep -q '^sec;' || fail "out.csv: $(head -1 "$WORK/out.csv")"
ln -s out.csv "$WORK/link.csv"
"$CLI" csv "$WORK/drive.osc" --out "$WORK/link.csv" --decimal-sep , >/dev/null ||
  fail "csv to a link exited $?"
[ -L "$WORK/link.csv" ] || fail "the link was replaced by a file"
sed -n 3p "$WORK/out.csv" | grep -q '^0,1;' || fail "the file the link names: $(sed -n 3p "$WORK/out.csv")"
leftovers=$(find "$WORK" -name '.*' -newer "$WORK/drive.osc")
[ -z "$leftovers" ] || fail "temporary files left behind: $leftovers"

# What cannot be read is told in the same words by every reader.
for file in "$WORK/pipe" /dev/zero "$WORK/folder"; do
  cause="is not a file"
  [ "$file" = "$WORK/folder" ] && cause="is a folder, not a file"
  for command in "inspect $file" "firmware --check $file" "settings --file $file" \
    "csv $file --out $WORK/x.csv"; do
    err=$("$CLI" $command 2>&1); code=$?
    [ $code = 6 ] || fail "$command exited $code"
    grep -qxF "malver-cli: cannot read $file: $cause" <<<"$err" || fail "$command: $err"
  done
done

# Two gigabytes of zeros are refused by their size or their first bytes, never read: the
# command runs in far less memory than the file.
for kind in set osc img bin; do truncate -s 2G "$WORK/zeros.$kind"; done
refused() {  # expected message part, command...
  local expected=$1
  shift
  err=$(ulimit -v $MEMORY && "$CLI" "$@" 2>&1); code=$?
  [ $code = 6 ] || fail "$* exited $code: $err"
  grep -qF "$expected" <<<"$err" || fail "$*: $err"
}
refused 'zeros.set: does not begin with "set file"' settings --file "$WORK/zeros.set"
refused 'zeros.set: does not begin with "set file"' inspect "$WORK/zeros.set"
printf 'set file\003' >"$WORK/long.set"
truncate -s 2G "$WORK/long.set"
refused "long.set: 2147483648 bytes, more than a settings file has (6144 bytes)" \
  settings --file "$WORK/long.set"
refused "long.set: 2147483648 bytes, more than a settings file has (6144 bytes)" \
  inspect "$WORK/long.set"
refused "zeros.osc: not a scope recording" inspect "$WORK/zeros.osc"
refused "zeros.osc: not a scope recording" csv "$WORK/zeros.osc" --out "$WORK/x.csv"
refused "larger than a firmware image can be" firmware --check "$WORK/zeros.img"
refused "zeros.bin: 2147483648 bytes, neither a settings file" inspect "$WORK/zeros.bin"
rm -f "$WORK"/zeros.* "$WORK/long.set"

# A newline in a name is shown escaped, and the message stays one line.
err=$("$CLI" inspect "$WORK/car"$'\n'"two.set" 2>&1)
[ "$err" = "malver-cli: cannot read $WORK/car\\ntwo.set: No such file or directory" ] ||
  fail "newline in a name: $err"
out=$("$CLI" csv "$WORK/drive.osc" --out "$WORK/a"$'\n'"b.csv") || fail "csv to a newline exited $?"
[ "$out" = "exported $(($(wc -l <"$WORK/out.csv") - 1)) records to $WORK/a\\nb.csv" ] ||
  fail "exported to a newline: $out"

# The decimal separator is one printable mark that leaves the numbers readable.
for separator in $'\n' ';' ',,' 5 - x ' ' ''; do
  err=$("$CLI" csv "$WORK/drive.osc" --out "$WORK/x.csv" --decimal-sep "$separator" 2>&1); code=$?
  [ $code = 2 ] || fail "decimal separator \"$separator\" exited $code"
  grep -qF -- "--decimal-sep takes one printable mark" <<<"$err" || fail "separator: $err"
done
[ "$(grep -c . <<<"$("$CLI" csv "$WORK/drive.osc" --out "$WORK/x.csv" --decimal-sep $'\n' 2>&1)")" = 1 ] ||
  fail "a newline as separator splits the message"

# Ten hours of records: their CSV is larger than the memory the export may take.
head -c 6144 "$WORK/drive.osc" >"$WORK/long.osc"
tail -c +6145 "$WORK/drive.osc" | head -c 2560 >"$WORK/records"
for _ in $(seq 15); do cat "$WORK/records" "$WORK/records" >"$WORK/twice" && mv "$WORK/twice" "$WORK/records"; done
head -c $((360000 * 128)) "$WORK/records" >>"$WORK/long.osc"
rm "$WORK/records"
out=$(ulimit -v $MEMORY && "$CLI" csv "$WORK/long.osc" --out "$WORK/long.csv") ||
  fail "the long export exited $?"
[ "$out" = "exported 360000 records to $WORK/long.csv" ] || fail "long export: $out"
[ "$(wc -l <"$WORK/long.csv")" = 360001 ] || fail "long CSV lines"
[ "$(stat -c %s "$WORK/long.csv")" -gt 55000000 ] || fail "the long CSV is smaller than the test needs"

# A time bound that ends a read-out while the controller answers says so, and how far it got.
start_sim --family 255 --area-reads 5
err=$("$CLI" read --port "$PORT" --out "$WORK/part.bin" --tick 5 --timeout 3000 2>&1); code=$?
[ $code = 4 ] || fail "a read-out out of time exited $code"
grep -qE "^malver-cli: the time bound ran out: not done within 3000 ms, with the controller answering; [0-5] of 23 areas read \(not yet: .*MapaEcuBen" <<<"$err" ||
  fail "out of time: $err"
[ ! -e "$WORK/part.bin" ] || fail "a part read-out was saved"
stop_sim

exit $failures
