#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "controller/ImageLayout.h"

// Firmware image files (".img"): a 256-byte header and the firmware's blocks after it, and the
// checks an image passes before it is sent to a controller's bootloader.
namespace firmware {

inline constexpr int kLargestFile = 0x1FFFF;
inline constexpr int kHeaderSize = 256;
inline constexpr int kBlockSize = 256;

// The header bytes the program reads (all others are ignored).
struct NaglowekObrazu {
  uint8_t flashMode = 0;    // must equal the board's version byte
  uint8_t description = 0;  // program description code, for StrOpisWerSpec
  uint8_t boardVariant = 0;
  uint8_t maker = 0;
  uint8_t beta = 0;  // 0 for a release
  uint8_t family = 0;
  uint8_t injectors = 0;
  uint8_t version = 0;     // 0 makes the file unusable
  uint8_t blocksBy16 = 0;  // flash modes 4 and 5: the block count divided by 16
  uint8_t year = 0;        // after 2000
  uint8_t month = 0;
  uint8_t day = 0;
};

// Why an image is refused; the first that applies, in this order.
enum class ImageFault {
  None,
  Missing,          // no file to read
  TooLarge,         // above kLargestFile
  NotAnImage,       // shorter than its header, or without the magic
  OtherController,  // made for another board, maker, family or injector count
  UnknownFlashMode,
  NoBlocks,
  Truncated,    // shorter than its header and the blocks it announces
  Unversioned,  // firmware version 0
};

struct ImageCheck {
  ImageFault fault = ImageFault::None;
  NaglowekObrazu header{};
  int blocks = 0;  // IloscBlokowFlash
  bool ok() const { return fault == ImageFault::None; }
};

using ControllerImage = std::array<uint8_t, img::kSize>;

// The header of an image file; false when the bytes are too short or lack the magic.
bool ReadHeader(std::span<const uint8_t> file, NaglowekObrazu& header);
// Blocks of 256 bytes a header's flash mode sends; 0 for a mode no controller uses.
int BlockCount(const NaglowekObrazu& header);
// The header was made for the controller whose identity the image holds.
bool FitsController(const NaglowekObrazu& header, const ControllerImage& controller);

// The checks of the file alone, and with the connected controller's identity too.
ImageCheck CheckImage(std::span<const uint8_t> file);
ImageCheck CheckImage(std::span<const uint8_t> file, const ControllerImage& controller);
// Reads the file (nothing beyond the largest image) and checks it; bytes are the file's on
// success. readError names the cause when the file could not be read.
ImageCheck CheckImageFile(const std::string& path, const ControllerImage* controller,
                          std::vector<uint8_t>& bytes, std::string* readError = nullptr);

// The message box text the link shows for a refused image; empty where the firmware window
// says it instead (an unknown flash mode, no blocks) or the file was not there.
std::string RefusalMessage(ImageFault fault, const std::string& path);
// The cause in plain words, for the command line.
std::string FaultText(const ImageCheck& check);

}  // namespace firmware
