#include "controller/FirmwareImage.h"

#include <algorithm>

#include "files/FileIo.h"
#include "files/PrintableText.h"
#include "lang/Langtext.h"

namespace firmware {

namespace {

constexpr std::array<uint8_t, 8> kMagic = {'i', 'm', 'g', ' ', 'f', 'i', 'l', 'e'};

// Where the header keeps what the program reads.
namespace at {
constexpr int FlashMode = 8;
constexpr int Description = 16;
constexpr int BoardVariant = 17;
constexpr int Maker = 18;
constexpr int Beta = 19;
constexpr int Family = 20;
constexpr int Injectors = 21;
constexpr int Version = 22;
constexpr int BlocksBy16 = 23;
constexpr int Year = 24;
constexpr int Month = 25;
constexpr int Day = 26;
}  // namespace at

// Blocks sent by flash mode; modes 4 and 5 take theirs from the header.
constexpr int kModeBlocks[] = {0, 224, 480, 20};

ImageCheck Check(std::span<const uint8_t> file, const ControllerImage* controller) {
  ImageCheck check;
  auto refused = [&check](ImageFault fault) {
    check.fault = fault;
    return check;
  };
  if (file.size() > kLargestFile) return refused(ImageFault::TooLarge);
  if (!ReadHeader(file, check.header)) return refused(ImageFault::NotAnImage);
  if (controller && !FitsController(check.header, *controller))
    return refused(ImageFault::OtherController);
  check.blocks = BlockCount(check.header);
  const int mode = check.header.flashMode;
  if (mode < 1 || mode > 5) return refused(ImageFault::UnknownFlashMode);
  if (check.blocks == 0) return refused(ImageFault::NoBlocks);
  // Blocks beyond the end of the file would be sent from whatever the buffer held before.
  if (file.size() < static_cast<size_t>(kHeaderSize + kBlockSize * check.blocks))
    return refused(ImageFault::Truncated);
  if (check.header.version == 0) return refused(ImageFault::Unversioned);
  return check;
}

}  // namespace

bool ReadHeader(std::span<const uint8_t> file, NaglowekObrazu& header) {
  if (file.size() < kHeaderSize || !std::equal(kMagic.begin(), kMagic.end(), file.begin()))
    return false;
  header = {.flashMode = file[at::FlashMode],
            .description = file[at::Description],
            .boardVariant = file[at::BoardVariant],
            .maker = file[at::Maker],
            .beta = file[at::Beta],
            .family = file[at::Family],
            .injectors = file[at::Injectors],
            .version = file[at::Version],
            .blocksBy16 = file[at::BlocksBy16],
            .year = file[at::Year],
            .month = file[at::Month],
            .day = file[at::Day]};
  return true;
}

int BlockCount(const NaglowekObrazu& header) {
  const int mode = header.flashMode;
  if (mode == 4 || mode == 5) return 16 * header.blocksBy16;
  return mode < static_cast<int>(std::size(kModeBlocks)) ? kModeBlocks[mode] : 0;
}

bool FitsController(const NaglowekObrazu& header, const ControllerImage& controller) {
  return header.flashMode == controller[img::WersjaPlytki] &&
         header.boardVariant == controller[img::WariantPlytki] &&
         header.maker == controller[img::Firma] && header.family == controller[img::Schemat] &&
         header.injectors == controller[img::IleWtr];
}

ImageCheck CheckImage(std::span<const uint8_t> file) {
  return Check(file, nullptr);
}

ImageCheck CheckImage(std::span<const uint8_t> file, const ControllerImage& controller) {
  return Check(file, &controller);
}

ImageCheck CheckImageFile(const std::string& path, const ControllerImage* controller,
                          std::vector<uint8_t>& bytes, std::string* readError) {
  std::vector<uint8_t> file;
  if (const FileResult read =
          ReadWholeFile(path, file, {.name = "a firmware image", .largest = kLargestFile});
      !read.ok) {
    if (readError) *readError = read.error;
    return {.fault = read.wrongKind ? ImageFault::TooLarge : ImageFault::Missing};
  }
  const ImageCheck check = Check(file, controller);
  if (check.ok()) bytes = std::move(file);
  return check;
}

std::string RefusalMessage(ImageFault fault, const std::string& path) {
  switch (fault) {
    case ImageFault::TooLarge:
      return LangText(2150) + " (142) : \n" + Printable(path);
    case ImageFault::NotAnImage:
    case ImageFault::OtherController:
    case ImageFault::Truncated:
    case ImageFault::Unversioned:
      return LangText(2152) + " (143) : \n" + Printable(path);
    default:
      return {};
  }
}

std::string FaultText(const ImageCheck& check) {
  switch (check.fault) {
    case ImageFault::None:
      return "a firmware image for this controller";
    case ImageFault::Missing:
      return "no file to read";
    case ImageFault::TooLarge:
      return "larger than a firmware image can be (" + std::to_string(kLargestFile) + " bytes)";
    case ImageFault::NotAnImage:
      return "not a firmware image (no \"img file\" header)";
    case ImageFault::OtherController:
      return "made for another controller (flash mode, board, maker, family or injectors differ)";
    case ImageFault::UnknownFlashMode:
      return "flash mode " + std::to_string(check.header.flashMode) +
             " is not one a controller uses";
    case ImageFault::NoBlocks:
      return "the header announces no blocks";
    case ImageFault::Truncated:
      return "shorter than its header and " + std::to_string(check.blocks) + " blocks (" +
             std::to_string(kHeaderSize + kBlockSize * check.blocks) + " bytes)";
    case ImageFault::Unversioned:
      return "firmware version 0: the file is unusable";
  }
  return {};
}

}  // namespace firmware
