// The workshop password: the workstation's record on disk, presented with every
// identification, and the controller's own password set, cleared or erased.

#include <algorithm>
#include <filesystem>

#include "controller/FileMessages.h"
#include "controller/PasswordRecord.h"
#include "controller/Tsterownik.h"
#include "files/FileIo.h"
#include "lang/Langtext.h"

namespace {

constexpr int kFirstVersionWithPassword = 7;
const FileKind kPasswordFile{.name = "a password record", .largest = password_record::kSize};
constexpr int kSaved = 0;
constexpr int kBadPassword = 4;
constexpr int kNotWritten = 8;

bool FileExists(const std::string& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::exists(path, error);
}

}  // namespace

bool TSterownik::SerwisHaslo() const {
  return WersjaProgramu() >= kFirstVersionWithPassword;
}

// Whatever the file holds now is the record: a file that is gone or refused leaves none, or
// a record the workshop has since replaced would still be presented at every identification.
int TSterownik::CzytajPlikHaslo() {
  std::fill_n(&obraz_[img::RekordHasla], password_record::kSize, 0);
  if (!FileExists(plikHasla_)) return -1;
  std::vector<uint8_t> bytes;
  if (const FileResult read = ReadWholeFile(plikHasla_, bytes, kPasswordFile); !read.ok) {
    ShowFileError(ui_, read.wrongKind ? FileError::PasswordWrongSize : FileError::PasswordNotOpened,
                  plikHasla_);
    return -1;
  }
  return LoadPasswordRecord(bytes, plikHasla_);
}

int TSterownik::LoadPasswordRecord(std::span<const uint8_t> bytes, const std::string& path) {
  std::fill_n(&obraz_[img::RekordHasla], password_record::kSize, 0);
  switch (CheckPasswordRecord(bytes)) {
    case RecordFault::WrongLength:
      ShowFileError(ui_, FileError::PasswordWrongSize, path);
      return -1;
    case RecordFault::Empty:
      ShowFileError(ui_, FileError::PasswordEmpty, path);
      return -1;
    case RecordFault::None:
      break;
  }
  std::copy(bytes.begin(), bytes.end(), &obraz_[img::RekordHasla]);
  return 0;
}

int TSterownik::ZapiszPlikHaslo(const std::string& password) {
  const std::optional<PasswordRecord> record = BuildPasswordRecord(password);
  if (!record) return kBadPassword;
  if (plikHasla_.empty() || !WriteFileAtomically(plikHasla_, *record).ok) {
    ShowFileError(ui_, FileError::PasswordNotWritten, plikHasla_);
    return kNotWritten;
  }
  std::copy(record->begin(), record->end(), &obraz_[img::RekordHasla]);
  return kSaved;
}

// A controller locked against this workstation keeps its password: only the administrator's
// erase reaches it.
bool TSterownik::MayChangePassword() {
  if (!SerwisHaslo()) return false;
  if (stanIdent_ != ident_state::PasswordLocked) return true;
  ui_.MessageBox(LangText(2203) + ".", mb::kIconInformation);
  return false;
}

// False when the link takes no writes now (no port, or the controller counted lost).
bool TSterownik::WritePasswordBlock() {
  ZapiszDoSterownika(AreaBit::Password);
  return (flagiZapisu_ & AreaBit::Password) != 0;
}

bool TSterownik::UstawHaslo() {
  if (!MayChangePassword()) return false;
  if (CzytajPlikHaslo() != 0) {
    ui_.MessageBox(LangText(2201) + ".", mb::kIconInformation);
    RozkazDoSterownika(CommandBit::Identify);
    return false;
  }
  std::copy_n(&obraz_[img::RekordHasla], password_record::kBlockSize,
              &obraz_[img::BuforZapisuHasla]);
  return WritePasswordBlock();
}

bool TSterownik::KasujHaslo() {
  if (!MayChangePassword()) return false;
  std::fill_n(&obraz_[img::BuforZapisuHasla], password_record::kBlockSize, 0);
  return WritePasswordBlock();
}
