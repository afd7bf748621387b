#include "cli/PasswordCommand.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/ConsoleUi.h"
#include "cli/LinkOptions.h"
#include "cli/WorkstationSetup.h"
#include "controller/Clock.h"
#include "files/FileIo.h"
#include "files/PrintableText.h"
#include "lang/Langtext.h"

namespace {

constexpr int kSaved = 0;
constexpr int kBadPassword = 4;

enum class Action { kNone, kSet, kClear, kErase };

struct PasswordOptions {
  LinkOptions link;
  Action action = Action::kNone;
  std::string password;  // set's, or --save's
  std::string out;
  bool save = false;
  bool yes = false;
};

bool TakeAction(std::span<char*> arguments, size_t& i, PasswordOptions& o) {
  const std::string arg = arguments[i];
  if (o.action != Action::kNone) return false;
  if (arg == "set" && i + 1 < arguments.size()) {
    o.action = Action::kSet;
    o.password = arguments[++i];
  } else if (arg == "clear") {
    o.action = Action::kClear;
  } else if (arg == "erase") {
    o.action = Action::kErase;
  } else {
    return false;
  }
  return true;
}

bool Parse(std::span<char*> arguments, PasswordOptions& o) {
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string arg = arguments[i];
    const bool value = i + 1 < arguments.size();
    if (TakeLinkOption(arguments, i, o.link) || TakeAction(arguments, i, o)) continue;
    if (arg == "--save" && value && !o.save) {
      o.save = true;
      o.password = arguments[++i];
    } else if (arg == "--out" && value) {
      o.out = arguments[++i];
    } else if (arg == "--yes") {
      o.yes = true;
    } else {
      return false;
    }
  }
  if (o.save) return o.action == Action::kNone && !o.out.empty() && o.link.port.empty() && !o.yes;
  return o.action != Action::kNone && o.out.empty() && o.yes && Complete(o.link);
}

int SaveResult(int saved) {
  if (saved == kSaved) return kOk;
  if (saved != kBadPassword) return kFileError;  // told by the link, naming the file
  Fail("a password has 1 to 127 characters");
  return kRefusedByRules;
}

int SaveRecord(const PasswordOptions& o) {
  ConsoleUi ui;
  SteadyClock clock;
  TSterownik link(ui, clock);
  link.SetPasswordFile(o.out);
  const int result = SaveResult(link.ZapiszPlikHaslo(o.password));
  if (result == kOk) std::printf("password record written to %s\n", Printable(o.out).c_str());
  return result;
}

// What the controller must be in for the action: set and clear need it open to this
// workstation; the erase serves the one that is not.
int Refusal(const TSterownik& link, Action action) {
  const int state = link.StanIdent();
  if (state == ident_state::PasswordLocked && action != Action::kErase) {
    Fail(
        "the controller is locked by a password this workstation does not hold; only erase "
        "removes it");
    return kRefused;
  }
  if (state != ident_state::Normal && state != ident_state::PasswordLocked) {
    Fail(ControllerIs(state));
    return kRefused;
  }
  if (action != Action::kErase && !link.SerwisHaslo()) {
    Fail("firmware version " + std::to_string(link.WersjaProgramu()) + " has no password lock");
    return kRefusedByRules;
  }
  return kOk;
}

bool Ask(TSterownik& link, Action action) {
  if (action == Action::kSet) return link.UstawHaslo();
  if (action == Action::kClear) return link.KasujHaslo();
  link.UsunHaslo();
  return true;
}

// Runs until the controller has acknowledged and the link has identified it again.
int Change(TSterownik& link, Action action, const CommandTime& time, bool& acknowledged) {
  const uint8_t acknowledgement =
      action == Action::kErase ? code::PasswordErased : code::PasswordWritten;
  bool identifiedAgain = false;
  link.OnZdarzenie = [&](const LinkEvent& e) {
    if (e.kind != EventKind::ReplyAccepted) return;
    if (e.code == acknowledgement) acknowledged = true;
    if (acknowledged && e.code == code::Identification) identifiedAgain = true;
  };
  if (!Ask(link, action)) return kRefusedByRules;
  const int run = RunUntil(
      link, [&] { return identifiedAgain; }, time);
  link.OnZdarzenie = nullptr;
  return run;
}

// The workstation's record before a new one was saved: nothing when there was none.
struct SavedRecord {
  std::optional<std::vector<uint8_t>> bytes;
  bool readable = true;
};

SavedRecord RecordOnDisk(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) return {};
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(path, bytes, 1 << 16).ok) return {{}, false};
  return {bytes};
}

// A controller that never acknowledged the new password still holds the old one, which the old
// record opens: the workstation keeps it.
void PutBack(const std::string& path, const SavedRecord& saved) {
  if (!saved.readable) return;
  std::error_code error;
  const bool restored = saved.bytes ? WriteFileAtomically(path, *saved.bytes).ok
                                    : std::filesystem::remove(path, error);
  if (restored)
    std::fprintf(stderr, "malver-cli: this workstation's password record is unchanged\n");
}

int ChangeOnController(const PasswordOptions& o) {
  const CommandTime time = TimeOf(o.link);
  Texts().LanguageIndex = 0;
  ConsoleUi ui(o.yes);
  SteadyClock clock;
  TSterownik link(ui, clock);
  UseWorkstation(link);
  if (o.link.log) LogTransmission(link);
  if (const int connected = Connect(link, o.link.port, time); connected != kOk) return connected;
  if (const int refused = Refusal(link, o.action); refused != kOk) return refused;
  // The workstation's record changes only for a controller that takes the new password.
  const bool setting = o.action == Action::kSet;
  const SavedRecord before = setting ? RecordOnDisk(link.PasswordFile()) : SavedRecord{};
  if (setting) {
    // A first record on a new account goes into a data folder not made yet.
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(link.PasswordFile()).parent_path(),
                                        error);
    if (const int saved = SaveResult(link.ZapiszPlikHaslo(o.password)); saved != kOk) return saved;
  }
  bool acknowledged = false;
  if (const int changed = Change(link, o.action, time, acknowledged); changed != kOk) {
    if (setting && !acknowledged) PutBack(link.PasswordFile(), before);
    return changed;
  }
  const bool wanted = o.action == Action::kSet;
  if (link.StanIdent() != ident_state::Normal || link.HasloUstawione() != wanted) {
    Fail("the controller, identified again, does not show the change");
    return kNotKept;
  }
  std::printf("%s\n", wanted                       ? "password set"
                      : o.action == Action::kClear ? "password cleared"
                                                   : "password erased");
  return kOk;
}

}  // namespace

int Password(std::span<char*> arguments) {
  PasswordOptions o;
  if (!Parse(arguments, o)) return kUsage;
  return o.save ? SaveRecord(o) : ChangeOnController(o);
}
