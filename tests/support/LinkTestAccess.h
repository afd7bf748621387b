#pragma once

#include "controller/Tsterownik.h"

// What a test sets up inside the link that no operation of the program sets directly: an
// image as a controller would have it, a catalogue or flag word in a given state.
struct LinkTestAccess {
  static auto& ObrazSterownika(TSterownik& l) { return l.obraz_; }
  static uint8_t* Nastawy(TSterownik& l) { return l.NastawyDoZapisu(); }
  static auto& ListaNastaw(TSterownik& l) { return l.listaNastaw_; }
  static auto& ListaWykresow(TSterownik& l) { return l.listaWykresow_; }
  static auto& KoloryWykresow(TSterownik& l) { return l.koloryWykresow_; }
  static uint32_t& FlagiCzytania(TSterownik& l) { return l.flagiCzytania_; }
  static uint32_t& FlagiZapisu(TSterownik& l) { return l.flagiZapisu_; }
  static uint32_t& FlagiRozkazow(TSterownik& l) { return l.flagiRozkazow_; }
  static uint32_t& FlagiZapisuWToku(TSterownik& l) { return l.flagiZapisuWToku_; }
  static int& LiczDoBrakuPolaczenia(TSterownik& l) { return l.liczDoBrakuPolaczenia_; }
  static uint8_t& OstatniRozkaz(TSterownik& l) { return l.ostatniRozkaz_; }
  static int& IleWtryskiwaczy(TSterownik& l) { return l.ileWtryskiwaczy_; }
  static uint8_t& ZalaczoneWtryskiwacze(TSterownik& l) { return l.zalaczoneWtryskiwacze_; }
  static uint8_t& StanPaliwa(TSterownik& l) { return l.stanPaliwa_; }
  static uint8_t& StanSilnika(TSterownik& l) { return l.stanSilnika_; }
  static auto& BuforOsc(TSterownik& l) { return l.buforOsc_; }
  static int& RozmiarRekordu(TSterownik& l) { return l.rozmiarRekordu_; }
  static int& IleRekordow(TSterownik& l) { return l.ileRekordow_; }
  static int& PrzerwaNadawania(TSterownik& l) { return l.przerwaNadawania_; }
  static int& LicznikTur(TSterownik& l) { return l.licznikTur_; }
  static int& NumerBanku(TSterownik& l) { return l.numerBanku_; }
  static CalibrationRun& Kalibracja(TSterownik& l) { return l.kalibracja_; }
};
