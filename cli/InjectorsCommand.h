#pragma once

#include <span>

// malver-cli injectors --port P [assign R C | unassign C | bank C 1|2 | order C POS | rotate K]
// [--log] [--timeout MS] [--tick MS]: the injector sequence as its window shows it (which
// petrol input drives which gas channel, the banks, the injection order and its check); an
// action changes it as the window's click would and writes it. Returns the exit code.
int Injectors(std::span<char*> arguments);
