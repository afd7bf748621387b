#!/usr/bin/env bash
# Builds MALVER and either starts it or runs every test. Installs the Debian packages the
# build needs when they are missing (needs root for that, as on a fresh Debian 12 machine).
#
#   ./dev.sh run [--family F]          build and start the desktop program, connected to a
#                                      simulated controller of family F (2 by default)
#   ./dev.sh run --port P              the same, connected to the controller on port P
#   ./dev.sh test                      build and run all tests
set -euo pipefail

cd "$(dirname "$0")"
BUILD_DIR=${BUILD_DIR:-build}
PACKAGES=(build-essential cmake qt6-base-dev libgtest-dev libbenchmark-dev fonts-nanum)

install_missing_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
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
    # The simulated controller serves a pseudo-terminal and prints its path first.
    coproc SIM { exec "$BUILD_DIR/sim/malver-sim" --family "$family"; }
    sim_pid=$SIM_PID
    trap 'kill "$sim_pid" 2>/dev/null' EXIT
    read -r port _ <&"${SIM[0]}"
    echo "simulated controller (family $family) on $port"
    "$BUILD_DIR/app/malver" --port "$port"
    ;;
  test)
    install_missing_packages
    build
    cd "$BUILD_DIR"
    exec ctest --output-on-failure --parallel "$(nproc)"
    ;;
  *)
    echo "usage: $0 run [arguments] | test" >&2
    exit 2
    ;;
esac
