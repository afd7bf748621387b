#include "cli/ServiceCommand.h"

#include <cstdio>
#include <string>

#include "cli/ConsoleUi.h"
#include "cli/LinkOptions.h"
#include "cli/WorkstationSetup.h"
#include "controller/Clock.h"
#include "lang/Langtext.h"

namespace {

constexpr int kHistoryEntries = 32;
constexpr int kHistoryColumns = 6;
// The history grid's columns: date, firmware, restore, errors, settings, user.
constexpr int kHistoryTitles[kHistoryColumns] = {1347, 1348, 1349, 1350, 1351, 1346};
constexpr int kHistoryWidths[kHistoryColumns] = {12, 10, 9, 8, 10, 0};

void Header(int textId) {
  std::printf("%s\n", LangText(textId).c_str());
}

void Row(const std::string& label, const std::string& value) {
  std::printf("  %-30s %s\n", label.c_str(), value.c_str());
}

const char* OnOff(bool on) {
  return on ? "on" : "off";
}

void PrintStatistics(const TSterownik& link) {
  Header(1341);
  Row(LangText(1343), link.StrCzasNaBenzynie());
  Row(LangText(1344), link.StrCzasNaGazie());
  Row(LangText(1345), link.StrIdentWlasny());
  if (link.CountsEmergencyStarts()) Row(LangText(1339), link.StrLicznikUruch());
}

void PrintServiceControl(const TSterownik& link) {
  Header(1342);
  Row(LangText(1354), OnOff(link.ServiceReminder()));
  Row(LangText(1352), link.StrCzasPrzegladu(1));
  Row(LangText(1358), link.StrCzasPrzegladu(0));
  if (!link.SerwisHaslo()) return;
  Row(LangText(1356), OnOff(link.GasBlockWhenDue()));
  Row(LangText(2203), link.HasloUstawione() ? "yes" : "no");
}

void PrintHistoryRow(const std::string (&cells)[kHistoryColumns]) {
  std::string line = " ";
  for (int column = 0; column < kHistoryColumns; ++column) {
    std::string cell = " " + cells[column];
    if (cell.size() < static_cast<size_t>(kHistoryWidths[column]))
      cell.resize(static_cast<size_t>(kHistoryWidths[column]), ' ');
    line += cell;
  }
  std::printf("%s\n", line.substr(0, line.find_last_not_of(' ') + 1).c_str());
}

// The rows the controller has filled; the window shows the empty ones too.
void PrintHistory(const TSterownik& link) {
  Header(1359);
  std::string cells[kHistoryColumns];
  for (int column = 0; column < kHistoryColumns; ++column)
    cells[column] = LangText(kHistoryTitles[column]);
  PrintHistoryRow(cells);
  for (int entry = 0; entry < kHistoryEntries && !link.StrHistoria(0, entry).empty(); ++entry) {
    for (int column = 0; column < kHistoryColumns; ++column)
      cells[column] = link.StrHistoria(column, entry);
    PrintHistoryRow(cells);
  }
}

}  // namespace

int Service(std::span<char*> arguments) {
  LinkOptions o;
  for (size_t i = 0; i < arguments.size(); ++i)
    if (!TakeLinkOption(arguments, i, o)) return kUsage;
  if (!Complete(o)) return kUsage;
  const CommandTime time = TimeOf(o);
  Texts().LanguageIndex = 0;
  ConsoleUi ui;
  SteadyClock clock;
  TSterownik link(ui, clock);
  UseWorkstation(link);
  if (o.log) LogTransmission(link);
  if (const int connected = Connect(link, o.port, time); connected != kOk) return connected;
  if (const int read = ReadOut(link, time); read != kOk) return read;
  PrintStatistics(link);
  PrintServiceControl(link);
  PrintHistory(link);
  return kOk;
}
