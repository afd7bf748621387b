#include "obd/EcuSearch.h"

#include <cstdio>
#include <sstream>

#include "obd/ElmProtocols.h"
#include "obd/HexText.h"

namespace {

// Four spaced hex bytes from `at` on.
std::optional<uint32_t> Bajty(const std::string& text, size_t at) {
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i) {
    const auto b = obd::HexAt(text, at + 3 * static_cast<size_t>(i), 2);
    if (!b) return std::nullopt;
    value = value << 8 | static_cast<uint32_t>(*b);
  }
  return value;
}

constexpr const char* kWzorzecCan = " 06 41 00 ";

// The address and where its bitmap starts, by the protocol's header form; nothing when the
// line is not an answer to "0100".
std::optional<Ecu> EcuZLinii(const std::string& linia, GrupaProtokolu grupa) {
  constexpr size_t kNaglowekIMapa = 27;  // "48 6B 10 41 00 BE 3F A8 13"
  if (linia.size() < kNaglowekIMapa - 4) return std::nullopt;
  std::optional<int> adres;
  size_t mapa = 0;
  switch (grupa) {
    case GrupaProtokolu::IsoJ1850:
    case GrupaProtokolu::Kwp: {
      const bool naglowek = grupa == GrupaProtokolu::Kwp ? linia.rfind("86 F1 ", 0) == 0
                                                         : linia.compare(3, 2, "6B") == 0;
      if (!naglowek || linia.compare(8, 7, " 41 00 ") != 0) return std::nullopt;
      adres = obd::HexAt(linia, 6, 2);
      mapa = 15;
      break;
    }
    case GrupaProtokolu::Can11: {
      const size_t at = linia.find(kWzorzecCan);
      if (at == std::string::npos) return std::nullopt;
      adres = obd::HexAt(linia, 0, at);
      mapa = at + 10;
      break;
    }
    case GrupaProtokolu::Can29: {
      const size_t at = linia.find(kWzorzecCan);
      if (at == std::string::npos) return std::nullopt;
      adres = obd::HexAt(linia, at == 11 ? 9 : 6, 2);
      mapa = at + 10;
      break;
    }
    case GrupaProtokolu::Brak:
      return std::nullopt;
  }
  const auto bitmapa = Bajty(linia, mapa);
  if (!adres || !bitmapa) return std::nullopt;
  return Ecu{*adres, *bitmapa};
}

}  // namespace

std::vector<Ecu> ZnajdzEcu(const std::string& odpowiedz, int protokol) {
  constexpr size_t kNajkrotszaLinia = 20;
  std::vector<Ecu> ecu;
  size_t start = 0;
  while (odpowiedz.size() - start >= kNajkrotszaLinia) {
    const size_t koniec = odpowiedz.find('\r', start);
    const std::string linia = odpowiedz.substr(start, koniec - start);
    const auto znaleziony = EcuZLinii(linia, Grupa(protokol));
    if (!znaleziony || koniec == std::string::npos) {
      if (znaleziony) ecu.push_back(*znaleziony);
      break;
    }
    ecu.push_back(*znaleziony);
    start = koniec + 1;
  }
  return ecu;
}

int AdresSilnika(const std::vector<Ecu>& ecu) {
  if (ecu.empty()) return 0;
  int adres = ecu.front().adres;
  constexpr uint32_t kTrymyBank1 = 0x06000000;  // PIDs 0x06 and 0x07
  for (size_t i = 1; i < ecu.size(); ++i)
    if (ecu[i].mapa & kTrymyBank1) adres = ecu[i].adres;
  return adres;
}

std::string ListaEcu(const std::vector<Ecu>& ecu) {
  std::string lista;
  char tekst[16];
  for (const Ecu& e : ecu) {
    std::snprintf(tekst, sizeof tekst, "%02Xh ", e.adres);
    lista += tekst;
  }
  return lista;
}

std::optional<uint32_t> CzteryBajty(const std::string& odpowiedz, int pid) {
  char wzorzec[8];
  std::snprintf(wzorzec, sizeof wzorzec, "41 %02X ", pid & 0xFF);
  const size_t at = odpowiedz.find(wzorzec);
  if (at == std::string::npos) return std::nullopt;
  return Bajty(odpowiedz, at + 6);
}
