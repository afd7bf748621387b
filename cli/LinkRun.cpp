#include "cli/LinkRun.h"

#include <bit>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "controller/AreaNames.h"
#include "controller/NumberText.h"
#include "files/PrintableText.h"
#include "serial/ComPorts.h"

int PortNumberOf(const std::string& port) {
  if (!port.empty() && port.find_first_not_of("0123456789") == std::string::npos)
    return std::atoi(port.c_str());
  return ComPortNumber(port);
}

namespace {

// Why an identification reply that came was refused, or empty when none came.
std::string Refusal(const TSterownik& link) {
  switch (link.LastIdentificationRefusal()) {
    case IdentificationRefusal::TooShort:
      return "the controller's identification reply is too short to name its maker";
    case IdentificationRefusal::TooLong:
      return "the controller's identification reply is too long for an identity block";
    case IdentificationRefusal::OtherMaker:
      return "a controller of another maker";
    case IdentificationRefusal::None:
      break;
  }
  if (link.Rodzina() != Family::Unknown)
    return "a controller this program does not serve (family " +
           std::to_string(static_cast<int>(link.Rodzina())) + ")";
  return {};
}

int NoAnswer(Run run, const CommandTime& time) {
  Fail(run == Run::kTimedOut
           ? "no answer from the controller within " + std::to_string(time.timeoutMs) + " ms"
           : "no answer from the controller");
  return kNoAnswer;
}

// How far the reads and writes asked of the link got: every area seen pending during the run,
// and those of them still pending.
class AreaProgress {
 public:
  explicit AreaProgress(const TSterownik& link) : link_(link) { Note(); }

  void Note() {
    reads_ |= link_.FlagiCzytania();
    writes_ |= PendingWrites();
  }

  // "12 of 17 areas read (not yet: …)", and the same of the writes; empty when none was asked.
  std::string Text() const {
    const std::string read = Part(reads_, link_.FlagiCzytania(), "read");
    const std::string written = Part(writes_, PendingWrites(), "written");
    return read + (!read.empty() && !written.empty() ? "; " : "") + written;
  }

 private:
  uint32_t PendingWrites() const { return link_.FlagiZapisu() | link_.FlagiZapisuWToku(); }

  static std::string Part(uint32_t asked, uint32_t pending, const char* done) {
    if (asked == 0) return {};
    const uint32_t left = asked & pending;
    std::string text = std::to_string(std::popcount(asked & ~left)) + " of " +
                       CountOf(static_cast<size_t>(std::popcount(asked)), "area") + " " + done;
    if (left != 0) text += " (not yet: " + AreaNames(left) + ")";
    return text;
  }

  const TSterownik& link_;
  uint32_t reads_ = 0;
  uint32_t writes_ = 0;
};

// A controller that answered while the time ran out is not silent: the message says that the
// time bound ended the command, and how far it got.
int OutOfTime(const CommandTime& time, const std::string& got) {
  Fail("the time bound ran out: not done within " + std::to_string(time.timeoutMs) +
       " ms, with the controller answering" + (got.empty() ? "" : "; " + got));
  return kNoAnswer;
}

}  // namespace

Run RunTicks(TSterownik& link, const std::function<bool()>& done, const CommandTime& time) {
  while (!done()) {
    if (link.ConnectionLost()) return Run::kLost;
    if (std::chrono::steady_clock::now() > time.deadline) return Run::kTimedOut;
    link.Timer1OnTimer();
    const int pause = time.tickMs > 0 ? time.tickMs : link.TimerInterval();
    std::this_thread::sleep_for(std::chrono::milliseconds(pause));
  }
  return Run::kDone;
}

void Fail(const std::string& message) {
  std::fprintf(stderr, "malver-cli: %s\n", message.c_str());
}

int RunUntil(TSterownik& link, const std::function<bool()>& done, const CommandTime& time,
             const std::function<std::string()>& progress) {
  AreaProgress areas(link);
  bool answered = false;
  const TSterownik::Zdarzenie own = link.OnZdarzenie;
  link.OnZdarzenie = [&](const LinkEvent& e) {
    if (e.kind == EventKind::ReplyAccepted) answered = true;
    if (own) own(e);
  };
  const Run run = RunTicks(
      link,
      [&] {
        areas.Note();
        return done();
      },
      time);
  link.OnZdarzenie = own;
  if (run == Run::kDone) return kOk;
  if (run == Run::kTimedOut && answered)
    return OutOfTime(time, progress ? progress() : areas.Text());
  return NoAnswer(run, time);
}

int Connect(TSterownik& link, const std::string& port, const CommandTime& time) {
  link.PortNumber = PortNumberOf(port);
  if (link.PortNumber <= 0 || !link.OtworzPortComm()) {
    Fail("cannot open port " + Printable(port));
    return kNoPort;
  }
  bool accepted = false;
  link.OnZdarzenie = [&](const LinkEvent& e) {
    if (e.kind == EventKind::ReplyAccepted && e.code == code::Identification) accepted = true;
  };
  const Run run = RunTicks(
      link, [&] { return accepted; }, time);
  link.OnZdarzenie = nullptr;
  if (accepted) return kOk;
  if (!link.PortConnected()) {
    Fail("the port went away");
    return kNoPort;
  }
  if (const std::string refusal = Refusal(link); !refusal.empty()) {
    Fail("identification refused: " + refusal);
    return kRefused;
  }
  return NoAnswer(run, time);
}

int ReadOut(TSterownik& link, const CommandTime& time) {
  if (link.StanIdent() != ident_state::Normal) {
    Fail(ControllerIs(link.StanIdent()) + "; nothing to read");
    return kRefused;
  }
  return RunUntil(
      link, [&] { return link.ReadOutComplete(); }, time);
}

std::string ControllerIs(int state) {
  switch (state) {
    case ident_state::InBootloader:
      return "the controller waits in its bootloader (controller software damaged)";
    case ident_state::Normal:
    case ident_state::PasswordLocked:
      return std::string("the controller is ") + StateName(state);
    default:
      return "the controller is in an unknown state";
  }
}

const char* StateName(int state) {
  switch (state) {
    case ident_state::Normal:
      return "normal";
    case ident_state::InBootloader:
      return "bootloader (controller software damaged)";
    case ident_state::PasswordLocked:
      return "password protected";
    default:
      return "unknown";
  }
}
