# Shared by the command-line tests: a scratch folder, failures counted, the simulator on a
# pseudo-terminal. Expects CLI and SIM to be set.
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"; [ -n "${SIM_PID:-}" ] && kill "$SIM_PID" 2>/dev/null' EXIT
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# Starts the simulator with the given options and sets PORT to its terminal.
start_sim() {
  coproc SIMPROC { exec "$SIM" "$@"; }
  SIM_PID=$SIMPROC_PID
  read -r PORT _ <&"${SIMPROC[0]}"
}

stop_sim() {
  kill "$SIM_PID" 2>/dev/null
  wait "$SIM_PID" 2>/dev/null
  SIM_PID=
}

