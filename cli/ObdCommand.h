#pragma once

#include <span>

// malver-cli obd --port P info [--log] [--timeout MS] [--tick MS]: the adapter, the vehicle's
// protocol, its ECUs and the PIDs the engine ECU supports. Returns the exit code.
int Obd(std::span<char*> arguments);
