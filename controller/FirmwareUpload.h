#pragma once

#include <cstdint>
#include <span>
#include <vector>

// The image being streamed to a controller's bootloader: which block goes next, what its frame
// carries and how long the bootloader needs after it.
class FirmwareUpload {
 public:
  // file: the whole image file, already checked to hold its header and every block.
  void Start(std::vector<uint8_t> file, int flashMode, int blocks);

  int BlokFlash() const { return blokFlash_; }
  int IloscBlokowFlash() const { return iloscBlokowFlash_; }
  // The firmware data of the next frame: two blocks in flash mode 2, one otherwise.
  std::span<const uint8_t> FrameData() const;
  // Ticks the bootloader needs after the next frame: the first blocks, and every 16th (mode 4)
  // or 4th (mode 5), take longer to write.
  int PauseAfter() const;
  // The next frame was acknowledged.
  void Advance() { blokFlash_ += BlocksPerFrame(); }
  bool Complete() const { return blokFlash_ >= iloscBlokowFlash_; }
  // BlokFlash x 100 / IloscBlokowFlash.
  int Percent() const;

 private:
  int BlocksPerFrame() const { return flashMode_ == 2 ? 2 : 1; }

  std::vector<uint8_t> file_;
  int flashMode_ = 0;
  int blokFlash_ = 0;
  int iloscBlokowFlash_ = 0;
};
