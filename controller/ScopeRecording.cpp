// The scope recording: records in memory, the recording file that grows with them, and
// recordings loaded from files in place of the live controller.

#include <algorithm>
#include <filesystem>

#include "controller/Clock.h"
#include "controller/FileMessages.h"
#include "controller/TableBlock.h"
#include "controller/Tsterownik.h"
#include "files/FileIo.h"
#include "files/PrintableText.h"
#include "lang/Langtext.h"
#include "lang/UiServices.h"
#include "scope/ScopeFile.h"

namespace {

// A recording file whose header names another record size was closed.
constexpr int kRecordingClosedForSize = 6142;

}  // namespace

void TSterownik::DodajRekord(std::span<const uint8_t> frame) {
  const size_t size = static_cast<size_t>(rozmiarRekordu_);
  if (buforOsc_.size() < kBuforOscBytes) buforOsc_.resize(kBuforOscBytes);
  // A loaded recording may be longer than the live buffer; live records start over at its head.
  if (static_cast<size_t>(ileRekordow_) * size >= kBuforOscBytes) ileRekordow_ = 0;
  const auto record = buforOsc_.begin() + static_cast<std::ptrdiff_t>(ileRekordow_ * size);
  const size_t taken = std::min(frame.size(), size);
  std::copy_n(frame.begin(), taken, record);
  std::fill(record + static_cast<std::ptrdiff_t>(taken), record + static_cast<std::ptrdiff_t>(size),
            0);
  if (plikNagrania_.IsOpen()) {
    const FileResult appended = plikNagrania_.Append({&*record, size}, clock_.Milliseconds());
    if (!appended.ok) RecordingFileFailed();
  }
  ++ileRekordow_;
  if (static_cast<size_t>(ileRekordow_) * size > kBuforOscBytes - 1) ileRekordow_ = 0;
}

void TSterownik::KasujOscyloskop(int recordSize) {
  const bool longRecords = recordSize == status_frame::kLongRecord;
  if (plikNagrania_.IsOpen() && recordSize != rozmiarRekordu_) {
    const std::string path = plikNagrania_.Path();
    ZamnkijOscyloskop();
    ui_.MessageBox(LangText(kRecordingClosedForSize) + "\n" + Printable(path),
                   mb::kIconExclamation);
  }
  std::fill(buforOsc_.begin(), buforOsc_.end(), 0);
  ileRekordow_ = 0;
  rozmiarRekordu_ = longRecords ? status_frame::kLongRecord : status_frame::kShortRecord;
  if (longRecords) {
    stronaParam_ |= poll_page::LongRecord;
    return;
  }
  stronaParam_ &= static_cast<uint8_t>(~poll_page::LongRecord);
  for (size_t i = 0; i < listaWykresow_.size(); ++i)
    if (ReadsLongRecord(static_cast<int>(i))) listaWykresow_[i].flagi &= ~ChartPlace::ScopeTrace;
}

bool TSterownik::ZapiszOscyloskop(const std::string& documentsFolder) {
  const std::string path =
      ui_.SaveFileDialog(ScopeFileDialog(FileDialogPurpose::Save, documentsFolder));
  return !path.empty() && StartRecordingFile(path);
}

bool TSterownik::StartRecordingFile(const std::string& path) {
  const std::vector<uint8_t> start = scope_file::Bytes(*this, Nagranie());
  if (!plikNagrania_.Create(path, start, clock_.Milliseconds()).ok) {
    ShowFileError(ui_, FileError::ScopeNotWritten, path);
    return false;
  }
  Event(EventKind::ScopeRecording, 1);
  return true;
}

// A file whose last records did not reach the disk is not a recording kept: it is told.
bool TSterownik::ZamnkijOscyloskop() {
  const std::string path = plikNagrania_.Path();
  const bool kept = plikNagrania_.Close().ok;
  Event(EventKind::ScopeRecording, 0);
  if (!kept) ShowFileError(ui_, FileError::ScopeNotWritten, path);
  return kept;
}

// A disk that fills up ends the recording file, once, with the file's name; the recording in
// memory goes on.
void TSterownik::RecordingFileFailed() {
  const std::string path = plikNagrania_.Path();
  plikNagrania_.Close();  // told once, below, whatever the close says
  ZamnkijOscyloskop();
  ShowFileError(ui_, FileError::ScopeNotWritten, path);
}

int TSterownik::CzytajOscyloskop(const std::string& path, const std::string& documentsFolder) {
  std::string chosen = path;
  std::error_code error;
  if (chosen.empty() || !std::filesystem::exists(chosen, error))
    chosen = ui_.OpenFileDialog(ScopeFileDialog(FileDialogPurpose::Read, documentsFolder));
  if (chosen.empty()) return -1;
  std::vector<uint8_t> bytes;
  if (const FileResult read = ReadWholeFile(chosen, bytes, scope_file::Kind()); !read.ok) {
    ShowFileError(ui_, read.wrongKind ? FileError::ScopeWrongType : FileError::ScopeNotOpened,
                  chosen);
    return -1;
  }
  return LoadScope(std::move(bytes), chosen);
}

int TSterownik::LoadScope(std::span<const uint8_t> bytes, const std::string& path) {
  return LoadScope(std::vector<uint8_t>(bytes.begin(), bytes.end()), path);
}

// The file is checked whole before anything changes: a refused file leaves the live
// controller connected and the recording in memory as it was.
int TSterownik::LoadScope(std::vector<uint8_t>&& bytes, const std::string& path) {
  const scope_file::Contents file = scope_file::Parse(bytes);
  if (file.refusal != scope_file::Refusal::None) {
    ShowFileError(ui_, FileError::ScopeWrongType, path);
    return -1;
  }
  ZamnkijOscyloskop();
  if (PortConnected()) {
    ZamknijPortComm();
    ui_.ProcessEvents();
  }
  std::array<uint8_t, img::kBlokIdentSize> identity{};
  table_block::Read(file.tableBlock, file.level, obraz_, identity);
  // A ten-hour recording is tens of megabytes: its records move to the front of the file's own
  // storage instead of into a second copy.
  const auto start = bytes.begin() + (file.records.data() - bytes.data());
  bytes.erase(bytes.begin(), start);
  bytes.resize(file.records.size());
  buforOsc_ = std::move(bytes);
  rozmiarRekordu_ = file.recordSize;
  ileRekordow_ = file.recordCount;
  if (rozmiarRekordu_ == status_frame::kLongRecord)
    stronaParam_ |= poll_page::LongRecord;
  else
    stronaParam_ &= static_cast<uint8_t>(~poll_page::LongRecord);
  ShowLoadedFileAsConnected(identity, path);
  return ileRekordow_;
}
