#include "cli/SetCommand.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "cli/SettingsListing.h"
#include "controller/AreaNames.h"
#include "controller/NumberText.h"
#include "controller/SettingsCatalogue.h"
#include "settings/SetValue.h"
#include "settings/SettingTexts.h"
#include "settings/TypedValue.h"

namespace {

// The command line sees every setting the advanced view shows.
constexpr int kAdvanced = 2;

// What a setting takes, for the message that refuses a value.
std::string Takes(const TSterownik& link, int setting) {
  const Nastawa& n = link.ListaNastaw()[setting];
  if (InputOf(link, setting) == Input::Stepper && n.max > n.min) {
    const double step = link.NumericValue(setting, n.min + 1) - link.NumericValue(setting, n.min);
    return ValueText(link, setting, n.min) + " .. " + ValueText(link, setting, n.max) +
           " in steps of " + FormatNumber(step, n.typ & 0x0F, link.DecimalSeparator());
  }
  if (InputOf(link, setting) != Input::List)
    return ValueText(link, setting, n.min) + " .. " + ValueText(link, setting, n.max);
  std::string options;
  for (const std::string& option : OptionTexts(link, setting))
    options += (options.empty() ? "\"" : ", \"") + option + "\"";
  return options;
}

int Refuse(const TSterownik& link, int setting, const std::string& typed, TypedRefusal refusal) {
  const std::string named = "setting " + std::to_string(setting);
  const std::string described = named + " (" + SettingName(link, setting) + ")";
  switch (refusal) {
    case TypedRefusal::NoSuchSetting:
      Fail("this controller has no " + named);
      break;
    case TypedRefusal::Hidden:
      Fail(described + " is not offered for this controller as it is set now");
      break;
    case TypedRefusal::Administrators:
      Fail(described + " is changed only in administrator mode (--admin)");
      break;
    case TypedRefusal::NotAValue:
      Fail("\"" + typed + "\" is not a value of " + described + "; it takes " +
           Takes(link, setting));
      break;
    case TypedRefusal::OutsideLimits:
      Fail(typed + " is outside the limits of " + described + ": " + Takes(link, setting));
      break;
    case TypedRefusal::Locked:
      Fail("the controller is password protected; the change was not sent");
      break;
    case TypedRefusal::None:
      return kOk;
  }
  return kRefusedByRules;
}

// Every setting whose shown value changed: the one named and its dependants.
void PrintChanges(const TSterownik& link, const std::vector<std::string>& before) {
  const std::vector<std::string> after = ShownValues(link);
  for (size_t i = 0; i < after.size(); ++i)
    if (after[i] != before[i])
      std::printf("%3zu  %s: %s -> %s\n", i, SettingName(link, static_cast<int>(i)).c_str(),
                  before[i].c_str(), after[i].c_str());
}

std::optional<int> RawOf(const std::string& typed) {
  char* end = nullptr;
  const long raw = std::strtol(typed.c_str(), &end, 0);
  if (typed.empty() || *end != '\0') return std::nullopt;
  return static_cast<int>(raw);
}

}  // namespace

std::vector<std::string> ShownValues(const TSterownik& link) {
  std::vector<std::string> values(kSettingsCount);
  for (int i = 0; i < kSettingsCount; ++i)
    if (link.ListaNastaw()[i].nazwa != 0) values[static_cast<size_t>(i)] = ShownValue(link, i);
  return values;
}

int ConfirmWrites(TSterownik& link, const std::vector<std::string>& before, const CommandTime& time,
                  uint32_t commands) {
  const WriteCheck written(link);
  const uint32_t areas = written.Areas();
  const int settled = RunUntil(
      link,
      [&] {
        return ((link.FlagiZapisu() | link.FlagiZapisuWToku() | link.FlagiCzytania()) & areas) ==
                   0 &&
               (link.FlagiRozkazow() & commands) == 0;
      },
      time);
  PrintChanges(link, before);
  if (settled != kOk) {
    Fail("not confirmed as written: " + AreaNames(areas));
    return settled;
  }
  if (const uint32_t differing = written.Differing(link)) {
    Fail("the controller did not keep what was written: " + AreaNames(differing));
    return kNotKept;
  }
  TellLearnedCells(link, written);
  return kOk;
}

void TellLearnedCells(const TSterownik& link, const WriteCheck& written) {
  const std::vector<LearnedCell> cells = written.LearnedMeanwhile(link);
  if (cells.empty()) return;
  std::printf("learned by the controller meanwhile, its own and not a lost write: %s\n",
              LearnedCellNames(cells).c_str());
}

int SetSetting(TSterownik& link, int setting, const std::string& typed, bool raw,
               bool administrator, const CommandTime& time) {
  if (link.StanIdent() != ident_state::Normal) {
    Fail(ControllerIs(link.StanIdent()) + "; no setting can be changed");
    return kRefusedByRules;
  }
  if (const int read = ReadOut(link, time); read != kOk) return read;
  const std::vector<std::string> before = ShownValues(link);
  const EditorView view{kAdvanced, EditorView::kMainPage, administrator};
  TypedChange change;
  if (raw) {
    const std::optional<int> byte = RawOf(typed);
    change =
        byte ? SetRawValue(link, view, setting, *byte) : TypedChange{TypedRefusal::NotAValue, {}};
  } else {
    change = SetTypedValue(link, view, setting, typed);
  }
  if (change.refusal != TypedRefusal::None) return Refuse(link, setting, typed, change.refusal);

  return ConfirmWrites(link, before, time);
}
