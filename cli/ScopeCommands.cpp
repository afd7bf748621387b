#include "cli/ScopeCommands.h"

#include <cstdio>

#include "cli/FileCommands.h"
#include "controller/NumberText.h"
#include "files/PrintableText.h"
#include "scope/ScopeFile.h"
#include "scope/ScopeTools.h"

int Record(TSterownik& link, const std::string& out, int seconds, bool longRecords,
           const CommandTime& time) {
  if (const int read = ReadOut(link, time); read != kOk) return read;
  link.KasujOscyloskop(longRecords ? status_frame::kLongRecord : status_frame::kShortRecord);
  if (!link.StartRecordingFile(out)) return kFileError;
  link.OnZdarzenie = [&](const LinkEvent& e) {
    if (e.kind == EventKind::ReplyAccepted && e.status) link.DodajRekord(e.status->Frame());
  };
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  const int run = RunUntil(
      link, [&] { return std::chrono::steady_clock::now() >= end; }, time);
  const bool kept = link.RecordingFileOpen();
  if (!link.ZamnkijOscyloskop() || !kept) return kFileError;  // the link said why
  std::printf("recorded %d records (%s s) to %s\n", link.IleRekordow(),
              FormatNumber(link.IleRekordow() * 0.1, 1).c_str(), Printable(out).c_str());
  return run;
}

int LoadScopeFile(TSterownik& link, const std::string& file) {
  std::vector<uint8_t> bytes;
  if (const FileResult read = ReadWholeFile(file, bytes, scope_file::Kind()); !read.ok)
    return ReadFailed(read);
  if (link.LoadScope(std::move(bytes), file) < 0) return kFileError;  // the link said why
  return kOk;
}

int ExportCsv(TSterownik& link, const std::string& file, const std::string& out,
              char decimalSeparator) {
  if (const int loaded = LoadScopeFile(link, file); loaded != kOk) return loaded;
  const FileResult saved = scope::SaveCsv(link, out, decimalSeparator);
  if (!saved.ok) {
    Fail("cannot write " + saved.error);
    return kFileError;
  }
  std::printf("exported %d records to %s\n", link.IleRekordow(), Printable(out).c_str());
  return kOk;
}
