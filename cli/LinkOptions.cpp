#include "cli/LinkOptions.h"

#include <cstdlib>

bool TakeLinkOption(std::span<char*> arguments, size_t& i, LinkOptions& options) {
  const std::string arg = arguments[i];
  const bool value = i + 1 < arguments.size();
  if (arg == "--log") {
    options.log = true;
  } else if (arg == "--port" && value) {
    options.port = arguments[++i];
  } else if (arg == "--timeout" && value) {
    options.timeoutMs = std::atoi(arguments[++i]);
  } else if (arg == "--tick" && value) {
    options.tickMs = std::atoi(arguments[++i]);
  } else {
    return false;
  }
  return true;
}

bool Complete(const LinkOptions& options) {
  return !options.port.empty() && options.timeoutMs >= 0 && options.tickMs >= 0;
}

CommandTime TimeOf(const LinkOptions& options) {
  return {std::chrono::steady_clock::now() + std::chrono::milliseconds(options.timeoutMs),
          options.timeoutMs, options.tickMs};
}
