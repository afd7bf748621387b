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
#include "files/PrintableText.h"
#include "scope/ScopeFile.h"

namespace {

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

// A file of another kind is told as what it is; one that cannot be read, as that.
int ReadFailed(const FileResult& read) {
  Fail(read.wrongKind ? read.error : "cannot read " + read.error);
  return kFileError;
}

int Saved(const FileResult& saved, size_t size, const std::string& out) {
  if (!saved.ok) {
    Fail("cannot write " + saved.error);
    return kFileError;
  }
  std::printf("saved %zu bytes to %s\n", size, Printable(out).c_str());
  return kOk;
}

int ReadSettingsFile(const std::string& path, std::vector<uint8_t>& bytes) {
  const FileResult read = ReadWholeFile(path, bytes, SettingsFileKind());
  return read.ok ? kOk : ReadFailed(read);
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

// Everything but the identity is told by the first bytes and the size: a file of no kind is
// refused before the rest of it is read.
int Inspect(TSterownik& link, const std::string& path) {
  FileInspection file;
  size_t size = 0;
  const FileKind anyKind{.name = "any file the program reads",
                         .largest = scope_file::kLargestFile,
                         .headerSize = kInspectedHeaderSize,
                         .refuse = [&](std::span<const uint8_t> header, size_t fileSize) {
                           size = fileSize;
                           file = InspectFile(path, header, fileSize);
                           return file.fault;
                         }};
  std::vector<uint8_t> bytes;
  const FileResult read = ReadWholeFile(path, bytes, anyKind);
  if (!read.ok && file.fault.empty()) return ReadFailed(read);
  std::printf("kind:      %s\n", KindName(file.kind));
  std::printf("size:      %zu bytes\n", size);
  if (!file.fault.empty()) return ReadFailed(read);
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
