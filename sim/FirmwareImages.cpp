#include "sim/FirmwareImages.h"

#include <algorithm>
#include <cstring>

#include "controller/FirmwareImage.h"
#include "sim/Bootloader.h"

namespace sim {

std::vector<uint8_t> MakeFirmwareImage(const Identity& identity, const ImageRequest& request) {
  std::vector<uint8_t> file(firmware::kHeaderSize, 0);
  std::memcpy(file.data(), "img file", 8);
  file[8] = static_cast<uint8_t>(request.flashMode);
  file[16] = static_cast<uint8_t>(identity.specialVersion);
  file[17] = static_cast<uint8_t>(identity.boardVariant);
  file[18] = static_cast<uint8_t>(identity.maker);
  file[19] = static_cast<uint8_t>(request.beta);
  file[20] = static_cast<uint8_t>(identity.family);
  file[21] = static_cast<uint8_t>(identity.injectors);
  file[22] = static_cast<uint8_t>(request.version);
  file[23] = static_cast<uint8_t>(request.blocksBy16);
  file[24] = 25;  // released 2025.06.01
  file[25] = 6;
  file[26] = 1;
  firmware::NaglowekObrazu header;
  firmware::ReadHeader(file, header);
  const int blocks = firmware::BlockCount(header);
  file.resize(firmware::kHeaderSize + firmware::kBlockSize * static_cast<size_t>(blocks));
  // Every block differs from its neighbours, so a block sent twice or skipped shows.
  uint32_t state = 2463534242u ^ static_cast<uint32_t>(request.version);
  for (size_t i = firmware::kHeaderSize; i < file.size(); ++i) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    file[i] = static_cast<uint8_t>(state);
  }
  PutRecord({request.version, request.beta, blocks},
            {file.data() + firmware::kHeaderSize, file.size() - firmware::kHeaderSize});
  return file;
}

}  // namespace sim
