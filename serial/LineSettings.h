#pragma once

// How the transport's fields ask the line to run.
struct LineSettings {
  int baudRate;
  int byteSize;
  int parity;  // 0 none, 1 odd, 2 even
  int stopBits;
};
