#include "app/DemoRecordings.h"

#include <filesystem>

#include "app/ProgramDataFolder.h"

namespace {

constexpr DemoRecording kDemos[] = {
    {"MALVER LUMO", "MALVER lumo.osc", DemoRecording::Offer::WhenPresent},
    {"MALVER rumo", "MALVER rumo.osc", DemoRecording::Offer::WhenPresent},
    {"MALVER FORTIX", "MALVER FORTIX.osc", DemoRecording::Offer::WhenPresent},
    {"KAVI", "KAVI.osc", DemoRecording::Offer::Hidden},
    {"KAVI DUAL", "KAVI DUAL.osc", DemoRecording::Offer::Hidden},
    {"MIRVANE v2.0", "MIRVANE.osc", DemoRecording::Offer::WhenPresent},
};

}  // namespace

std::span<const DemoRecording> DemoRecordings() {
  return kDemos;
}

std::string DemoPath(const std::string& programPath, const DemoRecording& demo) {
  const std::filesystem::path beside = std::filesystem::path(programPath).parent_path() / "Demo";
  return (std::filesystem::path(ProgramDataFolder(beside.string())) / demo.file).string();
}
