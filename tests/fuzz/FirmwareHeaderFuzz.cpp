// An arbitrary firmware image file checked alone and against a controller that its own header
// fits, and when accepted, every frame of its upload and its pacing taken as the link does.

#include "controller/FirmwareImage.h"
#include "controller/FirmwareUpload.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> file(data, size);
  firmware::CheckImage(file);
  firmware::NaglowekObrazu header;
  if (!firmware::ReadHeader(file, header)) return 0;
  firmware::ControllerImage controller{};
  controller[img::WersjaPlytki] = header.flashMode;
  controller[img::WariantPlytki] = header.boardVariant;
  controller[img::Firma] = header.maker;
  controller[img::Schemat] = header.family;
  controller[img::IleWtr] = header.injectors;
  const firmware::ImageCheck check = firmware::CheckImage(file, controller);
  firmware::FaultText(check);
  if (!check.ok()) return 0;
  FirmwareUpload upload;
  upload.Start({file.begin(), file.end()}, check.header, check.blocks);
  size_t sent = 0;
  while (!upload.Complete()) {
    sent += upload.FrameData().size();
    upload.PauseAfter();
    upload.Advance();
    upload.Percent();
  }
  // Every byte of every block, none from beyond the file.
  if (sent != firmware::kBlockSize * static_cast<size_t>(check.blocks)) __builtin_trap();
  return 0;
}
