#include "cli/FileCommands.h"

#include <bit>
#include <cstdio>

#include "cli/SetCommand.h"
#include "cli/SettingsListing.h"
#include "controller/AreaNames.h"
#include "controller/FileInspection.h"
#include "controller/NumberText.h"
#include "controller/SettingsFile.h"
#include "controller/WriteCheck.h"
#include "scope/ScopeFile.h"

namespace {

int ReadFile(const std::string& path, std::vector<uint8_t>& bytes) {
  if (const FileResult read = ReadWholeFile(path, bytes, scope_file::kLargestFile); !read.ok) {
    Fail("cannot read " + read.error);
    return kFileError;
  }
  return kOk;
}

void PrintFileIdentity(const TSterownik& link) {
  std::printf("name:      %s\n", link.StrNazwaSterownika().c_str());
  std::printf("family:    %d\n", static_cast<int>(link.Rodzina()));
  std::printf("firmware:  %d\n", link.WersjaProgramu());
  std::printf("variant:   %d\n", link.ObrazSterownika()[img::WariantPlytki]);
  std::printf("injectors: %d\n", link.IleWtryskiwaczy());
}

void PrintRecording(const FileInspection& file) {
  std::printf("level:     %d\n", file.level);
  std::printf("records:   %d of %d bytes\n", file.records, file.recordSize);
  std::printf("length:    %s s\n", FormatNumber(file.records * 0.1, 1).c_str());
  if (file.trailingBytes > 0)
    std::printf("cut off:   %d bytes of a last record, left out\n", file.trailingBytes);
}

bool LoadForIdentity(TSterownik& link, StoredFileKind kind, std::span<const uint8_t> bytes,
                     const std::string& path) {
  switch (kind) {
    case StoredFileKind::Settings:
      return link.LoadSettings(bytes, path);
    case StoredFileKind::Scope:
      return link.LoadScope(bytes, path) >= 0;
    case StoredFileKind::Image:
      return link.WczytajObraz(bytes);
    default:
      return false;
  }
}

}  // namespace

int Saved(const FileResult& saved, size_t size, const std::string& out) {
  if (!saved.ok) {
    Fail("cannot write " + saved.error);
    return kFileError;
  }
  std::printf("saved %zu bytes to %s\n", size, out.c_str());
  return kOk;
}

int ReadSettingsFile(const std::string& path, std::vector<uint8_t>& bytes) {
  if (const int read = ReadFile(path, bytes); read != kOk) return read;
  if (const std::string fault = CheckSettingsFile(bytes).fault; !fault.empty()) {
    Fail(path + ": " + fault);
    return kFileError;
  }
  return kOk;
}

int FromSettingsFile(TSterownik& link, const std::string& path) {
  std::vector<uint8_t> bytes;
  if (const int read = ReadSettingsFile(path, bytes); read != kOk) return read;
  link.LoadSettings(bytes, path);
  PrintSettings(link);
  return kOk;
}

int SaveSettings(const TSterownik& link, const std::string& out) {
  const std::vector<uint8_t> bytes = SettingsFileBytes(link);
  return Saved(WriteFileAtomically(out, bytes), bytes.size(), out);
}

int Inspect(TSterownik& link, const std::string& path) {
  std::vector<uint8_t> bytes;
  if (const int read = ReadFile(path, bytes); read != kOk) return read;
  const FileInspection file = InspectFile(path, bytes);
  std::printf("kind:      %s\n", KindName(file.kind));
  std::printf("size:      %zu bytes\n", bytes.size());
  if (!file.fault.empty()) {
    Fail(path + ": " + file.fault);
    return kFileError;
  }
  if (file.kind == StoredFileKind::Settings) std::printf("level:     %d\n", file.level);
  if (file.kind == StoredFileKind::Scope) PrintRecording(file);
  const bool identity = LoadForIdentity(link, file.kind, bytes, path);
  if (identity)
    PrintFileIdentity(link);
  else
    std::printf("identity:  none\n");
  const bool alternatives = file.kind == StoredFileKind::Table && std::popcount(file.areas) > 1;
  std::printf("carries:   %s%s\n", alternatives ? "one of " : "", AreaNames(file.areas).c_str());
  return kOk;
}

int Load(TSterownik& link, const ConsoleUi& ui, const std::vector<uint8_t>& file,
         const std::string& path, const CommandTime& time) {
  const int connected = static_cast<int>(link.Rodzina());
  link.LoadSettings(file, path);
  if (!link.PolaczonyPortComm()) {
    Fail("refused: a settings file of family " + std::to_string(static_cast<int>(link.Rodzina())) +
         " does not fit a controller of family " + std::to_string(connected) +
         "; the port was closed");
    return kRefusedByRules;
  }
  const WriteCheck check(link);
  if (check.Areas() == 0) {
    if (ui.questions == 0) {
      Fail("refused: nothing of a settings file is written to a controller of family " +
           std::to_string(connected));
      return kRefusedByRules;
    }
    std::printf("nothing written: the question was answered No (--yes answers Yes)\n");
    return kOk;
  }
  const int settled = RunUntil(
      link,
      [&] {
        return link.ReadOutComplete() && link.FlagiZapisu() == 0 && link.FlagiZapisuWToku() == 0;
      },
      time);
  if (settled != kOk) {
    const uint32_t pending = link.FlagiZapisu() | link.FlagiZapisuWToku();
    if (pending != 0) Fail("not acknowledged: " + AreaNames(pending));
    return settled;
  }
  if (const uint32_t differing = check.Differing(link); differing != 0) {
    Fail("read back different from what was written: " + AreaNames(differing));
    return kNotKept;
  }
  TellLearnedCells(link, check);
  std::printf("written and read back equal: %s\n", AreaNames(check.Areas()).c_str());
  return kOk;
}
