#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "cli/ConsoleUi.h"
#include "cli/LinkOptions.h"
#include "controller/Clock.h"

// What the commands of the setting windows (injectors, level) share: the link options, the
// action words after them, and a controller whose settings have been read.
struct DialogCommand {
  LinkOptions options;
  std::vector<std::string> words;
};
// False for an unknown option or a missing port: a usage error.
bool ParseDialogCommand(std::span<char*> arguments, DialogCommand& command);

// An integer word; nothing for anything else.
std::optional<int> Number(const std::string& word);

class CommandLink {
 public:
  // Connects and reads the controller out: kOk, or the exit code with its message given.
  int Open(const LinkOptions& options);
  TSterownik& link() { return link_; }

  // Changes the settings in memory as the action words say, and sets the command bits that
  // carry what is not a setting; kOk, or the exit code with its message given.
  using Action = std::function<int(TSterownik& link, const std::vector<std::string>& words,
                                   uint32_t& commands)>;
  // Applies the command's words, when it has any, and writes and confirms what they changed.
  int ApplyAndWrite(const DialogCommand& command, const Action& apply);

 private:
  ConsoleUi ui_;
  SteadyClock clock_;
  TSterownik link_{ui_, clock_};
};
