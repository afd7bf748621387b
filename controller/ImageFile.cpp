#include "controller/ImageFile.h"

#include "controller/NumberText.h"
#include "controller/Tsterownik.h"
#include "files/PrintableText.h"

FileResult LoadImageFile(TSterownik& link, const std::string& path) {
  constexpr size_t kImageSize = img::kSize;
  std::vector<uint8_t> bytes;
  const FileResult read =
      ReadWholeFile(path, bytes, {.name = "a controller image", .largest = kImageSize});
  if (!read.ok) return read;
  if (!link.WczytajObraz(bytes))
    return {false, Printable(path) + ": not a controller image (" + CountOf(bytes.size(), "byte") +
                       "; an image has " + std::to_string(kImageSize) + ")"};
  return {};
}

FileResult SaveImageFile(const TSterownik& link, const std::string& path) {
  return WriteFileAtomically(path, link.ObrazSterownika());
}
