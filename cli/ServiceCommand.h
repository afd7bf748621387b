#pragma once

#include <span>

// malver-cli service --port P [--log] [--timeout MS] [--tick MS]: the controller's work
// statistics, service reminder and change history as the service window shows them.
// Returns the exit code.
int Service(std::span<char*> arguments);
