#include "controller/TransmissionTables.h"

#include <algorithm>
#include <iterator>

#include "controller/ImageLayout.h"

namespace transmission {

namespace {

using namespace AreaBit;

// clang-format off
constexpr DataArea kAreas[] = {
  // bit                  area               read  read log                                            write write log                                                pause history
  {Settings,              img::Nastawy,        0xE8, "Odczyt nastaw",                                    0xF8, "\n  Zapis nastaw",                                     2, true},
  {Settings2,             img::Nastawy2,       0xE7, "Odczyt nastaw 2",                                  0xF7, "\n  Zapis nastaw 2",                                   2, true},
  {Multiplier1,           img::Mnoznik1,       0xE9, "Odczyt mnożnika bank 1",                           0xF9, "\n  Zapis mnożnika bank 1",                            2, true},
  {Multiplier2,           img::Mnoznik2,       0xEA, "Odczyt mnożnika bank 2",                           0xFA, "\n  Zapis mnożnika bank 2",                            2, true},
  {RpmCorrection1,        img::KorOdObr1,      0xEB, "Odczyt korekty od obrotów bank 1",                 0xFB, "\n  Zapis korekty od obrotów bank 1",                  2, true},
  {RpmCorrection2,        img::KorOdObr2,      0xEC, "Odczyt korekty od obrotów bank 2",                 0xFC, "\n  Zapis korekty od obrotów bank 2",                  2, true},
  {PetrolMap,             img::MapaEcuBen,     0xE0, "Odczyt mapy czasów wtrysku benzyny",               0xF0, "\n  Zapis mapy benzyny",                               3, false},
  {GasMap,                img::MapaEcuGaz,     0xE1, "Odczyt mapy czasów wtrysku gazu",                  0xF1, "\n  Zapis mapy gazu",                                  3, false},
  {ObdPetrolMap1,         img::MapaObdBen1,    0xE2, "Odczyt mapy obd benzyna bank 1",                   0xF2, "\n  Zapis mapy kor. obd ben 1",                        3, false},
  {ObdGasMap1,            img::MapaObdGaz1,    0xE3, "Odczyt mapy obd gaz bank 1",                       0xF3, "\n  Zapis mapy kor. obd gaz 1",                        3, false},
  {ObdPetrolMap2,         img::MapaObdBen2,    0xE4, "Odczyt mapy obd benzyna bank 2",                   0xF4, "\n  Zapis mapy kor. obd ben 2",                        3, false},
  {ObdGasMap2,            img::MapaObdGaz2,    0xE5, "Odczyt mapy obd gaz bank 2",                       0xF5, "\n  Zapis mapy kor. obd gaz 2",                        3, false},
  {History,               img::HistoriaZmian,  0xA7, "Odczyt historii",                                  0xC7, "\n  Zapis historii",                                   2, false},
  {PressureCorrection,    img::KorOdCis,       0xA8, "Odczyt korekt od cis. gazu",                       0xC8, "\n  Zapis korekty od cis. gazu",                       2, true},
  {ReducerTempCorrection, img::KorOdTempRed,   0xA9, "Odczyt korekt od temp. red.",                      0xC9, "\n  Zapis korekty od temp. red.",                      2, true},
  {GasTempCorrection,     img::KorOdTempGazu,  0xAA, "Odczyt korekt od temp. gazu",                      0xCA, "\n  Zapis korekty od temp. gazu",                      2, true},
  {EmulatorHi,            img::EmulacjaHi,     0xAB, "Odczyt emulatora ciś. paliwa",                     0xCB, "\n  Zapis emulatora ciś. paliwa",                      2, true},
  {Admixture,             img::Domieszka,      0xAC, "Odczyt opóźnienia wtr. gazu / domieszki ben.",     0xCC, "\n  Zapis opóźnienia wtr. gazu / domieszki ben.",      2, true},
  {PressureMap,           img::MapaCis,        0xAD, "Odczyt wzbogacania-zubożania / mapy ciś.",         0xCD, "\n  Zapis wzbogacania-zubożania / mapy ciś.",          2, true},
  {EmulatorLo,            img::EmulacjaLo,     0xAE, "Odczyt emulatora ciś. paliwa low",                 0xCE, "\n  Zapis emulatora ciś. paliwa low",                  2, true},
  {GasAdvance,            img::PrzesGaz,       0xAF, "Odczyt przesunięcia gazu",                         0xCF, "\n  Zapis przesuniecia gazu",                          2, true},
  {PetrolDose,            img::DawkaBen,       0xB0, "Odczyt dawki benzyny",                             0xD0, "\n  Zapis dawki benzyny",                              2, true},
  {Description,           img::OpisSterownika, 0xBE, "Odczyt opisu",                                     0xDE, "\n  Zapis opisu",                                      2, false},
  {Password,              img::BuforZapisuHasla, 0,  "",                                                 0xDF, "\n  Zapis hasła",                                      25, false},
};

constexpr Command kCommands[] = {
  // bit                           code                          log                                    pause cleared               grey
  {CommandBit::Identify,             code::Identification,         "\n  Numer seryjny i wersja",          1,  Cleared::ByReply,     false},
  {CommandBit::ReadErrors,           code::ErrorList,              "\n  Odczyt błędów",                   0,  Cleared::ByReply,     false},
  {CommandBit::ObdReadDtc,           code::ObdDtc,                 "\n  Czytaj DTC",                      0,  Cleared::ByReply,     false},
  {CommandBit::ObdClearDtc,          code::ObdDtcCleared,          "\n  Kasuj DTC",                       0,  Cleared::ByReply,     false},
  {CommandBit::LiveCommand,          code::LiveCommand,            "\n  Odczyt param. biez.",             0,  Cleared::ByReply,     false},
  {CommandBit::ClearErrors,          code::ClearErrors,            "\n  Kasowanie błędów",                4,  Cleared::ByReply,     false},
  {CommandBit::FuelChangeAuto,       code::FuelChangeAuto,         "\n  Zmiana paliwa automatyczna",      0,  Cleared::ByReply,     false},
  {CommandBit::FuelChangeFast,       code::FuelChangeFast,         "\n  Zmiana paliwa szybka",            0,  Cleared::ByReply,     false},
  {CommandBit::SendInjectorMask,     code::InjectorMask,           "\n  Zmiana załączonych wtryskiwaczy", 0,  Cleared::ByReply,     false},
  {CommandBit::SpeakerTest,          code::SpeakerTest,            "\n  Test głośnika",                   0,  Cleared::ByReply,     false},
  {CommandBit::LeakTest,             code::LeakOrValveTest,        "\n  Test szczelności",                0,  Cleared::ByReply,     false},
  {CommandBit::ValveTest,            code::LeakOrValveTest,        "\n  Test zaworów",                    0,  Cleared::ByReply,     false},
  {CommandBit::FactorySettings,      code::FactorySettings,        "\n  Nastawy fabryczne",               0,  Cleared::ByReply,     false},
  {CommandBit::ErasePassword,        code::PasswordErased,         "\n  kasowanie hasła",                 25, Cleared::WhenSent,    true},
  {CommandBit::SendLedColours,       code::LedColours,             "\n  kolory centralki",                0,  Cleared::WhenSent,    true},
  {CommandBit::ClearEmergencyStarts, code::EmergencyStartsCleared, "\n  kasuj licz. uruch. awar.",        0,  Cleared::ByReply,     true},
  {CommandBit::ReadPetrolScope,      code::PetrolScope,            "\n  oscyloskop wej. ben.",            0,  Cleared::ByLastChunk, true},
  {CommandBit::SwitchToPetrol,       code::FuelChangeFast,         "\n  przelacz na ben.",                0,  Cleared::OnItsTurn,   true},
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

uint32_t CommandBitsAnsweredBy(uint8_t code) {
  uint32_t bits = 0;
  for (const Command& c : kCommands)
    if (c.code == code && c.cleared == Cleared::ByReply) bits |= c.bit;
  return bits;
}

}  // namespace transmission
