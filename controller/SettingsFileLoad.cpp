// Loading a settings file: into the connected controller, after the installer agrees to the
// write, or without one, as if the file's controller were connected.

#include <algorithm>
#include <filesystem>

#include "controller/FileMessages.h"
#include "controller/FirmwareFeatures.h"
#include "controller/SettingsFile.h"
#include "controller/TableBlock.h"
#include "controller/Tsterownik.h"
#include "files/FileIo.h"
#include "lang/Langtext.h"
#include "lang/UiServices.h"

namespace {

using namespace AreaBit;

constexpr int kFamilyInIdentity = img::Schemat - img::BlokIdent;
// The MALVER families' codes are 6 and below; their settings files fit one another.
constexpr int kHighestMalverFamily = static_cast<int>(Family::Lumo);
constexpr int kClosingForAnotherFamily = 2153;
constexpr int kWriteQuestion = 2107;

// What a gas controller gets written from a settings file, before the version extras.
constexpr uint32_t kGasControllerWrites =
    Settings | Multiplier1 | Multiplier2 | RpmCorrection1 | RpmCorrection2 | PressureCorrection |
    ReducerTempCorrection | GasTempCorrection | Admixture | PressureMap | PetrolMap | GasMap |
    ObdPetrolMap1 | ObdGasMap1 | ObdPetrolMap2 | ObdGasMap2;

struct LoadedAreas {
  uint32_t written;
  uint32_t readBack;
};

// The areas written after the installer agrees, and those read back either way.
LoadedAreas AreasOfLoadedSettings(Family family, int firmware) {
  if (family == Family::RailEmulator) return {Settings | EmulatorHi, Settings | EmulatorHi};
  uint32_t written = kGasControllerWrites;
  if (HasEmulationTable(family, firmware)) written |= EmulatorHi;
  const bool secondPage = HasSecondSettingsPage(family, firmware);
  if (family == Family::Kavi && secondPage)
    written |= Settings2 | EmulatorLo | GasAdvance | PetrolDose;
  // The MALVER controllers' page 1 is never written from a file; it is read back so that the
  // editor shows the controller's own.
  const uint32_t readBack = written | (family != Family::Kavi && secondPage ? Settings2 : 0u);
  return {written, readBack};
}

}  // namespace

bool TSterownik::CzytajUstawienia(const std::string& path, const std::string& documentsFolder) {
  std::string chosen = path;
  std::error_code error;
  if (chosen.empty() || !std::filesystem::exists(chosen, error))
    chosen =
        ui_.OpenFileDialog(SettingsFileDialog(FileDialogPurpose::Read, "set", documentsFolder));
  if (chosen.empty()) return false;
  std::vector<uint8_t> bytes;
  if (const FileResult read = ReadWholeFile(chosen, bytes, SettingsFileKind()); !read.ok) {
    ShowFileError(ui_, read.wrongKind ? FileError::SettingsWrongType : FileError::SettingsNotOpened,
                  chosen);
    return false;
  }
  return LoadSettings(bytes, chosen);
}

// A file shorter than its level's block is refused whole: loading the part that is there
// would mix the file's tables with whatever the link held before.
bool TSterownik::LoadSettings(std::span<const uint8_t> bytes, const std::string& path) {
  const SettingsFileCheck file = CheckSettingsFile(bytes);
  if (!file.fault.empty()) {
    ShowFileError(ui_, FileError::SettingsWrongType, path);
    return false;
  }
  std::array<uint8_t, img::kBlokIdentSize> identity{};
  CzytajTabliceZPliku(bytes.subspan(settings_file::kHeaderSize), identity, file.level);
  if (PortConnected()) CloseForAnotherFamily(identity[kFamilyInIdentity]);
  if (PortConnected())
    OfferToWriteLoadedSettings(table_block::Areas(file.level));
  else
    ShowLoadedFileAsConnected(identity, path);
  return true;
}

void TSterownik::SelectForLoadedFile() {
  ListaNastawWykresyOdPlytki(1);
  ListaNastawSprawdzenie();
  NazwyWykresow(1);
}

// The settings of a KAVI or an emulator mean nothing to another family's controller: the port
// is closed and the file is shown on its own.
void TSterownik::CloseForAnotherFamily(int fileFamily) {
  const int connected = obraz_[img::Schemat];
  if (connected == 0) {
    ZamknijPortComm();
    return;
  }
  const bool fits = fileFamily == connected ||
                    (fileFamily <= kHighestMalverFamily && connected <= kHighestMalverFamily);
  if (fits) return;
  ZamknijPortComm();
  ui_.ProcessEvents();
  LangMessageBox(ui_, kClosingForAnotherFamily, mb::kIconInformation);
}

// Only the areas the file carries are written and read back: a level-1 or level-2 file would
// otherwise send the controller tables it never held.
void TSterownik::OfferToWriteLoadedSettings(uint32_t carried) {
  SelectForLoadedFile();
  const bool gasController = Traits().gasController;
  if (!gasController && Rodzina() != Family::RailEmulator) return;
  const LoadedAreas areas = AreasOfLoadedSettings(Rodzina(), WersjaProgramu());
  if (LangMessageBox(ui_, kWriteQuestion, mb::kYesNo | mb::kIconExclamation) == mb::kIdYes) {
    if (gasController) {
      if (stanPaliwa_ != 0) RozkazDoSterownika(CommandBit::FuelChangeAuto);
      DodajAdaptacje();
    }
    flagiZapisu_ = areas.written & carried;
  }
  flagiCzytania_ = areas.readBack & carried;
}

// Settings and scope files do not carry the change history and the description: what the link
// held of them belongs to another controller.
void TSterownik::ShowLoadedFileAsConnected(std::span<const uint8_t, img::kBlokIdentSize> identity,
                                           const std::string& path) {
  std::copy(identity.begin(), identity.end(), &obraz_[img::BlokIdent]);
  SelectForLoadedFile();
  std::fill_n(&obraz_[img::HistoriaZmian], img::kAreaSize, 0);
  std::fill_n(&obraz_[img::OpisSterownika], img::kAreaSize, 0);
  plikWczytany_ = path;
  Event(EventKind::FileLoaded);
}
