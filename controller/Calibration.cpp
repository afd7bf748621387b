// The automatic calibration's run: starting and stopping it, what every calibration frame
// measures before its step, which step a state runs, and how a run ends. A run that does not
// finish puts back what it changed, so that the controller never keeps a half-tuned multiplier.

#include <algorithm>

#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "lang/UiServices.h"

namespace {

using namespace status_frame;

constexpr int kMaxFramesWithoutSpeed = 10;
constexpr int kMaxImplausibleFrames = 50;
constexpr int kLongestPlausibleTime = 200;  // 10 ms in 0.05 ms units
constexpr int kRestoredAfterReconnection = 6152;
constexpr uint32_t kChangedByRun = AreaBit::Settings | AreaBit::Multiplier1 | AreaBit::Multiplier2;

// A running average over about sixteen frames, kept times 16 and started at the first value.
// Gives the average before this frame's value, 255 once it no longer fits a byte.
int Smooth(int& filter, int value) {
  if (filter == 0) filter = 16 * value;
  const int smoothed = filter > 4095 ? 255 : filter / 16;
  filter += value - filter / 16;
  return smoothed;
}

// The petrol times of the frame's cylinder records (0.004 ms) averaged over those that are not
// 0, in 0.05 ms rounded to the nearest; 0 when all are 0.
int AveragePetrolTime(const DecodedStatus& status, int injectors) {
  int sum = 0;
  int count = 0;
  for (int i = 0; i < injectors; ++i) {
    const int at = kInjectionTimes + kInjectionRecordSize * i;
    if (!status.Has(at, 2)) break;
    const int time = status.Word(at);
    sum += time;
    count += time != 0;
  }
  if (count == 0) return 0;
  const int average = sum / count;
  const int twentieths = average * 2 / 25;
  return twentieths + (2 * average - 25 * twentieths > 12 ? 1 : 0);
}

CalibrationSnapshot SnapshotOf(const std::array<uint8_t, img::kSize>& image, uint8_t injectorMask,
                               const std::string& barcode) {
  CalibrationSnapshot s;
  std::copy_n(&image[img::Nastawy], img::kAreaSize, s.settings.begin());
  std::copy_n(&image[img::Mnoznik1], img::kAreaSize, s.multiplier1.begin());
  std::copy_n(&image[img::Mnoznik2], img::kAreaSize, s.multiplier2.begin());
  s.injectorMask = injectorMask;
  s.barcode = barcode;
  return s;
}

}  // namespace

bool TSterownik::StartStopKalibracji() {
  if (KalibracjaTrwa()) {
    kalibracja_ = {};
    EndCalibration(CalibrationState::Stopped);
    return false;
  }
  // The run's undo is taken from the image: it has to hold what the controller holds.
  const bool readOut = obraz_[img::Firma] == 1 && stanIdent_ == ident_state::Normal &&
                       !(flagiCzytania_ & kChangedByRun);
  if (!Traits().gasController || !readOut || !PortConnected()) return false;
  kalibracja_ = {};
  snapshot_ = SnapshotOf(obraz_, zalaczoneWtryskiwacze_, StrKodKreskowy());
  stronaParam_ |= poll_page::CalibrationData;
  Event(EventKind::Calibration, static_cast<int>(CalibrationState::Started));
  return true;
}

void TSterownik::KalibracjaMalver() {
  CalibrationFrame(false);
}

void TSterownik::KalibracjaKavi() {
  CalibrationFrame(true);
}

void TSterownik::CalibrationFrame(bool kavi) {
  CalibrationPreamble();
  const bool showsProgress = CalibrationStep(kavi);
  if (showsProgress && KalibracjaTrwa())
    Event(EventKind::Calibration, static_cast<int>(CalibrationState::Progress),
          kalibracja_.progress);
}

// An engine that stops, or petrol times no engine at idle has, end the run.
void TSterownik::CalibrationPreamble() {
  CalibrationRun& run = kalibracja_;
  run.framesWithoutSpeed = status_.Word(kRpmTens) == 0 ? run.framesWithoutSpeed + 1 : 0;
  const int time = AveragePetrolTime(status_, ileWtryskiwaczy_);
  run.injectionTime = time == 0 ? 0 : Smooth(run.timeFilter, time);
  const bool implausible = run.injectionTime == 0 || run.injectionTime > kLongestPlausibleTime;
  run.implausibleFrames = implausible ? run.implausibleFrames + 1 : 0;
  if (run.framesWithoutSpeed > kMaxFramesWithoutSpeed ||
      run.implausibleFrames > kMaxImplausibleFrames)
    run.state = calibration_state::Aborted;
  Smooth(run.byte48Filter, status_.Byte(kGasPressure));
}

