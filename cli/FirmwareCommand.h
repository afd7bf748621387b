#pragma once

#include <span>

// malver-cli firmware --check FILE.img [--port P] [--log] [--timeout MS]
//   prints the image's header and the verdict of its checks: of the file alone, or also
//   against the identity of the controller on the port;
// malver-cli firmware --port P FILE.img --yes [--log] [--timeout MS] [--tick MS]
//   the whole update with its progress: exit 0 only when every block was acknowledged, the
//   controller came back from its bootloader and identifies again running the image's version
//   (printed; locked by a password or not), and the update stands in its change history where
//   the controller keeps one.
// Returns the exit code.
int Firmware(std::span<char*> arguments);
