#include "controller/Ramka.h"

namespace ramka {

namespace {

uint8_t Whitening(int index) {
  return static_cast<uint8_t>(~index);
}

}  // namespace

uint8_t Total(const uint8_t* frame, int length) {
  uint8_t sum = 0;
  for (int i = 0; i < length; ++i)
    sum = static_cast<uint8_t>(sum + frame[i]);
  return sum;
}

int Build(uint8_t* frame, uint8_t start, uint8_t code, int payloadLength) {
  if (payloadLength % 2 != 0) frame[kHeaderSize + payloadLength++] = 0;
  frame[0] = start;
  frame[1] = 0;
  frame[2] = static_cast<uint8_t>(payloadLength / 2);
  frame[3] = code;
  const int length = kHeaderSize + payloadLength;
  frame[1] = static_cast<uint8_t>(0 - Total(frame, length));
  return length;
}

void Scramble(uint8_t* frame, int length) {
  uint8_t key = frame[1] ^ StalaLacza;
  for (int i = kHeaderSize; i < length; ++i) {
    const uint8_t plain = frame[i];
    frame[i] = plain ^ key ^ Whitening(i);
    key = plain;
  }
}

void Unscramble(uint8_t* frame, int length) {
  uint8_t key = frame[1] ^ StalaLacza;
  for (int i = kHeaderSize; i < length; ++i) {
    frame[i] = frame[i] ^ key ^ Whitening(i);
    key = frame[i];
  }
}

std::string HexText(const uint8_t* bytes, int count) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(3 * static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    text += ' ';
    text += kHex[bytes[i] >> 4];
    text += kHex[bytes[i] & 0xF];
  }
  return text;
}

std::string LogText(const char* label, const uint8_t* frame, int length) {
  const int header = length < kHeaderSize ? length : kHeaderSize;
  std::string text = label + HexText(frame, header);
  if (length > kHeaderSize) text += "  " + HexText(frame + kHeaderSize, length - kHeaderSize);
  return text;
}

}  // namespace ramka
