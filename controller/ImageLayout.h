#pragma once

// Offsets into the controller image ObrazSterownika (7136 bytes). Every data area travels as
// 256 bytes; 16 x 16 tables are stored column by column.
namespace img {

inline constexpr int kSize = 7136;
inline constexpr int kAreaSize = 256;

inline constexpr int FlagiWykresow = 1;
inline constexpr int KoloryLed = 125;  // 30 bytes: the dashboard switch's LED colours
inline constexpr int BlokIdent = 283;  // 128 bytes: the identification reply as received
inline constexpr int kBlokIdentSize = 128;
inline constexpr int MapaEcuBen = 475;
inline constexpr int MapaEcuGaz = 731;
inline constexpr int MapaObdBen1 = 987;
inline constexpr int MapaObdGaz1 = 1243;
inline constexpr int MapaObdBen2 = 1499;
inline constexpr int MapaObdGaz2 = 1755;
inline constexpr int Nastawy = 2011;  // 512 bytes in two pages
inline constexpr int Nastawy2 = 2267;
inline constexpr int Mnoznik1 = 2523;
inline constexpr int Mnoznik2 = 2779;
inline constexpr int KorOdObr1 = 3035;
inline constexpr int KorOdObr2 = 3291;
inline constexpr int HistoriaZmian = 3547;
inline constexpr int KorOdCis = 3803;
inline constexpr int KorOdTempRed = 4059;
inline constexpr int KorOdTempGazu = 4315;
inline constexpr int EmulacjaHi = 4571;
inline constexpr int EmulacjaLo = 4827;
inline constexpr int PrzesGaz = 5083;
inline constexpr int DawkaBen = 5339;
inline constexpr int Domieszka = 5595;
inline constexpr int MapaCis = 5851;
inline constexpr int OpisSterownika = 6107;
inline constexpr int RekordHasla = 6363;  // 512 bytes: the workstation's password record
inline constexpr int BuforZapisuHasla = 6875;
inline constexpr int PotwierdzenieBloku = 7131;  // a firmware block is out, not yet acknowledged
inline constexpr int DaneObdDoWyslania = 7132;

// Bytes of the identity block (frame byte k of the identification reply is img 283 + k).
inline constexpr int StanIdentyfikacji = 288;
inline constexpr int KodKreskowy = 289;  // 16 characters
inline constexpr int NumSerProc = 305;   // 13 bytes
inline constexpr int HasloUstawione = 319;
inline constexpr int KontrolaNumeru = 320;
inline constexpr int Wyrob = 321;
inline constexpr int WariantPlytki = 322;
inline constexpr int Firma = 323;
inline constexpr int Montaz = 324;
inline constexpr int Schemat = 325;  // the family code
inline constexpr int IleWtr = 326;
inline constexpr int WersjaPlytki = 327;
inline constexpr int RewizjaPlytki = 328;
inline constexpr int RokProdukcji = 329;
inline constexpr int MiesiacProdukcji = 330;
inline constexpr int DzienProdukcji = 331;
inline constexpr int Kod = 333;  // 3 bytes
inline constexpr int Litera = 336;
inline constexpr int Opis = 337;  // special-version code
inline constexpr int WersjaSprzetu = 338;
inline constexpr int FirmaProgramu = 339;
inline constexpr int WerBeta = 340;
inline constexpr int SchematProgramu = 341;
inline constexpr int IleWtrProgramu = 342;
inline constexpr int Wersja = 343;  // the firmware version
inline constexpr int IleStron = 344;
inline constexpr int RokProgramu = 345;
inline constexpr int MiesiacProgramu = 346;
inline constexpr int DzienProgramu = 347;
inline constexpr int WymaganyPoziom = 348;
inline constexpr int Eeprom1 = 349;  // its first four bytes are idle trims kept in 78..178
inline constexpr int Eeprom2 = 365;
// Work statistics (16 bits each, low byte first): the seconds within the current hour and the
// whole hours, on petrol and on gas; and the emergency starts, 255 when not counted.
inline constexpr int CzasBenzynySekundy = 353;
inline constexpr int CzasBenzynyGodziny = 355;
inline constexpr int CzasGazuSekundy = 357;
inline constexpr int CzasGazuGodziny = 359;
inline constexpr int LicznikUruch = Eeprom2;

// The configuration keeps display bytes per family in groups of this stride.
inline constexpr int kTraceFlagGroupStride = 25;

}  // namespace img
