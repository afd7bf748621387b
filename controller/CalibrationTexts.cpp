// What reports say about a calibration run: the phase of each state and what became of the
// values an unfinished run had changed.

#include <utility>

#include "controller/Calibration.h"
#include "lang/Langtext.h"

namespace {

// clang-format off
constexpr std::pair<int, const char*> kPhases[] = {
    {0,   "start"},
    {1,   "waiting for petrol"},
    {16,  "first petrol reference: settling"},
    {17,  "first petrol reference: waiting for petrol"},
    {18,  "first petrol reference: measuring"},
    {32,  "first injector to gas"},
    {33,  "switching to gas"},
    {34,  "waiting for gas"},
    {48,  "coarse tuning, injector by injector"},
    {64,  "next injector"},
    {65,  "waiting for petrol"},
    {80,  "first petrol reference: settling"},
    {81,  "first petrol reference: waiting for petrol"},
    {82,  "first petrol reference: measuring"},
    {96,  "injectors to gas"},
    {97,  "switching to gas"},
    {98,  "waiting for gas"},
    {112, "coarse tuning"},
    {128, "back to petrol"},
    {129, "waiting for petrol"},
    {144, "second petrol reference: settling"},
    {145, "second petrol reference: waiting for petrol"},
    {146, "second petrol reference: measuring"},
    {160, "injectors to gas"},
    {161, "switching to gas"},
    {162, "waiting for gas"},
    {176, "fine tuning"},
    {192, "back to petrol"},
    {193, "waiting for petrol"},
    {calibration_state::Finished, "finished"},
    {calibration_state::Aborted,  "aborted"},
};
// clang-format on

constexpr int kRestoredText = 6150;
constexpr int kRestorePendingText = 6151;

}  // namespace

const char* CalibrationPhaseName(int state) {
  for (const auto& [phaseState, name] : kPhases)
    if (phaseState == state) return name;
  return "";
}

std::string CalibrationRestoreText(CalibrationRestore restore) {
  switch (restore) {
    case CalibrationRestore::Restored:
      return LangText(kRestoredText);
    case CalibrationRestore::Pending:
      return LangText(kRestorePendingText);
    case CalibrationRestore::None:
      break;
  }
  return {};
}
