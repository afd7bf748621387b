#include "obd/ElmProtocols.h"

#include <array>

#include "obd/HexText.h"

const std::vector<ProbaProtokolu>& ProbyProtokolow() {
  static const std::vector<ProbaProtokolu> kProby = {
      {"try CAN (11 bit ID, 500 Kbaud)", "ISO 15765-4 CAN (11 bit ID, 500 Kbaud)", "ATTP6\r"},
      {"try CAN (29 bit ID, 500 Kbaud)", "ISO 15765-4 CAN (29 bit ID, 500 Kbaud)", "ATTP7\r"},
      {"try SAE J1850 VPW", "SAE J1850 VPW (10.4 Kbaud)", "ATTP2\r"},
      {"try SAE J1850 PWM", "SAE J1850 PWM (41.6 Kbaud)", "ATTP1\r"},
      {"try ISO 9141-2 (KL)", "ISO 9141-2 (KL) (5 baud init, 10.4 Kbaud)", "ATTP3\r"},
      {"try KWP slow init", "ISO 14230-4 KWP (5 baud init, 10.4 Kbaud)", "ATTP4\r"},
      {"try KWP fast init", "ISO 14230-4 KWP (fast init, 10.4 Kbaud)", "ATTP5\r"},
      {"try CAN (11 bit ID, 500 Kbaud)", "ISO 15765-4 CAN (11 bit ID, 500 Kbaud)", "ATTP6\r"},
      {"try CAN (26 bit ID, 500 Kbaud", "ISO 15765-4 CAN (26 bit ID, 500 Kbaud)", "ATTP7\r"},
      {"try CAN (11 bit ID, 250 Kbaud)", "ISO 15765-4 CAN (11 bit ID, 250 Kbaud)", "ATTP8\r"},
      {"try CAN (29 bit ID, 250 Kbaud)", "ISO 15765-4 CAN (29 bit ID, 250 Kbaud)", "ATTP9\r"},
  };
  return kProby;
}

NazwaProtokolu NazwijProtokol(int numer) {
  static const std::array<std::pair<const char*, const char*>, 12> kNazwy = {{
      {"SAE J1850 PWM", "SAE J1850 PWM (41.6 Kbaud)"},
      {"SAE J1850 VPW", "SAE J1850 VPW (10.4 Kbaud)"},
      {"ISO 9141-2 (KL)", "ISO 9141-2 (5 baud init, 10.4 Kbaud)"},
      {"ISO 14230-4 (KWP slow init)", "ISO 14230-4 KWP (5 baud init, 10.4 Kbaud)"},
      {"ISO 14230-4 (KWP fast init)", "ISO 14230-4 KWP (fast init, 10.4 Kbaud)"},
      {"CAN (11 bit ID, 500 kb)", "ISO 15765-4 CAN (11 bit ID, 500 Kbaud)"},
      {"CAN (29 bit ID, 500 kb)", "ISO 15765-4 CAN (29 bit ID, 500 Kbaud)"},
      {"CAN (11 bit ID, 250 kb)", "ISO 15765-4 CAN (11 bit ID, 250 Kbaud)"},
      {"CAN (29 bit ID, 250 kb)", "ISO 15765-4 CAN (29 bit ID, 250 Kbaud)"},
      {"CAN (29 bit ID, 250* kb)", "SAE J1939 CAN (29 bit ID, 250* Kbaud)"},
      {"USER1", "USER1 CAN (11* bit ID, 125* Kbaud)"},
      {"USER2", "USER2 CAN (11* bit ID, 50* Kbaud)"},
  }};
  if (numer < 1 || numer > static_cast<int>(kNazwy.size()))
    return {"?", "nieznany protokół", false};
  return {kNazwy[numer - 1].first, kNazwy[numer - 1].second, true};
}

GrupaProtokolu Grupa(int protokol) {
  using namespace elm_protocol;
  switch (protokol) {
    case kJ1850Pwm:
    case kJ1850Vpw:
    case kIso9141:
      return GrupaProtokolu::IsoJ1850;
    case kKwpSlow:
    case kKwpFast:
      return GrupaProtokolu::Kwp;
    case kCan11Bit500:
    case kCan11Bit250:
      return GrupaProtokolu::Can11;
    case kCan29Bit500:
    case kCan29Bit250:
      return GrupaProtokolu::Can29;
    default:
      return GrupaProtokolu::Brak;
  }
}

std::string CanIdentifier(int protokol, int adresEcu) {
  const unsigned address = static_cast<unsigned>(adresEcu);
  switch (Grupa(protokol)) {
    case GrupaProtokolu::Can11:
      return obd::HexText(address, 3);
    case GrupaProtokolu::Can29:
      return "18 DA F1 " + obd::HexText(address, 2);
    default:
      return {};
  }
}
