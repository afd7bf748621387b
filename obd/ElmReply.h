#pragma once

#include <cstddef>
#include <string>

// Assembles the adapter's reply up to its prompt ">" and keeps the transcript of the exchange.
// A reply that outgrows the buffer is dropped whole (up to its prompt) rather than cut, and a
// reply that never ends is dropped by the time-out, so no stale bytes run into the next one.
class ElmReply {
 public:
  static constexpr size_t kRozmiarBufora = 1024;
  static constexpr size_t kRozmiarZapisu = 1025;
  static constexpr int kCzasNaOdpowiedzMs = 3000;

  // A command went out: the reply awaited starts afresh and the transcript with the command.
  void Start(const std::string& command);
  // Takes received bytes; true when they completed the reply.
  bool Take(const unsigned char* bytes, size_t count);
  // Nothing was asked this time: no reply stands, so none can be read twice.
  void Forget() { odpowiedz_.clear(); }
  // One tick of waiting; true when the time for the reply has run out (the wait then ends).
  bool Tick(int intervalMs);

  bool CzekaNaOdpowiedz() const { return czeka_; }
  // The last complete reply as received; empty when it was lost, overlong or timed out.
  const std::string& Odpowiedz() const { return odpowiedz_; }
  const std::string& Zapis() const { return zapis_; }
  // The last Take completed a reply the buffer could not hold.
  bool Przepelniona() const { return przepelniona_; }
  // The adapter reported that it could not do what was asked, or said nothing.
  bool CzyBlad() const;

 private:
  void AppendToZapis(const std::string& text);

  std::string bufor_;
  std::string odpowiedz_;
  std::string zapis_;
  bool czeka_ = false;
  bool przepelnienie_ = false;
  bool przepelniona_ = false;
  int czasNaOdpowiedz_ = 0;
};

// Control characters shown as "." in the transcript and the log.
std::string Printable(const std::string& text);
