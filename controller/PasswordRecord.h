#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// The workstation's password record ("password.bin"): an encoded 256-byte password block the
// link presents to every controller, and 256 bytes the link does not use. The program builds
// it and checks its shape, but never decodes it: the controller compares the bytes.

namespace password_record {
inline constexpr int kSize = 512;
inline constexpr int kBlockSize = 256;
inline constexpr int kLongestPassword = 127;  // in UTF-16 characters
}  // namespace password_record

using PasswordRecord = std::array<uint8_t, password_record::kSize>;

// The record of a password of 1 to 127 UTF-16 characters (UTF-8 in); nothing for any other.
std::optional<PasswordRecord> BuildPasswordRecord(std::string_view password);

enum class RecordFault { None, WrongLength, Empty };

// Whether a file's bytes can stand as the record: exactly its size, and holding a password
// (a first byte of 0 is what every controller reads as "no password").
RecordFault CheckPasswordRecord(std::span<const uint8_t> bytes);
