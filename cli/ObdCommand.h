#pragma once

#include <span>

// malver-cli obd --port P [--log] [--timeout MS] [--tick MS] and one of
//   info: the adapter, the vehicle's protocol, its ECUs and the PIDs the engine ECU supports;
//   pids [--count N] [PID ...]: N cycles of polling the PIDs named (hexadecimal), or the ones
//     polled by default, printed as the PID grid shows them;
//   dtc: the stored, pending and permanent trouble codes with their descriptions;
//   clear --yes: clears the trouble codes.
// Returns the exit code.
int Obd(std::span<char*> arguments);
