// What the identity block says about the controller: feature predicates and display texts.

#include <algorithm>
#include <cstdio>

#include "controller/Tsterownik.h"

namespace {

std::string Decimal(int value) {
  return std::to_string(value);
}

std::string TwoDigits(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

std::string Hex2(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X", value & 0xFF);
  return text;
}

struct CodeText {
  int code;
  const char* text;
};

const char* TextOf(const CodeText* table, size_t size, int code) {
  const CodeText* end = table + size;
  const CodeText* it =
      std::find_if(table, end, [code](const CodeText& e) { return e.code == code; });
  return it != end ? it->text : "";
}

constexpr CodeText kBaseNames[] = {
    {1, "MALVER ARO+"}, {2, "MALVER ELT+"},  {3, "MALVER rumo"},  {4, "MALVER FORTIX"},
    {5, "MALVER LUMO"}, {7, "Zudude ZED"},   {8, "MIRVANE v2.0"}, {9, "KAVI"},
    {10, "VESK"},       {11, "VESK FORTIX"}, {12, "KAVI"},        {13, "Fuel Pump Emulator"}};

constexpr CodeText kRevisionsModel9[] = {
    {7, " V1.0"}, {11, " V1.1"}, {12, " V1.1A"}, {13, " V1.2"}, {14, " V1.1B"}};
constexpr CodeText kRevisionsModel12[] = {{18, " V2.0"}, {19, " V2.0A"}};
constexpr CodeText kCylindersModel9[] = {
    {3, " 3 CYL."}, {4, " 4 CYL."}, {6, " 6 CYL."}, {8, " 8 CYL."}};
constexpr CodeText kCylindersModel12[] = {{6, " 3+3 CYL."}, {8, " 4+4 CYL."}};

constexpr CodeText kSpecialVersions[] = {{1, "MASTER"},
                                         {2, "SLAVE"},
                                         {3, "Valvetronic"},
                                         {4, "MultiAir"},
                                         {5, "Hybrid"},
                                         {6, "4x2 inj. (QASHQAI)"},
                                         {7, "4 cyl. + emu. pump"},
                                         {8, "3 cyl. + emu. pump"},
                                         {9, "4 cyl."},
                                         {10, "3 cyl."},
                                         {11, "DuzOzed"},
                                         {12, "brak zab. zwar."},
                                         {13, "3DI + 3MPI"},
                                         {14, "KIA"},
                                         {15, "BMW"},
                                         {16, "CITROEN"},
                                         {17, "3X2 inj. (Toyota)"},
                                         {18, "4X2 inj. dif. times"},
                                         {19, "3X2 inj. dif. times"}};

template <size_t N>
const char* TextOf(const CodeText (&table)[N], int code) {
  return TextOf(table, N, code);
}

bool AnyByteDiffers(const uint8_t* area, int from, int to, uint8_t value) {
  return std::any_of(area + from, area + to, [value](uint8_t b) { return b != value; });
}

}  // namespace

bool TSterownik::Czy_KAVI_DUAL() const {
  const int variant = obraz_[img::WariantPlytki];
  return Rodzina() == Family::Kavi && variant >= 16 && variant <= 19;
}

bool TSterownik::CzyKaviRoznicowa() const {
  return Rodzina() == Family::Kavi && obraz_[img::WariantPlytki] == 13;
}

bool TSterownik::CzyKaviTestPlus60V() const {
  return Rodzina() == Family::Kavi && obraz_[img::WariantPlytki] > 15;
}

bool TSterownik::CzyKaviTypDetBen() const {
  const int variant = obraz_[img::WariantPlytki];
  return Rodzina() == Family::Kavi && ((variant == 13 && WersjaProgramu() >= 17) || variant >= 17);
}

bool TSterownik::CzyKaviOscyloskop2() const {
  return Rodzina() == Family::Kavi && obraz_[img::WariantPlytki] > 20;
}

bool TSterownik::CzyKoretkaOdObr() const {
  const uint8_t* image = obraz_.data();
  return AnyByteDiffers(image + img::KorOdObr1, 0, img::kAreaSize, 100) ||
         AnyByteDiffers(image + img::KorOdObr2, 0, img::kAreaSize, 100);
}

bool TSterownik::CzyKoretkaOdTempRed() const {
  return AnyByteDiffers(&obraz_[img::KorOdTempRed], 50, img::kAreaSize, 128);
}

bool TSterownik::CzyKoretkaOdTempGazu() const {
  return AnyByteDiffers(&obraz_[img::KorOdTempGazu], 50, img::kAreaSize, 128);
}

bool TSterownik::CzyKoretkaOdCisGazu() const {
  return AnyByteDiffers(&obraz_[img::KorOdCis], 50, img::kAreaSize, 128);
}

bool TSterownik::CzyDomieszkaBenzyny() const {
  return Nastawy()[12] < 2 && AnyByteDiffers(&obraz_[img::Domieszka], 0, img::kAreaSize, 0);
}

bool TSterownik::CzyDotryskiBenzyny() const {
  return Nastawy()[156] != 0 && WersjaProgramu() >= 13 && CzyMapaCisnienia();
}

bool TSterownik::CzyMapaCisnienia() const {
  return AnyByteDiffers(&obraz_[img::MapaCis], 0, img::kAreaSize, 0);
}

std::string TSterownik::StrNazwaSterownika() const {
  const int model = obraz_[img::Wyrob];
  std::string name = TextOf(kBaseNames, model);
  const int cylinders = obraz_[img::IleWtrProgramu];
  const int revision = obraz_[img::WersjaSprzetu];
  if (model == 9)
    name += std::string(TextOf(kCylindersModel9, cylinders)) + TextOf(kRevisionsModel9, revision);
  if (model == 12)
    name += std::string(TextOf(kCylindersModel12, cylinders)) + TextOf(kRevisionsModel12, revision);
  const std::string special = StrOpisWerSpec(obraz_[img::Opis]);
  if (!special.empty()) name += " \"" + special + "\"";
  return name;
}

std::string TSterownik::StrOpisWerSpec(int code) {
  return TextOf(kSpecialVersions, code);
}

std::string TSterownik::StrKodKreskowy() const {
  const char* text = reinterpret_cast<const char*>(&obraz_[img::KodKreskowy]);
  return std::string(text, std::find(text, text + 16, '\0'));
}

std::string TSterownik::StrDataProdukcji() const {
  const int year = obraz_[img::RokProdukcji];
  if (year == 0) return {};
  return "20" + Decimal(year) + "." + TwoDigits(obraz_[img::MiesiacProdukcji]) + "." +
         TwoDigits(obraz_[img::DzienProdukcji]);
}

std::string TSterownik::StrIleWtryskiwaczy() const {
  const int count = obraz_[img::IleWtr];
  if (count == 0) return {};
  std::string text = Decimal(count);
  if (obraz_[img::Wyrob] == 12) text += "/" + Decimal(count / 2);
  return text;
}

std::string TSterownik::StrWersjaCyframi(int parts) const {
  const uint8_t* image = obraz_.data();
  const int state = image[img::StanIdentyfikacji];
  if (state != 0 && state != 2) return {};
  const int version = image[img::Wersja];
  std::string text;
  if ((parts & 0x01) && version != 0) {
    text += Decimal(version);
    if (image[img::WerBeta] != 0) text += " beta" + Decimal(image[img::WerBeta]);
    text += "  ";
  }
  if ((parts & 0x02) && version != 0) text += std::string(1, char('A' + image[img::Litera])) + ".";
  if (parts & 0x04)
    text += Decimal(image[img::SchematProgramu]) + "." + Decimal(image[img::WersjaSprzetu]) + "." +
            Decimal(image[img::IleWtrProgramu]) + "." + Decimal(version) + "  ";
  if ((parts & 0x08) && image[img::RokProgramu] != 0)
    text += "(20" + Decimal(image[img::RokProgramu]) + "." +
            TwoDigits(image[img::MiesiacProgramu]) + "." + TwoDigits(image[img::DzienProgramu]) +
            ")  ";
  if (parts & 0x10)
    text += Hex2(image[img::Kod]) + "." + Hex2(image[img::Kod + 1]) + "." +
            Hex2(image[img::Kod + 2]) + "  ";
  if (parts & 0x20) text += "Kod=" + StrKodKreskowy() + " ";
  if (parts & 0x40) {
    text += "NS=";
    for (int i = img::NumSerProc; i <= 317; ++i)
      text += Hex2(image[i]) + " ";
  }
  if (parts & 0x80) {
    text += "Eep=";
    for (int i = img::Eeprom1; i <= 360; ++i)
      text += Hex2(image[i]) + " ";
  }
  return text;
}
