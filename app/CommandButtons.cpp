#include "app/CommandButtons.h"

#include <cstddef>

#include "charts/CorrectionCurve.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "lang/UiServices.h"
#include "obd/Telmobd.h"

namespace {

using Colour = CommandButton::Colour;
using namespace command_tag;

constexpr int kSettingsTab = 0, kCalibrationTab = 1, kDiagnosticsTab = 3;

bool Confirmed(UiServices& ui, int textId) {
  return LangMessageBox(ui, textId, mb::kYesNo | mb::kIconExclamation) == mb::kIdYes;
}

// The tightness tests close the valves: the installer is told to stop a running engine first.
void WarnIfEngineRuns(const TSterownik& link, UiServices& ui) {
  if (link.StanSilnika() & WorkFlag::EngineTurning) LangMessageBox(ui, 2109, mb::kIconExclamation);
}

// The multiplier clear of the bank in view: both banks while they are edited together.
int BankMask(int bank) {
  return bank == 0 ? 3 : bank;
}

}  // namespace

bool RestoreFactorySettings(TSterownik& link, UiServices& ui) {
  if (!Confirmed(ui, 2100)) return false;
  if (link.StanIdent() == ident_state::PasswordLocked) {
    ui.MessageBox(LangText(2203) + ".", mb::kIconInformation);
    return false;
  }
  link.NastawyFabryczne();
  return true;
}

CommandRow CommandsOfTab(int tab) {
  switch (tab) {
    case kSettingsTab:
      return {{{}, {}, {}, {FactorySettings, 1260, Colour::Selected}}};
    case kCalibrationTab:
      return {{{}, {}, {}, {kCalibrationCommand, 1261, Colour::Selected}}};
    case kDiagnosticsTab:
      return {{{SpeakerTest, 1265, Colour::Text},
               {LeakTest, 1266, Colour::Text},
               {ValvesTest, 1257, Colour::Text},
               {DeleteErrors, 1264, Colour::Selected}}};
    default:
      return {};
  }
}

CommandRow CommandsOfObdSubTab(int podZakladkaObd) {
  if (podZakladkaObd == 0)
    return {{{ReadElmCodes, 1273}, {ClearElmCodes, 1274}, {}, {ConnectElm, 1118}}};
  if (podZakladkaObd == 2)
    return {{{ReadModuleCodes, 1273},
             {ClearModuleCodes, 1274, Colour::Text, LangText(1274) + " [home]"},
             {},
             {}}};
  return {};
}

