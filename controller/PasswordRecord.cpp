#include "controller/PasswordRecord.h"

#include <algorithm>
#include <string>

#include "controller/PasswordTables.h"
#include "lang/Utf16.h"

namespace {

constexpr int kLengthByte = 0;
constexpr int kFirstCharacterByte = 2;

}  // namespace

std::optional<PasswordRecord> BuildPasswordRecord(std::string_view password) {
  const std::string characters = Utf8ToUtf16Le(password);
  const int length = static_cast<int>(characters.size() / 2);
  if (length < 1 || length > password_record::kLongestPassword) return std::nullopt;

  std::array<uint8_t, password_record::kBlockSize> block = password_tables::kFiller;
  block[kLengthByte] = static_cast<uint8_t>(length);
  std::copy(characters.begin(), characters.end(), block.begin() + kFirstCharacterByte);
  PasswordRecord record{};
  std::transform(block.begin(), block.end(), record.begin(),
                 [](uint8_t b) { return password_tables::kSubstitution[b]; });
  return record;
}

RecordFault CheckPasswordRecord(std::span<const uint8_t> bytes) {
  if (bytes.size() != password_record::kSize) return RecordFault::WrongLength;
  if (bytes[kLengthByte] == 0) return RecordFault::Empty;
  return RecordFault::None;
}
