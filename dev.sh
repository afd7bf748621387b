#!/usr/bin/env bash
# Builds MALVER and either starts it or runs every test. Installs the Debian packages the
# build needs when they are missing (needs root for that, as on a fresh Debian 12 machine).
#
#   ./dev.sh run [--family F]          build and start the desktop program, connected to a
#                                      simulated controller of family F (2 by default) and to
#                                      a simulated ELM327 adapter with a car on CAN
#   ./dev.sh run --port P              the same, connected to the controller on port P
#   ./dev.sh test                      build and run all tests
#   ./dev.sh sanitize                  build the core with AddressSanitizer and
#                                      UndefinedBehaviorSanitizer and run its tests
#   ./dev.sh fuzz [SECONDS]            build the fuzz targets with clang's libFuzzer and run
#                                      each for SECONDS (60 by default) from its seed corpus
#   ./dev.sh package                   build and make the Debian package (build/package/), then
#                                      check it as a clean machine would install it
set -euo pipefail

cd "$(dirname "$0")"
BUILD_DIR=${BUILD_DIR:-build}
PACKAGES=(build-essential cmake qt6-base-dev qt6-svg-dev libgtest-dev libbenchmark-dev fonts-nanum
  clang libclang-rt-14-dev)
# What makes and checks the package besides the build.
PACKAGE_TOOLS=(dpkg-dev lintian)

# Installs those of the given packages (the build's by default) that are missing.
install_missing_packages() {
  local missing=()
  for p in "${@:-${PACKAGES[@]}}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if ((${#missing[@]})); then
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
  fi
}

build() {
  cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$BUILD_DIR" --parallel "$(nproc)"
}

# The core alone (no windows, no benchmarks), built for the sanitizers or for libFuzzer.
CORE_ONLY=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DMALVER_BUILD_UI=OFF -DMALVER_BUILD_BENCHMARKS=OFF)

fuzz() {
  local seconds=${1:-60}
  local dir=${FUZZ_DIR:-build-fuzz}
  CC=clang CXX=clang++ cmake -S . -B "$dir" "${CORE_ONLY[@]}" -DMALVER_FUZZ=ON >/dev/null
  local targets
  targets=$(ls tests/fuzz/corpus)
  # shellcheck disable=SC2046
  cmake --build "$dir" --parallel "$(nproc)" --target $(printf 'fuzz_%s ' $targets)
  for t in $targets; do
    mkdir -p "$dir/corpus/$t" "$dir/crashes/$t"
    echo "fuzz_$t for $seconds s"
    # New inputs go to the build's corpus; a crash is kept in crashes/ and ends the run: copy it
    # into tests/fuzz/corpus/$t so that it stays a test.
    "$dir/tests/fuzz/fuzz_$t" -max_total_time="$seconds" -max_len=16384 -print_final_stats=1 \
      -artifact_prefix="$dir/crashes/$t/" "$dir/corpus/$t" "tests/fuzz/corpus/$t"
  done
}

case "${1:-}" in
  run)
    shift
    install_missing_packages
    build
    if [ "${1:-}" = "--port" ]; then
      exec "$BUILD_DIR/app/malver" "$@"
    fi
    family=2
    [ "${1:-}" = "--family" ] && family=${2:-2}
    # The simulated controller and the simulated ELM327 adapter with a car behind it each serve
    # a pseudo-terminal and print its path first.
    coproc SIM { exec "$BUILD_DIR/sim/malver-sim" --family "$family" --drive; }
    sim_pid=$SIM_PID
    read -r port _ <&"${SIM[0]}"
    # (bash keeps one coprocess at a time: the adapter's path comes through a file.)
    elm_out=$(mktemp)
    "$BUILD_DIR/sim/malver-elm-sim" --protocol 6 >"$elm_out" &
    elm_pid=$!
    trap 'kill "$sim_pid" "$elm_pid" 2>/dev/null; rm -f "$elm_out"' EXIT
    elm_port=""
    until [ -n "$elm_port" ]; do
      kill -0 "$elm_pid" 2>/dev/null || { echo "malver-elm-sim did not start" >&2; exit 1; }
      read -r elm_port _ <"$elm_out" || sleep 0.1
    done
    echo "simulated controller (family $family) on $port, simulated ELM327 adapter on $elm_port"
    "$BUILD_DIR/app/malver" --port "$port" --elm-port "$elm_port"
    ;;
  test)
    install_missing_packages
    build
    cd "$BUILD_DIR"
    exec ctest --output-on-failure --parallel "$(nproc)"
    ;;
  sanitize)
    install_missing_packages
    dir=${SANITIZE_DIR:-build-sanitize}
    cmake -S . -B "$dir" "${CORE_ONLY[@]}" -DMALVER_SANITIZE=ON >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
    cd "$dir"
    exec ctest --output-on-failure --parallel "$(nproc)"
    ;;
  fuzz)
    shift
    install_missing_packages
    fuzz "${1:-60}"
    ;;
  package)
    install_missing_packages "${PACKAGES[@]}" "${PACKAGE_TOOLS[@]}"
    build
    rm -rf "$BUILD_DIR/package"
    (cd "$BUILD_DIR" && cpack -G DEB -B "$PWD/package" >/dev/null)
    deb=$(echo "$BUILD_DIR"/package/malver_*.deb)
    echo "$deb"
    exec packaging/check-package.sh "$deb"
    ;;
  *)
    echo "usage: $0 run [arguments] | test | sanitize | fuzz [seconds] | package" >&2
    exit 2
    ;;
esac
