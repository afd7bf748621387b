// The firmware update: the image checked and loaded, its blocks streamed to the bootloader one
// frame per turn, each acknowledgement advancing the next, and the way back when it is cut.

#include <algorithm>
#include <cstring>

#include "controller/FirmwareImage.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "lang/UiServices.h"

namespace {

constexpr int kBlockNumber = 4;  // frame bytes 4 and 5: the block number, low byte first
constexpr int kData = 6;
constexpr int kHeaderPayload = 2;
// Said with "Device software error" when the controller waits in its bootloader unasked.
constexpr int kRunUpdateAgainText = 6160;

}  // namespace

bool TSterownik::Aktualizacja(const std::string& file) {
  std::vector<uint8_t> bytes;
  const firmware::ImageCheck check = firmware::CheckImageFile(file, &obraz_, bytes);
  if (!check.ok()) {
    if (const std::string message = firmware::RefusalMessage(check.fault, file); !message.empty())
      ui_.MessageBox(message, mb::kIconStop);
    return false;
  }
  Log("  wersja : " + std::to_string(check.header.flashMode), log_colour::kGreen);
  Log("  rozmiar: " + std::to_string(check.blocks), log_colour::kGreen);
  upload_.Start(std::move(bytes), check.header, check.blocks);
  updatedController_ = StrKodKreskowy();
  // No block of the new image goes out before the bootloader has identified itself.
  zapisFlash_ = false;
  obraz_[img::PotwierdzenieBloku] = 0;
  aktualizacjaZlecona_ = true;
  skokDoBootloadera_ = true;
  return true;
}

void TSterownik::PrzerwijAktualizacje() {
  if (!aktualizacjaZlecona_ && !zapisFlash_) return;
  // A jump not yet sent leaves the controller where it is; one sent needs the way back.
  powrotZBootloadera_ = !skokDoBootloadera_;
  skokDoBootloadera_ = false;
  zapisFlash_ = false;
  aktualizacjaZlecona_ = false;
  obraz_[img::PotwierdzenieBloku] = 0;
}

// The same block goes out on every turn until its acknowledgement arrives.
void TSterownik::SendFirmwareBlock() {
  const std::span<const uint8_t> data = upload_.FrameData();
  const int block = upload_.BlokFlash();
  buforNadawania_[kBlockNumber] = static_cast<uint8_t>(block & 0xFF);
  buforNadawania_[kBlockNumber + 1] = static_cast<uint8_t>(block >> 8);
  std::memcpy(&buforNadawania_[kData], data.data(), data.size());
  przerwaNadawania_ = upload_.PauseAfter();
  obraz_[img::PotwierdzenieBloku] = 1;
  upload_.Sent();
  Log("\n  Zapis Flash", log_colour::kGrey);
  Ramka(code::FirmwareBlock, kHeaderPayload + static_cast<int>(data.size()));
}

// Only the first acknowledgement of a frame advances the block; a late answer to the frame
// before does not count for the frame out.
bool TSterownik::FirmwareBlockAcknowledged(int length) {
  if (!zapisFlash_) return true;
  const std::span<const uint8_t> header(
      &buforOdbioru_[kBlockNumber], static_cast<size_t>(std::clamp(length - kBlockNumber, 0, 2)));
  if (!obraz_[img::PotwierdzenieBloku]) {
    upload_.StrayAnswer();
    return true;
  }
  if (upload_.IsLateAnswer(header)) {
    const int named = header.size() < 2 ? header[0] : header[0] | header[1] << 8;
    Log("  potwierdzenie bloku " + std::to_string(named) + " zamiast " +
            std::to_string(upload_.BlokFlash()),
        log_colour::kRed);
    return true;
  }
  obraz_[img::PotwierdzenieBloku] = 0;
  upload_.Advance();
  Event(EventKind::Firmware, firmware_event::Progress, upload_.Percent());
  if (!upload_.Complete()) return true;
  powrotZBootloadera_ = true;
  zapisFlash_ = false;
  aktualizacjaZlecona_ = false;
  firmwareEntryDue_ = updatedController_;
  Event(EventKind::Firmware, firmware_event::Finished, upload_.Percent());
  return true;
}

bool TSterownik::RunsUploadedFirmware() const {
  const firmware::NaglowekObrazu& image = upload_.Header();
  const bool running =
      stanIdent_ == ident_state::Normal || stanIdent_ == ident_state::PasswordLocked;
  return running && image.version != 0 && WersjaProgramu() == image.version &&
         obraz_[img::WerBeta] == image.beta;
}

// An update cut off in the middle leaves the controller in its bootloader: the installer is
// told that running the update again from the start brings it back.
void TSterownik::InBootloaderWithoutUpdate() {
  ui_.MessageBox(LangText(1365) + "\n" + LangText(kRunUpdateAgainText), mb::kIconStop);
  Event(EventKind::Firmware, firmware_event::InBootloader);
}
