// The firmware image's header and every check an image passes before it is sent, with the
// message the link gives for each refusal.

#include <gtest/gtest.h>

#include <functional>

#include "controller/FirmwareImage.h"
#include "files/FileIo.h"
#include "lang/Langtext.h"
#include "sim/FirmwareImages.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/OfflineLink.h"
#include "tests/support/TempFolder.h"

namespace {

using firmware::ImageFault;
using Bytes = std::vector<uint8_t>;

// The simulated MALVER rumo with a board of the given flash mode.
sim::Identity Board(int flashMode) {
  sim::Identity identity = sim::DefaultIdentity(2);
  identity.boardVersion = flashMode;
  return identity;
}

firmware::ControllerImage ControllerOf(const sim::Identity& id) {
  firmware::ControllerImage image{};
  image[img::WersjaPlytki] = static_cast<uint8_t>(id.boardVersion);
  image[img::WariantPlytki] = static_cast<uint8_t>(id.boardVariant);
  image[img::Firma] = static_cast<uint8_t>(id.maker);
  image[img::Schemat] = static_cast<uint8_t>(id.family);
  image[img::IleWtr] = static_cast<uint8_t>(id.injectors);
  return image;
}

Bytes ImageFor(int flashMode, int blocksBy16 = 2) {
  return sim::MakeFirmwareImage(Board(flashMode),
                                {.flashMode = flashMode, .blocksBy16 = blocksBy16});
}

struct Case {
  const char* name;
  int flashMode;  // of the image and of the board it is checked against
  std::function<void(Bytes&)> change;
  ImageFault fault;
  int blocks;       // when accepted
  int messageText;  // 0: the link says nothing itself
  const char* code;
};

const std::function<void(Bytes&)> kAsMade = [](Bytes&) {};
std::function<void(Bytes&)> SetByte(size_t at, uint8_t value) {
  return [=](Bytes& b) { b[at] = value; };
}
std::function<void(Bytes&)> SizeOf(size_t size) {
  return [=](Bytes& b) { b.resize(size, 0xEE); };
}

const Case kCases[] = {
    {"mode 1: 224 blocks", 1, kAsMade, ImageFault::None, 224, 0, ""},
    {"mode 2: 480 blocks", 2, kAsMade, ImageFault::None, 480, 0, ""},
    {"mode 3: 20 blocks", 3, kAsMade, ImageFault::None, 20, 0, ""},
    {"mode 4: byte 23 x 16", 4, kAsMade, ImageFault::None, 32, 0, ""},
    {"mode 5: byte 23 x 16", 5, kAsMade, ImageFault::None, 32, 0, ""},
    {"131071 bytes", 1, SizeOf(131071), ImageFault::None, 224, 0, ""},
    {"131072 bytes", 1, SizeOf(131072), ImageFault::TooLarge, 0, 2150, " (142) : \n"},
    {"shorter than its header", 1, SizeOf(255), ImageFault::NotAnImage, 0, 2152, " (143) : \n"},
    {"empty", 1, SizeOf(0), ImageFault::NotAnImage, 0, 2152, " (143) : \n"},
    {"no magic", 1, SetByte(3, '_'), ImageFault::NotAnImage, 0, 2152, " (143) : \n"},
    {"another flash mode", 1, SetByte(8, 3), ImageFault::OtherController, 0, 2152, " (143) : \n"},
    {"another board variant", 1, SetByte(17, 13), ImageFault::OtherController, 0, 2152,
     " (143) : \n"},
    {"another maker", 1, SetByte(18, 2), ImageFault::OtherController, 0, 2152, " (143) : \n"},
    {"another family", 1, SetByte(20, 5), ImageFault::OtherController, 0, 2152, " (143) : \n"},
    {"other injectors", 1, SetByte(21, 8), ImageFault::OtherController, 0, 2152, " (143) : \n"},
    {"flash mode 6", 6, kAsMade, ImageFault::UnknownFlashMode, 0, 0, ""},
    {"flash mode 0", 0, kAsMade, ImageFault::UnknownFlashMode, 0, 0, ""},
    {"mode 4 without blocks", 4, SetByte(23, 0), ImageFault::NoBlocks, 0, 0, ""},
    {"mode 1 of 20000 bytes", 1, SizeOf(20000), ImageFault::Truncated, 0, 2152, " (143) : \n"},
    {"mode 2 a byte short", 2, SizeOf(256 + 480 * 256 - 1), ImageFault::Truncated, 0, 2152,
     " (143) : \n"},
    {"mode 4 asking 4080 blocks", 4, SetByte(23, 255), ImageFault::Truncated, 0, 2152,
     " (143) : \n"},
    {"mode 5 with byte 23 of 32", 5, SetByte(23, 32), ImageFault::Truncated, 0, 2152,
     " (143) : \n"},
    {"version 0", 1, SetByte(22, 0), ImageFault::Unversioned, 0, 2152, " (143) : \n"},
};

class FirmwareImageCheck : public ::testing::TestWithParam<Case> {};

TEST_P(FirmwareImageCheck, VerdictAndMessage) {
  Texts().LanguageIndex = 0;
  const Case& c = GetParam();
  Bytes file = ImageFor(c.flashMode);
  c.change(file);
  const firmware::ImageCheck check = firmware::CheckImage(file, ControllerOf(Board(c.flashMode)));
  EXPECT_EQ(check.fault, c.fault);
  EXPECT_EQ(check.ok() ? check.blocks : 0, c.blocks);
  const std::string expected = c.messageText ? LangText(c.messageText) + c.code + "x.img" : "";
  EXPECT_EQ(firmware::RefusalMessage(check.fault, "x.img"), expected);
  EXPECT_FALSE(firmware::FaultText(check).empty());
}

INSTANTIATE_TEST_SUITE_P(Images, FirmwareImageCheck, ::testing::ValuesIn(kCases),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           for (char& ch : name)
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           return name;
                         });

