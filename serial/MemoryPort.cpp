#include "serial/MemoryPort.h"

#include <algorithm>
#include <utility>

void MemoryPort::Push(std::span<const unsigned char> bytes) {
  incoming_.insert(incoming_.end(), bytes.begin(), bytes.end());
}

std::vector<unsigned char> MemoryPort::TakeWritten() {
  return std::exchange(written_, {});
}

void MemoryPort::TakeAtMost(int count) {
  writeLimit_ = std::max(count, 0);
}

void MemoryPort::RefuseWrites(bool refuse) {
  refuseWrites_ = refuse;
}

void MemoryPort::Disconnect() {
  connected_ = false;
}

int MemoryPort::Read(unsigned char* buffer, int count) {
  if (!connected_) return -1;
  const int n = std::clamp(count, 0, InQueueCount());
  std::copy_n(incoming_.begin(), n, buffer);
  incoming_.erase(incoming_.begin(), incoming_.begin() + n);
  return n;
}

int MemoryPort::Write(const unsigned char* buffer, int count) {
  if (!connected_ || refuseWrites_) return -1;
  const int n = std::clamp(count, 0, writeLimit_);
  written_.insert(written_.end(), buffer, buffer + n);
  return n;
}

int MemoryPort::InQueueCount() const {
  return connected_ ? static_cast<int>(incoming_.size()) : -1;
}

void MemoryPort::PurgeRx() {
  incoming_.clear();
}

// What was written has already reached the far end; nothing waits to go out.
void MemoryPort::PurgeTx() {}

bool MemoryPort::Connected() const {
  return connected_;
}
