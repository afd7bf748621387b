#include "obd/ElmReply.h"

#include <algorithm>
#include <array>
#include <string_view>

std::string Printable(const std::string& text) {
  std::string shown = text;
  std::replace_if(
      shown.begin(), shown.end(), [](char c) { return static_cast<unsigned char>(c) < 16; }, '.');
  return shown;
}

void ElmReply::Start(const std::string& command) {
  bufor_.clear();
  odpowiedz_.clear();
  zapis_.clear();
  AppendToZapis(command);
  czeka_ = true;
  przepelnienie_ = false;
  przepelniona_ = false;
  czasNaOdpowiedz_ = kCzasNaOdpowiedzMs;
}

bool ElmReply::Take(const unsigned char* bytes, size_t count) {
  // Bytes outside an exchange are a late answer to a command already given up.
  if (!czeka_) return false;
  for (size_t i = 0; i < count; ++i) {
    const char c = static_cast<char>(bytes[i]);
    if (c == '>') {
      odpowiedz_ = przepelnienie_ ? std::string() : bufor_ + c;
      przepelniona_ = przepelnienie_;
      AppendToZapis(odpowiedz_);
      bufor_.clear();
      czeka_ = false;
      return true;
    }
    if (bufor_.size() + 1 >= kRozmiarBufora) {
      przepelnienie_ = true;
      bufor_.clear();
    }
    if (!przepelnienie_) bufor_ += c;
  }
  return false;
}

bool ElmReply::Tick(int intervalMs) {
  if (!czeka_) return false;
  if (czasNaOdpowiedz_ >= 1) {
    czasNaOdpowiedz_ -= intervalMs;
    return false;
  }
  bufor_.clear();
  czeka_ = false;
  return true;
}

bool ElmReply::CzyBlad() const {
  // "UNABLE TO CONNECT" and silence also mean no answer from the vehicle, though neither holds
  // the adapter's usual error words.
  static constexpr std::array<std::string_view, 4> kBledy = {"NO DATA", "ERROR", "NO",
                                                             "UNABLE TO CONNECT"};
  return odpowiedz_.empty() ||
         std::any_of(kBledy.begin(), kBledy.end(), [this](std::string_view b) {
           return odpowiedz_.find(b) != std::string::npos;
         });
}

void ElmReply::AppendToZapis(const std::string& text) {
  const size_t room = kRozmiarZapisu - zapis_.size();
  zapis_ += Printable(text.substr(0, room));
}
