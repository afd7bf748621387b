#include "cli/CalibrateCommand.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "controller/AreaNames.h"
#include "controller/WriteCheck.h"
#include "lang/Langtext.h"

namespace {

constexpr uint32_t kCalibrated = AreaBit::Settings | AreaBit::Multiplier1 | AreaBit::Multiplier2;
// Kept back from the run so that an unfinished run can still put its values back in time.
constexpr int kRestoreReserveMs = 5000;
constexpr int kAbortedText = 1292;

// One line per state, and the progress at most once per five per cent.
class RunReport {
 public:
  void Show(const TSterownik& link, const LinkEvent& event) {
    if (link.KrokKalibracji() != state_) {
      state_ = link.KrokKalibracji();
      std::printf("state %d: %s\n", state_, CalibrationPhaseName(state_));
    }
    const int fifths = link.PostepKalibracji() * 100 / 1024 / 5;
    if (event.code == static_cast<int>(CalibrationState::Progress) && fifths != fifths_) {
      fifths_ = fifths;
      std::printf("progress %d %%\n", 5 * fifths);
    }
    std::fflush(stdout);
  }

 private:
  int state_ = -1;
  int fifths_ = -1;
};

// The link is reopened, as the desktop program does, until the controller has been read out
// again (which puts back the values of a lost run) or the time is up.
bool ReadOutAgain(TSterownik& link, const CommandTime& time) {
  while (std::chrono::steady_clock::now() < time.deadline) {
    link.KasujFlagiTransmisji("LiczDoBrakuPolaczenia > 8");
    link.ZamknijPortComm();
    if (!link.OtworzPortComm()) return false;
    const Run run = RunTicks(
        link, [&] { return link.ReadOutComplete(); }, time);
    if (run == Run::kDone) return true;
  }
  return false;
}

// Every write acknowledged, then the calibrated areas read back: the areas that differ from
// the image as it stood, or nothing read when the controller stopped answering.
struct Confirmation {
  bool answered = false;
  uint32_t differing = 0;
};

Confirmation Confirm(TSterownik& link, const CommandTime& time) {
  const WriteCheck written(link, kCalibrated);
  auto nothingToWrite = [&] { return (link.FlagiZapisu() | link.FlagiZapisuWToku()) == 0; };
  if (RunTicks(link, nothingToWrite, time) != Run::kDone) return {};
  link.CzytajZeSterownika(kCalibrated);
  auto readBack = [&] { return (link.FlagiCzytania() & kCalibrated) == 0; };
  if (RunTicks(link, readBack, time) != Run::kDone) return {};
  return {true, written.Differing(link)};
}

int Finished(TSterownik& link, const CommandTime& time) {
  const Confirmation confirmed = Confirm(link, time);
  if (!confirmed.answered) {
    Fail("the calibration finished, but its results were not confirmed as written: " +
         AreaNames(kCalibrated));
    return kNoAnswer;
  }
  if (confirmed.differing != 0) {
    Fail("the controller did not keep the calibration's results: " +
         AreaNames(confirmed.differing));
    return kNotKept;
  }
  std::printf("calibration finished: %s written and read back\n", AreaNames(kCalibrated).c_str());
  return kOk;
}

// The values from before the run, put back; code is the exit code of why the run ended.
int Unfinished(TSterownik& link, const CommandTime& time, int code) {
  const std::string aborted = LangText(kAbortedText) + ": ";
  if (link.PreviousValues() == CalibrationRestore::Pending && !ReadOutAgain(link, time)) {
    Fail(aborted + "no answer from the controller; it may hold values of the unfinished run");
    return kNoAnswer;
  }
  const Confirmation confirmed = Confirm(link, time);
  if (!confirmed.answered) {
    Fail(aborted + "the values from before the calibration were not confirmed as written");
    return kNoAnswer;
  }
  if (confirmed.differing != 0) {
    Fail(aborted + "the controller did not keep the values from before the calibration: " +
         AreaNames(confirmed.differing));
    return kNotKept;
  }
  Fail(aborted + CalibrationRestoreText(CalibrationRestore::Restored));
  return code;
}

}  // namespace

int Calibrate(TSterownik& link, const CommandTime& time) {
  if (const int read = ReadOut(link, time); read != kOk) return read;
  RunReport report;
  link.OnZdarzenie = [&](const LinkEvent& e) {
    if (e.kind == EventKind::Calibration) report.Show(link, e);
  };
  if (!link.StartStopKalibracji()) {
    Fail("this controller cannot be calibrated");
    return kRefusedByRules;
  }
  CommandTime runTime = time;
  runTime.deadline -= std::chrono::milliseconds(std::min(kRestoreReserveMs, time.timeoutMs / 4));
  const Run run = RunTicks(
      link, [&] { return !link.KalibracjaTrwa(); }, runTime);
  if (link.KalibracjaTrwa()) link.StartStopKalibracji();  // out of time: stopped, values back
  if (link.KrokKalibracji() == calibration_state::Finished) return Finished(link, time);
  const bool engine = run == Run::kDone && link.PreviousValues() == CalibrationRestore::Restored;
  if (run == Run::kTimedOut)
    Fail("the calibration did not finish within " + std::to_string(time.timeoutMs) + " ms");
  return Unfinished(link, time, engine ? kRefusedByRules : kNoAnswer);
}
