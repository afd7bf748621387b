#include "cli/InjectorsCommand.h"

#include <cstdio>
#include <string>

#include "cli/DialogCommand.h"
#include "cli/SettingsListing.h"
#include "lang/Langtext.h"
#include "settings/SequenceRules.h"
#include "settings/SettingTexts.h"

namespace {

constexpr EditorView kView{2, EditorView::kMainPage, false};

void PrintRow(const std::string& label, int channels, const auto& cell) {
  std::printf("  %-24s", label.c_str());
  for (int c = 1; c <= channels; ++c)
    std::printf(" %s", cell(c).c_str());
  std::printf("\n");
}

void PrintSequence(const TSterownik& link) {
  const int n = link.IleWtryskiwaczy();
  std::printf("%s: %d\n", LangText(1375).c_str(), n);
  PrintRow(LangText(1244) + " \\ " + LangText(1249), n, [](int c) { return std::to_string(c); });
  for (int r = 1; r <= n; ++r)
    PrintRow(LangText(1244) + " " + std::to_string(r), n,
             [&](int c) { return std::string(sequence::Assigned(link, r, c) ? "X" : "."); });
  PrintRow(SettingName(link, 31), n,
           [&](int c) { return std::string(sequence::OnPetrolOnly(link, c) ? "x" : "."); });
  if (link.DwaBanki())
    PrintRow(LangText(1720), n,
             [&](int c) { return std::string(sequence::InBank2(link, c) ? "2" : "1"); });
  if (sequence::HasOrderTable(link)) {
    const bool valid = sequence::CheckOrder(link).valid;
    PrintRow(LangText(4710) + ":", n, [&](int c) { return sequence::PositionText(link, c); });
    std::printf("  order check: %s\n", valid ? "valid" : "wrong");
  }
  for (int setting : {8, 56, 9})
    std::printf("%s: %s\n", SettingName(link, setting).c_str(), ValueText(link, setting).c_str());
  if (sequence::HasRotation(link)) {
    const auto items = sequence::RotationItems(link);
    const size_t k = link.Nastawy()[135];
    std::printf("%s: %s\n", SettingName(link, 135).c_str(),
                k < items.size() ? items[k].c_str() : "?");
  }
}

bool InRange(const std::optional<int>& value, int low, int high) {
  return value && *value >= low && *value <= high;
}

// Applies the action words; kUsage for words that make no action, kRefusedByRules for one the
// window would not offer.
int Apply(TSterownik& link, const std::vector<std::string>& w, uint32_t& commands) {
  commands = CommandBit::SendInjectorMask;
  const int n = link.IleWtryskiwaczy();
  const auto arg = [&](size_t i) { return i < w.size() ? Number(w[i]) : std::nullopt; };
  const std::string action = w[0];
  const size_t words = action == "unassign" || action == "rotate" ? 2 : 3;
  if (w.size() != words) return kUsage;
  const bool channelOk = InRange(arg(1), 1, n);
  if (action == "assign" && channelOk && InRange(arg(2), 1, n)) {
    if (!sequence::Assigned(link, *arg(1), *arg(2)))
      sequence::ClickCell(link, kView, *arg(1), *arg(2));
  } else if (action == "unassign" && channelOk) {
    if (!sequence::OnPetrolOnly(link, *arg(1))) sequence::ClickBelow(link, kView, *arg(1));
  } else if (action == "bank" && channelOk && InRange(arg(2), 1, 2) && link.DwaBanki()) {
    sequence::SetBank(link, kView, *arg(1), *arg(2));
  } else if (action == "order" && channelOk && InRange(arg(2), 1, n) &&
             sequence::HasOrderTable(link)) {
    sequence::TypePosition(link, kView, *arg(1), w[2]);
  } else if (action == "rotate" && sequence::HasRotation(link) &&
             InRange(arg(1), 0, static_cast<int>(sequence::RotationItems(link).size()) - 1)) {
    sequence::Rotate(link, kView, *arg(1));
  } else if (action == "assign" || action == "unassign" || action == "bank" || action == "order" ||
             action == "rotate") {
    Fail("not offered for this controller: " + action);
    return kRefusedByRules;
  } else {
    return kUsage;
  }
  return kOk;
}

}  // namespace

int Injectors(std::span<char*> arguments) {
  DialogCommand command;
  if (!ParseDialogCommand(arguments, command)) return kUsage;
  CommandLink open;
  TSterownik& link = open.link();
  if (const int opened = open.Open(command.options); opened != kOk) return opened;
  if (!sequence::Applies(link)) {
    Fail("the injector sequence serves MALVER controllers of 4, 6 or 8 channels");
    return kRefusedByRules;
  }
  if (const int written = open.ApplyAndWrite(command, Apply); written != kOk) return written;
  PrintSequence(link);
  return kOk;
}
