#pragma once

#include <span>
#include <string>

#include "cli/LinkRun.h"

// The options every command on a controller takes: --port P, --log, --timeout MS, --tick MS.
struct LinkOptions {
  std::string port;
  int timeoutMs = 30000;
  int tickMs = 0;
  bool log = false;
};

// Takes the argument at i (and its value, moving i past it) when it is one of these options.
bool TakeLinkOption(std::span<char*> arguments, size_t& i, LinkOptions& options);
// A port was named and the numbers make sense.
bool Complete(const LinkOptions& options);
CommandTime TimeOf(const LinkOptions& options);