namespace {

// The Map tab's erases: a question, then one reset of the link.
struct Erase {
  int tag;
  int question;
  void (*reset)(TSterownik&);
};
constexpr Erase kErases[] = {
    {DeletePetrolMap, 2101, [](TSterownik& l) { l.KasujMapeEcuBen(); }},
    {DeleteGasMap, 2102, [](TSterownik& l) { l.KasujMapeEcuGaz(); }},
    {DeleteAdjustments, 2103, [](TSterownik& l) { l.KasujMnoznik(BankMask(l.AktalnyBank())); }},
    {DeleteRpmCorrections, 2104, [](TSterownik& l) { l.KasujKorOdObr(BankMask(l.AktalnyBank())); }},
    {EraseEmulatorHi, 2108, [](TSterownik& l) { l.KasujEmulacjeHi(false); }},
    {EraseKaviEmulatorHi, 2108, [](TSterownik& l) { l.KasujEmulacjeHi(true); }},
    {EraseEmulatorLo, 2108, [](TSterownik& l) { l.KasujEmulacjeLo(); }},
    {EraseGasAdvance, 2108, [](TSterownik& l) { l.KasujPrzesGaz(); }},
    {ErasePetrolDose, 2108, [](TSterownik& l) { l.KasujDawkeBen(); }},
    {EraseDelays, 2108, [](TSterownik& l) { l.KasujOpoznienia(); }},
    {EraseAdmixture, 2108, [](TSterownik& l) { l.KasujDomieszke(); }},
    {EraseEnrichment, 2108, [](TSterownik& l) { l.KasujWzbogacenie(); }},
    {ErasePressureMap, 2108, [](TSterownik& l) { l.KasujMapeCis(); }},
    {EraseExtraInjections, 2108, [](TSterownik& l) { l.KasujDotrysk(); }},
};

// The table files of the emulators and the pressure map: kind of file (0, 1, 2), and whether
// the command reads it.
struct TableFileCommand {
  int tag;
  int kind;
  bool read;
};
constexpr TableFileCommand kTableFiles[] = {
    {ReadEmulatorHi, 0, true},   {SaveEmulatorHi, 0, false}, {ReadPressureMap, 1, true},
    {SavePressureMap, 1, false}, {ReadEmulatorLo, 2, true},  {SaveEmulatorLo, 2, false},
};

template <typename Entry, size_t N>
const Entry* Find(const Entry (&table)[N], int tag) {
  for (const Entry& entry : table)
    if (entry.tag == tag) return &entry;
  return nullptr;
}

// The maps over the RPM corrections: the learned injection times, the OBD corrections, or none.
bool DeleteUpperMap(TSterownik& link, UiServices& ui, bool petrol, int upperTable) {
  if (!Confirmed(ui, petrol ? 2101 : 2102)) return false;
  if (upperTable == 1) petrol ? link.KasujMapeEcuBen() : link.KasujMapeEcuGaz();
  if (upperTable == 2) petrol ? link.KasujMapeOdbBen() : link.KasujMapeObdGaz();
  return true;
}

// "Delete corrections" of a correction curve: the curve on the screen back to no correction.
bool DeleteCurveInView(TSterownik& link, UiServices& ui, int chartKind) {
  const chart::CurveKind* curve = chart::CurveKindOf(chartKind);
  if (!curve || !Confirmed(ui, 2104)) return false;
  chart::KasujKrzywa(link, *curve);
  return true;
}

// No adapter port chosen yet, or it is gone, or no car answers: the installer learns it at once.
bool NoElmConnection(UiServices& ui) {
  ui.MessageBox("ELM - " + LangText(1240), mb::kIconExclamation);
  return false;
}

bool RunElmCommand(TObd& obd, UiServices& ui, int tag) {
  if ((tag == ReadElmCodes || tag == ClearElmCodes) && !obd.CarConnected())
    return NoElmConnection(ui);
  switch (tag) {
    case ConnectElm:
      if (!obd.PortOpen(-1)) return NoElmConnection(ui);
      obd.WcisnietoPrzycisk(TObd::kPrzyciskRestart);  // the adapter is set up from the start
      return true;
    case ReadElmCodes:
      obd.WcisnietoPrzycisk(TObd::kPrzyciskCzytajBledy);
      return true;
    case ClearElmCodes:
      if (!Confirmed(ui, 2108)) return false;
      obd.WcisnietoPrzycisk(TObd::kPrzyciskKasujBledy);
      return true;
    default:
      return false;
  }
}

bool RunLinkCommand(TSterownik& link, UiServices& ui, int tag) {
  switch (tag) {
    case ReadModuleCodes:
      link.CzytajBledyObd();
      return true;
    case ClearModuleCodes:
      link.KasujBledyObd();
      return true;
    case FactorySettings:
      return RestoreFactorySettings(link, ui);
    case kCalibrationCommand:
      return StartOrStopCalibration(link, ui);
    case EmulatorLearning:
      link.SetUczenieEmulacji(!link.UczenieEmulacji());
      return true;
    case WritePressureMap:
      link.ZapiszDoSterownika(AreaBit::PressureMap);
      return true;
    case DeleteErrors:
      link.RozkazDoSterownika(CommandBit::ClearErrors);
      return true;
    case SpeakerTest:
      link.RozkazDoSterownika(CommandBit::SpeakerTest);
      return true;
    case LeakTest:
      WarnIfEngineRuns(link, ui);
      link.RozkazDoSterownika(CommandBit::LeakTest);
      return true;
    case ValvesTest:
      WarnIfEngineRuns(link, ui);
      link.RozkazDoSterownika(CommandBit::ValveTest);
      return true;
    default:
      return false;
  }
}

}  // namespace

bool RunCommand(TSterownik& link, UiServices& ui, int tag, const CommandContext& context) {
  if (const Erase* erase = Find(kErases, tag)) {
    if (!Confirmed(ui, erase->question)) return false;
    erase->reset(link);
    return true;
  }
  if (const TableFileCommand* file = Find(kTableFiles, tag))
    return file->read ? link.CzytajZPliku(file->kind, context.documentsFolder)
                      : link.ZapiszDoPliku(file->kind, context.documentsFolder);
  if (tag == DeleteCurve) return DeleteCurveInView(link, ui, context.chartKind);
  if (tag == DeleteUpperPetrolMap || tag == DeleteUpperGasMap)
    return DeleteUpperMap(link, ui, tag == DeleteUpperPetrolMap, context.upperTable);
  if (context.obd && RunElmCommand(*context.obd, ui, tag)) return true;
  return RunLinkCommand(link, ui, tag);
}

bool StartOrStopCalibration(TSterownik& link, UiServices& ui) {
  const bool running = link.KalibracjaTrwa();
  if (link.StartStopKalibracji() || running) return true;
  // Refused while the settings are still on their way, or with no controller: said at once.
  ui.MessageBox(LangText(link.PolaczonyPortComm() ? 1239 : 1240), mb::kIconExclamation);
  return false;
}

int CommandButtonMargin(int room, const std::vector<int>& captionWidths, int gap) {
  constexpr int kMargin = 20, kPackedMargin = 8;
  int needed = 0;
  for (int width : captionWidths)
    needed += width + kMargin + gap;
  return needed <= room ? kMargin : kPackedMargin;
}