TEST(FirmwareImageTest, HeaderIsReadWhole) {
  Bytes file = ImageFor(1);
  for (int at = 16; at <= 26; ++at)
    file[static_cast<size_t>(at)] = static_cast<uint8_t>(at);
  firmware::NaglowekObrazu h;
  ASSERT_TRUE(firmware::ReadHeader(file, h));
  EXPECT_EQ(h.flashMode, 1);
  EXPECT_EQ(h.description, 16);
  EXPECT_EQ(h.boardVariant, 17);
  EXPECT_EQ(h.maker, 18);
  EXPECT_EQ(h.beta, 19);
  EXPECT_EQ(h.family, 20);
  EXPECT_EQ(h.injectors, 21);
  EXPECT_EQ(h.version, 22);
  EXPECT_EQ(h.blocksBy16, 23);
  EXPECT_EQ(h.year, 24);
  EXPECT_EQ(h.month, 25);
  EXPECT_EQ(h.day, 26);
}

TEST(FirmwareImageTest, FileAloneIsNotComparedWithAController) {
  Bytes file = ImageFor(1);
  file[20] = 255;
  EXPECT_TRUE(firmware::CheckImage(file).ok());
  EXPECT_EQ(firmware::CheckImage(file, ControllerOf(Board(1))).fault, ImageFault::OtherController);
}

// A refused file is named in a message box and starts nothing; a missing one only fails.
class AktualizacjaRefusal : public ::testing::Test {
 protected:
  AktualizacjaRefusal() {
    Texts().LanguageIndex = 0;
    auto& image = LinkTestAccess::ObrazSterownika(offline.link);
    const firmware::ControllerImage board = ControllerOf(Board(1));
    for (int at : {img::WersjaPlytki, img::WariantPlytki, img::Firma, img::Schemat, img::IleWtr})
      image[static_cast<size_t>(at)] = board[static_cast<size_t>(at)];
  }
  bool Start(const Bytes& file) {
    EXPECT_TRUE(WriteFileAtomically(path, file).ok);
    return offline.link.Aktualizacja(path);
  }
  TempFolder folder{"firmware-image"};
  std::string path = folder.File("update.img");
  OfflineLink offline;
};

TEST_F(AktualizacjaRefusal, ShortImageIsRefusedAndStartsNothing) {
  Bytes file = ImageFor(1);
  file.resize(20000);
  EXPECT_FALSE(Start(file));
  ASSERT_EQ(offline.ui.messages.size(), 1u);
  EXPECT_EQ(offline.ui.messages[0].text, LangText(2152) + " (143) : \n" + path);
  EXPECT_EQ(offline.ui.messages[0].flags, mb::kIconStop);
  EXPECT_FALSE(offline.link.AktualizacjaZlecona());
  EXPECT_EQ(offline.link.WgrywanyObraz().IloscBlokowFlash(), 0);
}

TEST_F(AktualizacjaRefusal, OversizedImageIsAFileOpenError) {
  Bytes file = ImageFor(1);
  file.resize(131072);
  EXPECT_FALSE(Start(file));
  ASSERT_EQ(offline.ui.messages.size(), 1u);
  EXPECT_EQ(offline.ui.messages[0].text, LangText(2150) + " (142) : \n" + path);
}

TEST_F(AktualizacjaRefusal, UnknownFlashModeIsLeftToTheWindow) {
  Bytes file = ImageFor(1);
  file[8] = 7;
  LinkTestAccess::ObrazSterownika(offline.link)[img::WersjaPlytki] = 7;
  EXPECT_FALSE(Start(file));
  EXPECT_TRUE(offline.ui.messages.empty());
  EXPECT_FALSE(offline.link.AktualizacjaZlecona());
}

TEST_F(AktualizacjaRefusal, MissingFileFailsQuietly) {
  EXPECT_FALSE(offline.link.Aktualizacja(folder.File("none.img")));
  EXPECT_TRUE(offline.ui.messages.empty());
}

TEST_F(AktualizacjaRefusal, GoodImageAsksForTheJump) {
  EXPECT_TRUE(Start(ImageFor(1)));
  EXPECT_TRUE(offline.ui.messages.empty());
  EXPECT_TRUE(offline.link.AktualizacjaZlecona());
  EXPECT_EQ(offline.link.WgrywanyObraz().IloscBlokowFlash(), 224);
  EXPECT_EQ(offline.link.WgrywanyObraz().BlokFlash(), 0);
}

}  // namespace
