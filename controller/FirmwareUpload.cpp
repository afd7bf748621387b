#include "controller/FirmwareUpload.h"

#include <algorithm>

void FirmwareUpload::Start(std::vector<uint8_t> file, const firmware::NaglowekObrazu& header,
                           int blocks) {
  file_ = std::move(file);
  header_ = header;
  iloscBlokowFlash_ = blocks;
  blokFlash_ = 0;
  sends_ = 0;
  previousBlock_ = -1;
  lateAnswersDue_ = 0;
}

std::span<const uint8_t> FirmwareUpload::FrameData() const {
  const size_t start =
      firmware::kHeaderSize + firmware::kBlockSize * static_cast<size_t>(blokFlash_);
  const size_t wanted = firmware::kBlockSize * static_cast<size_t>(BlocksPerFrame());
  // The checks guarantee the file holds every block; nothing past its end is ever read.
  if (start >= file_.size()) return {};
  return {file_.data() + start, std::min(wanted, file_.size() - start)};
}

int FirmwareUpload::PauseAfter() const {
  const int low = blokFlash_ & 0xFF;
  const bool slowBlock = blokFlash_ <= 2 || (header_.flashMode == 4 && (low & 0x0F) == 0x0F) ||
                         (header_.flashMode == 5 && (low & 0x03) == 0x03);
  return slowBlock ? 2 : 1;
}

// Bootloaders differ in what they put in an acknowledgement's header: the block's number, its
// low byte, zeros or nothing. So the header is never required to name the block out (one
// echoing a single byte would stall at block 256). It is heard only where it protects: an
// acknowledgement repeated, or answering a frame that went out again, may come after the next
// frame is out, and counting it would skip a block. An answer naming the block acknowledged
// before (its low byte, which both naming layouts carry) is taken as such a late one, at most
// once per time that block went out; so no layout holds the upload up for longer than a few
// more sends, and one that names nothing costs at most one.
bool FirmwareUpload::IsLateAnswer(std::span<const uint8_t> header) {
  if (lateAnswersDue_ == 0 || header.empty() || header[0] != (previousBlock_ & 0xFF)) return false;
  --lateAnswersDue_;
  return true;
}

void FirmwareUpload::StrayAnswer() {
  lateAnswersDue_ = std::max(lateAnswersDue_ - 1, 0);
}

void FirmwareUpload::Advance() {
  previousBlock_ = blokFlash_;
  lateAnswersDue_ = sends_;
  sends_ = 0;
  blokFlash_ += BlocksPerFrame();
}

int FirmwareUpload::Percent() const {
  return iloscBlokowFlash_ > 0 ? std::min(blokFlash_, iloscBlokowFlash_) * 100 / iloscBlokowFlash_
                               : 0;
}
