#include "cli/DialogCommand.h"

#include <charconv>

#include "cli/SetCommand.h"
#include "cli/WorkstationSetup.h"
#include "lang/Langtext.h"

bool ParseDialogCommand(std::span<char*> arguments, DialogCommand& command) {
  for (size_t i = 0; i < arguments.size(); ++i) {
    if (TakeLinkOption(arguments, i, command.options)) continue;
    const std::string word = arguments[i];
    if (word.starts_with("--")) return false;
    command.words.push_back(word);
  }
  return Complete(command.options);
}

std::optional<int> Number(const std::string& word) {
  int value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
  return value;
}

int CommandLink::Open(const LinkOptions& options) {
  Texts().LanguageIndex = 0;
  UseWorkstation(link_);
  if (options.log) LogTransmission(link_);
  const CommandTime time = TimeOf(options);
  if (const int connected = Connect(link_, options.port, time); connected != kOk) return connected;
  if (link_.StanIdent() != ident_state::Normal) {
    Fail(ControllerIs(link_.StanIdent()) +
         "; no setting can be changed");
    return kRefusedByRules;
  }
  return ReadOut(link_, time);
}

int CommandLink::ApplyAndWrite(const DialogCommand& command, const Action& apply) {
  if (command.words.empty()) return kOk;
  const std::vector<std::string> before = ShownValues(link_);
  uint32_t commands = 0;
  if (const int applied = apply(link_, command.words, commands); applied != kOk) return applied;
  return ConfirmWrites(link_, before, TimeOf(command.options), commands);
}
