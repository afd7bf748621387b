#pragma once

#include <span>

// malver-cli password --port P (set TEXT | clear | erase) --yes [--log] [--timeout MS] [--tick MS]
//   set: saves TEXT as this workstation's password record and sets the controller's password
//     to it; clear: clears the controller's password; erase: the administrator's erase of a
//     password the workstation does not know. Each ends when the controller, identified again,
//     shows the password set or gone.
// malver-cli password --save TEXT --out FILE: writes the record of TEXT to FILE.
// Returns the exit code.
int Password(std::span<char*> arguments);
