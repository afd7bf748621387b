#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "controller/FirmwareImage.h"

// The image being streamed to a controller's bootloader: which block goes next, what its frame
// carries, how long the bootloader needs after it, and which acknowledgements count for it.
class FirmwareUpload {
 public:
  // file: the whole image file, already checked to hold its header and every block.
  void Start(std::vector<uint8_t> file, const firmware::NaglowekObrazu& header, int blocks);

  const firmware::NaglowekObrazu& Header() const { return header_; }
  int BlokFlash() const { return blokFlash_; }
  int IloscBlokowFlash() const { return iloscBlokowFlash_; }
  // The firmware data of the next frame: two blocks in flash mode 2, one otherwise.
  std::span<const uint8_t> FrameData() const;
  // Ticks the bootloader needs after the next frame: the first blocks, and every 16th (mode 4)
  // or 4th (mode 5), take longer to write.
  int PauseAfter() const;
  // The next frame went out, for the first time or again.
  void Sent() { ++sends_; }
  // An acknowledgement came while the frame out awaits one; header: the reply's payload header
  // (none, one or two bytes). True when it is a late answer to the frame acknowledged before,
  // which must not count for the frame out.
  bool IsLateAnswer(std::span<const uint8_t> header);
  // An acknowledgement came while no frame awaited one: one of those late answers.
  void StrayAnswer();
  // The next frame was acknowledged.
  void Advance();
  bool Complete() const { return blokFlash_ >= iloscBlokowFlash_; }
  // BlokFlash x 100 / IloscBlokowFlash.
  int Percent() const;

 private:
  int BlocksPerFrame() const { return header_.flashMode == 2 ? 2 : 1; }

  std::vector<uint8_t> file_;
  firmware::NaglowekObrazu header_{};
  int blokFlash_ = 0;
  int iloscBlokowFlash_ = 0;
  int sends_ = 0;           // of the frame out
  int previousBlock_ = -1;  // the block of the frame acknowledged before
  int lateAnswersDue_ = 0;  // answers to that frame that may still come
};