// The state's step; false when the frame shows no progress.
bool TSterownik::CalibrationStep(bool kavi) {
  switch (kalibracja_.state) {
    case 0:
      PrepareCalibration(kavi);
      break;
    case 1:
      WaitForPetrolToStart();
      break;
    case 16:
    case 80:
    case 144:
      SettlePetrolReference();
      break;
    case 17:
    case 81:
    case 145:
      WaitForPetrolReference();
      break;
    case 18:
    case 82:
    case 146:
      return MeasurePetrolReference(kavi);
    case 32:
    case 96:
    case 160:
      InjectorsForGas(kavi);
      break;
    case 33:
    case 97:
    case 161:
      SwitchToGas();
      break;
    case 34:
    case 98:
    case 162:
      WaitForGas();
      break;
    case 48:
    case 112:
    case 176:
      return kavi ? TuneIdleCorrection() : TuneMultiplier();
    case 64:
      NextInjector(kavi);
      break;
    case 128:
    case 192:
      BackToPetrol(kavi);
      break;
    case 65:
    case 129:
    case 193:
      WaitForPetrolToEnd();
      break;
    case calibration_state::Aborted:
      EndCalibration(CalibrationState::Aborted);
      break;
    default:
      break;
  }
  return true;
}

// The petrol reference and the conditions of the last pass change the settings page without
// a write of their own; the page goes out once more, so that the controller keeps the result.
void TSterownik::FinishCalibration() {
  kalibracja_.state = calibration_state::Finished;
  stronaParam_ &= static_cast<uint8_t>(~poll_page::CalibrationData);
  ZapiszDoSterownika(AreaBit::Settings);
  previousValues_ = CalibrationRestore::None;
  Event(EventKind::Calibration, static_cast<int>(CalibrationState::Finished));
  auto learned = [this](int map) {
    const uint8_t* cells = &obraz_[map];
    return std::any_of(cells, cells + img::kAreaSize, [](uint8_t cell) { return cell != 0; });
  };
  if (learned(img::MapaEcuGaz) && Ask(2102)) KasujMapeEcuGaz();
  if ((learned(img::MapaObdGaz1) || learned(img::MapaObdGaz2)) && Ask(2106)) KasujMapeObdGaz();
}

// Aborted or stopped: the values from before the run go back and are written.
void TSterownik::EndCalibration(CalibrationState how) {
  stronaParam_ &= static_cast<uint8_t>(~poll_page::CalibrationData);
  RestoreSnapshot(snapshot_);
  previousValues_ = CalibrationRestore::Restored;
  Event(EventKind::Calibration, static_cast<int>(how), static_cast<int>(previousValues_));
}

// Nothing can be written while the link is lost, so the values from before the run wait for
// the same controller to be read out again.
void TSterownik::EndCalibrationForLostLink() {
  if (!KalibracjaTrwa()) return;
  stronaParam_ &= static_cast<uint8_t>(~poll_page::CalibrationData);
  kalibracja_.state = calibration_state::Aborted;
  pendingRestore_ = snapshot_;
  previousValues_ = CalibrationRestore::Pending;
  Event(EventKind::Calibration, static_cast<int>(CalibrationState::Aborted),
        static_cast<int>(previousValues_));
}

void TSterownik::RestoreSnapshot(const CalibrationSnapshot& snapshot) {
  std::copy(snapshot.settings.begin(), snapshot.settings.end(), &obraz_[img::Nastawy]);
  std::copy(snapshot.multiplier1.begin(), snapshot.multiplier1.end(), &obraz_[img::Mnoznik1]);
  std::copy(snapshot.multiplier2.begin(), snapshot.multiplier2.end(), &obraz_[img::Mnoznik2]);
  ZapiszDoSterownika(kChangedByRun);
  ChangeInjectors(snapshot.injectorMask);
}

// Once the controller of a lost run has been read out again, its values from before the run
// replace what the run had left in it.
void TSterownik::RestoreAfterReconnection() {
  if (!pendingRestore_ || !ReadOutComplete() || StrKodKreskowy() != pendingRestore_->barcode)
    return;
  RestoreSnapshot(*pendingRestore_);
  pendingRestore_.reset();
  previousValues_ = CalibrationRestore::Restored;
  LangMessageBox(ui_, kRestoredAfterReconnection, mb::kIconInformation);
}

void TSterownik::FuelChange() {
  RozkazDoSterownika(CommandBit::FuelChangeAuto);
}

void TSterownik::ChangeInjectors(uint8_t mask) {
  zalaczoneWtryskiwacze_ = mask;
  RozkazDoSterownika(CommandBit::SendInjectorMask);
}

bool TSterownik::Ask(int textId) {
  return LangMessageBox(ui_, textId, mb::kYesNo | mb::kIconExclamation) == mb::kIdYes;
}
