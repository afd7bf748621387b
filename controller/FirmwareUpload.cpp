#include "controller/FirmwareUpload.h"

#include <algorithm>

#include "controller/FirmwareImage.h"

void FirmwareUpload::Start(std::vector<uint8_t> file, int flashMode, int blocks) {
  file_ = std::move(file);
  flashMode_ = flashMode;
  iloscBlokowFlash_ = blocks;
  blokFlash_ = 0;
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
  const bool slowBlock = blokFlash_ <= 2 || (flashMode_ == 4 && (low & 0x0F) == 0x0F) ||
                         (flashMode_ == 5 && (low & 0x03) == 0x03);
  return slowBlock ? 2 : 1;
}

int FirmwareUpload::Percent() const {
  return iloscBlokowFlash_ > 0 ? std::min(blokFlash_, iloscBlokowFlash_) * 100 / iloscBlokowFlash_
                               : 0;
}
