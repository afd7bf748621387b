#!/usr/bin/env bash
# packaging/check-package.sh MALVER.deb: the package as a clean machine meets it. lintian finds
# no error; the control file depends on run-time packages only; and from the unpacked tree each
# program answers --version, malver-cli identifies the installed simulated controller, and the
# desktop program starts (offscreen) and finds the demonstration recordings it installed.
set -uo pipefail
deb=$(realpath "$1")
root=$(mktemp -d)
sim_pid=
trap 'rm -rf "$root"; [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

lintian --fail-on error "$deb" || fail "lintian reports errors"

depends=$(dpkg-deb -f "$deb" Depends)
grep -q 'libqt6widgets6' <<<"$depends" || fail "no Qt run-time library among: $depends"
grep -qE -- '-dev( |,|$)' <<<"$depends" && fail "a build package among: $depends"

dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x"
for f in usr/share/applications/malver.desktop usr/share/metainfo/malver.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/malver.svg usr/share/icons/hicolor/48x48/apps/malver.png \
  usr/lib/udev/rules.d/60-malver.rules usr/share/man/man1/malver-cli.1.gz \
  usr/share/malver/Firmware/family2-v18.img usr/share/doc/malver/copyright; do
  [ -s "$root/$f" ] || fail "the package lacks /$f"
done
grep -qx 'Exec=malver %f' "$root/usr/share/applications/malver.desktop" ||
  fail "the menu entry does not start malver"

bin=$root/usr/bin
version=$(dpkg-deb -f "$deb" Version)
for program in malver malver-cli malver-sim malver-elm-sim malver-make-image; do
  out=$(QT_QPA_PLATFORM=offscreen "$bin/$program" --version) || fail "$program --version exited $?"
  [ "$out" = "$program $version" ] || fail "$program --version: $out"
done

coproc SIM { exec "$bin/malver-sim" --family 6; }
sim_pid=$SIM_PID
if read -r port _ <&"${SIM[0]}"; then
  out=$("$bin/malver-cli" identify --port "$port") || fail "malver-cli identify exited $?"
  grep -qx 'family:   6' <<<"$out" || fail "the installed simulated controller: $out"
else
  fail "malver-sim printed no port"
fi
kill "$sim_pid"
wait "$sim_pid" 2>/dev/null
sim_pid=

demos=$(QT_QPA_PLATFORM=offscreen "$bin/malver" --list-demos) || fail "malver --list-demos exited $?"
found=$(grep -cF "$root/usr/share/malver/Demo/" <<<"$demos")
[ "$found" = 6 ] || fail "the installed program finds $found of 6 recordings: $demos"

[ "$failures" = 0 ] && echo "$(basename "$deb"): installs and runs"
exit "$failures"
