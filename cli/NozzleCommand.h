#pragma once

#include <span>

// malver-cli nozzle --power N [--kw] --cylinders N [--pressure 1.40] [--fuel N]
// [--petrol-type N] [--injector N] [--port P [--log] [--timeout MS] [--tick MS]]: the nozzle
// size the calculator window estimates, or the Hana injectors' colour code. With a port the
// pressure, fuel, petrol injection and injector type come from the controller's settings,
// unless given. Returns the exit code.
int Nozzle(std::span<char*> arguments);
