#include "controller/TransmissionTables.h"

#include <algorithm>
#include <iterator>

#include "controller/ImageLayout.h"

namespace transmission {

namespace {

// clang-format off
constexpr DataArea kAreas[] = {
  // bit        area               read  read log                                            write write log                                                pause history
  {0x1,       img::Nastawy,        0xE8, "Odczyt nastaw",                                    0xF8, "\n  Zapis nastaw",                                     2, true},
  {0x20,      img::Nastawy2,       0xE7, "Odczyt nastaw 2",                                  0xF7, "\n  Zapis nastaw 2",                                   2, true},
  {0x2,       img::Mnoznik1,       0xE9, "Odczyt mnożnika bank 1",                           0xF9, "\n  Zapis mnożnika bank 1",                            2, true},
  {0x4,       img::Mnoznik2,       0xEA, "Odczyt mnożnika bank 2",                           0xFA, "\n  Zapis mnożnika bank 2",                            2, true},
  {0x8,       img::KorOdObr1,      0xEB, "Odczyt korekty od obrotów bank 1",                 0xFB, "\n  Zapis korekty od obrotów bank 1",                  2, true},
  {0x10,      img::KorOdObr2,      0xEC, "Odczyt korekty od obrotów bank 2",                 0xFC, "\n  Zapis korekty od obrotów bank 2",                  2, true},
  {0x10000,   img::MapaEcuBen,     0xE0, "Odczyt mapy czasów wtrysku benzyny",               0xF0, "\n  Zapis mapy benzyny",                               3, false},
  {0x20000,   img::MapaEcuGaz,     0xE1, "Odczyt mapy czasów wtrysku gazu",                  0xF1, "\n  Zapis mapy gazu",                                  3, false},
  {0x1000000, img::MapaObdBen1,    0xE2, "Odczyt mapy obd benzyna bank 1",                   0xF2, "\n  Zapis mapy kor. obd ben 1",                        3, false},
  {0x2000000, img::MapaObdGaz1,    0xE3, "Odczyt mapy obd gaz bank 1",                       0xF3, "\n  Zapis mapy kor. obd gaz 1",                        3, false},
  {0x4000000, img::MapaObdBen2,    0xE4, "Odczyt mapy obd benzyna bank 2",                   0xF4, "\n  Zapis mapy kor. obd ben 2",                        3, false},
  {0x8000000, img::MapaObdGaz2,    0xE5, "Odczyt mapy obd gaz bank 2",                       0xF5, "\n  Zapis mapy kor. obd gaz 2",                        3, false},
  {0x80,      img::HistoriaZmian,  0xA7, "Odczyt historii",                                  0xC7, "\n  Zapis historii",                                   2, false},
  {0x100,     img::KorOdCis,       0xA8, "Odczyt korekt od cis. gazu",                       0xC8, "\n  Zapis korekty od cis. gazu",                       2, true},
  {0x200,     img::KorOdTempRed,   0xA9, "Odczyt korekt od temp. red.",                      0xC9, "\n  Zapis korekty od temp. red.",                      2, true},
  {0x400,     img::KorOdTempGazu,  0xAA, "Odczyt korekt od temp. gazu",                      0xCA, "\n  Zapis korekty od temp. gazu",                      2, true},
  {0x800,     img::EmulacjaHi,     0xAB, "Odczyt emulatora ciś. paliwa",                     0xCB, "\n  Zapis emulatora ciś. paliwa",                      2, true},
  {0x1000,    img::Domieszka,      0xAC, "Odczyt opóźnienia wtr. gazu / domieszki ben.",     0xCC, "\n  Zapis opóźnienia wtr. gazu / domieszki ben.",      2, true},
  {0x2000,    img::MapaCis,        0xAD, "Odczyt wzbogacania-zubożania / mapy ciś.",         0xCD, "\n  Zapis wzbogacania-zubożania / mapy ciś.",          2, true},
  {0x40000,   img::EmulacjaLo,     0xAE, "Odczyt emulatora ciś. paliwa low",                 0xCE, "\n  Zapis emulatora ciś. paliwa low",                  2, true},
  {0x80000,   img::PrzesGaz,       0xAF, "Odczyt przesunięcia gazu",                         0xCF, "\n  Zapis przesuniecia gazu",                          2, true},
  {0x100000,  img::DawkaBen,       0xB0, "Odczyt dawki benzyny",                             0xD0, "\n  Zapis dawki benzyny",                              2, true},
  {0x4000,    img::OpisSterownika, 0xBE, "Odczyt opisu",                                     0xDE, "\n  Zapis opisu",                                      2, false},
  {0x8000,    img::BuforZapisuHasla, 0,  "",                                                 0xDF, "\n  Zapis hasła",                                      25, false},
};

constexpr Command kCommands[] = {
  {0x1,     0x81, "\n  Numer seryjny i wersja",              1},
  {0x2,     0x82, "\n  Odczyt błędów",                        0},
  {0x4,     0x76, "\n  Czytaj DTC",                           0},
  {0x8,     0x74, "\n  Kasuj DTC",                            0},
  {0x10,    0x80, "\n  Odczyt param. biez.",                  0},
  {0x20,    0x83, "\n  Kasowanie błędów",                     4},
  {0x40,    0x84, "\n  Zmiana paliwa automatyczna",           0},
  {0x80,    0x85, "\n  Zmiana paliwa szybka",                 0},
  {0x100,   0x86, "\n  Zmiana załączonych wtryskiwaczy",      0},
  {0x200,   0x87, "\n  Test głośnika",                        0},
  {0x400,   0x88, "\n  Test szczelności",                     0},
  {0x800,   0x88, "\n  Test zaworów",                         0},
  {0x1000,  0x89, "\n  Nastawy fabryczne",                    0},
  {0x2000,  0x8D, "\n  kasowanie hasła",                      25},
  {0x4000,  0x7B, "\n  kolory centralki",                     0},
  {0x8000,  0x78, "\n  kasuj licz. uruch. awar.",             0},
  {0x10000, 0x77, "\n  oscyloskop wej. ben.",                 0},
  {0x20000, 0x85, "\n  przelacz na ben.",                     0},
};
// clang-format on

}  // namespace

std::span<const DataArea> DataAreas() {
  return kAreas;
}

const DataArea* AreaOfReadCode(uint8_t code) {
  const auto it = std::find_if(std::begin(kAreas), std::end(kAreas),
                               [code](const DataArea& a) { return a.readCode == code; });
  return code != 0 && it != std::end(kAreas) ? it : nullptr;
}

const DataArea* AreaOfWriteCode(uint8_t code) {
  const auto it = std::find_if(std::begin(kAreas), std::end(kAreas),
                               [code](const DataArea& a) { return a.writeCode == code; });
  return it != std::end(kAreas) ? it : nullptr;
}

const Command& CommandOfBit(uint32_t bit) {
  return *std::find_if(std::begin(kCommands), std::end(kCommands),
                       [bit](const Command& c) { return c.bit == bit; });
}

}  // namespace transmission
