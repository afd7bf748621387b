#include <sys/stat.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include <QtTest>
#include <filesystem>
#include <fstream>

#include "app/Unit3.h"
#include "app/Unitmain.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "sim/FirmwareImages.h"
#include "tests/support/WindowSim.h"

namespace {

namespace fs = std::filesystem;

// A connected window of the family with its device window, in a documents folder of its own.
struct DeviceWindow {
  explicit DeviceWindow(int family = 2)
      : documents(fs::temp_directory_path() / ("malver-device-" + std::to_string(family))),
        s((ResetFolder(documents), family), documents.string()) {
    Texts().LanguageIndex = 0;
    s.window->resize(1000, 700);
    s.window->show();
    connected = s.Connect();
  }
  static void ResetFolder(const fs::path& folder) {
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  TForm3& device() { return s.window->deviceWindow(); }
  void Open(TForm3::Mode mode) {
    s.window->OpenDeviceWindow(mode);
    QCoreApplication::processEvents();
  }
  QString Value(int textId) { return device().ValueOf(Q(LangText(textId))); }
  void Screenshot(const char* name) {
    QCoreApplication::processEvents();
    QVERIFY(device().grab().save(QStringLiteral(SCREENSHOT_FOLDER "/") + name));
  }
  // Firmware images beside the program, as the installer copies them there.
  fs::path FirmwareFolder() { return fs::temp_directory_path() / "malver-test-bin" / "Firmware"; }
  fs::path PutImage(const std::string& name, const sim::ImageRequest& request) {
    fs::create_directories(FirmwareFolder());
    const std::vector<uint8_t> image = sim::MakeFirmwareImage(s.controller.identity, request);
    const fs::path path = FirmwareFolder() / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()),
               static_cast<std::streamsize>(image.size()));
    return path;
  }

  fs::path documents;
  WindowSim s;
  bool connected = false;
};

// The simulated bootloader holds the image file's blocks byte for byte.
void ExpectFlashHolds(DeviceWindow& w, const fs::path& image) {
  std::ifstream file(image, std::ios::binary);
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), {});
  const std::vector<uint8_t>& flash = w.s.controller.bootloader.Flash();
  QCOMPARE(flash.size(), bytes.size() - 256);
  QVERIFY(std::equal(bytes.begin() + 256, bytes.end(), flash.begin()));
}

// The controller's change history ends with the update's entry: today, the firmware column,
// this workstation (the command line's update leaves the same, tests/cli).
void ExpectFirmwareEntry(DeviceWindow& w) {
  TSterownik& link = w.s.link();
  QVERIFY(w.s.TickUntil(
      [&] {
        return link.ReadOutComplete() && !link.FirmwareEntryDue() && link.FlagiZapisu() == 0 &&
               link.FlagiZapisuWToku() == 0;
      },
      400));
  const uint8_t* written = &w.s.controller.memory[img::HistoriaZmian];
  QVERIFY(
      std::equal(written, written + img::kAreaSize, &link.ObrazSterownika()[img::HistoriaZmian]));
  int last = 0;
  while (last + 1 < 32 && !link.StrHistoria(0, last + 1).empty())
    ++last;
  QCOMPARE(Q(link.StrHistoria(0, last)), QDate::currentDate().toString("yyyy.MM.dd"));
  QCOMPARE(Q(link.StrHistoria(1, last)), QStringLiteral("v"));
  QCOMPARE(Q(link.StrHistoria(5, last)), Q(link.StrIdentWlasny()));
}

}  // namespace

class DeviceWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void deviceInformation() {
    DeviceWindow w;
    QVERIFY(w.connected);
    w.Open(TForm3::kDeviceInfo);
    QVERIFY(w.device().isVisible());
    QCOMPARE(w.device().height(), 380);
    QCOMPARE(w.device().windowTitle(), Q("MALVER - " + LangText(1330)));
    QCOMPARE(w.Value(1331), Q(w.s.link().StrNazwaSterownika()));
    QCOMPARE(w.Value(1332), Q(w.s.link().StrKodKreskowy()));
    QCOMPARE(w.Value(1335), Q(w.s.link().StrIleWtryskiwaczy()));
    w.Screenshot("device-info.png");
    QTest::keyClick(&w.device(), Qt::Key_Escape);
    QVERIFY(!w.device().isVisible());
  }

  // Statistics, history, reminder and description from the simulated controller; what the
  // installer changes goes back to it.
  void serviceMode() {
    DeviceWindow w;
    QVERIFY(w.connected);
    w.s.controller.statistics.gasHours = 300;
    w.s.controller.statistics.gasSeconds = 2000;
    w.s.controller.statistics.petrolHours = 12;
    w.s.controller.statistics.petrolSeconds = 65;
    w.s.link().RozkazDoSterownika(CommandBit::Identify);
    QVERIFY(w.s.TickUntil([&] { return w.s.link().ServiceDataCurrent(); }));
    w.Open(TForm3::kService);
    QCOMPARE(w.device().height(), 694);
    QCOMPARE(w.Value(1343), QStringLiteral("12:01:05"));
    QCOMPARE(w.Value(1344), QStringLiteral("300:33:20"));
    QCOMPARE(w.device().history()->item(0, 0)->text(), Q(w.s.link().StrHistoria(0, 0)));
    QCOMPARE(w.device().history()->columnCount(), 6);
    QCOMPARE(w.device().history()->rowCount(), 32);

    // " 1000" km ahead: 300 gas hours, past half of the hour, and 20 hours more.
    w.device().interval()->setCurrentIndex(1);
    emit w.device().interval()->activated(1);
    QVERIFY(w.device().reminder()->isChecked());
    QCOMPARE(w.Value(1352), QStringLiteral("321:00:00"));
    QVERIFY(w.s.TickUntil([&] { return w.s.controller.memory[img::Nastawy + 101] == 321 % 256; }));

    // The controller's count of emergency starts, reported in a status frame, shows at once.
    w.s.controller.statistics.emergencyStarts = 9;
    QVERIFY(w.s.TickUntil([&] { return w.Value(1339) == QStringLiteral("9"); }, 300));

    w.device().description()->setPlainText(QString(130, QLatin1Char('d')));
    QCOMPARE(w.device().description()->toPlainText().size(), 127);
    w.Screenshot("device-service.png");
    w.device().okButton()->click();
    QVERIFY(w.s.TickUntil([&] { return w.s.controller.memory[img::OpisSterownika] == 'd'; }));
  }

  // The images that fit are listed; the upload runs to the end and the controller runs it.
  void firmwareUpload() {
    DeviceWindow w;
    QVERIFY(w.connected);
    fs::remove_all(w.FirmwareFolder());
    const fs::path image = w.PutImage("v18.img", {.flashMode = 1, .version = 18});
    sim::Identity other = w.s.controller.identity;
    other.family = 5;
    fs::create_directories(w.FirmwareFolder());
    const std::vector<uint8_t> foreign = sim::MakeFirmwareImage(other, {});
    std::ofstream(w.FirmwareFolder() / "fortix.img", std::ios::binary)
        .write(reinterpret_cast<const char*>(foreign.data()),
               static_cast<std::streamsize>(foreign.size()));
    w.Open(TForm3::kFirmware);
    QCOMPARE(w.device().height(), 480);
    QCOMPARE(w.device().firmwareList()->rowCount(), 1);  // the other family's image is left out
    QCOMPARE(w.device().firmwareList()->item(0, 0)->text(), QStringLiteral("v18"));
    w.Screenshot("device-firmware.png");

    w.device().uploadButton()->click();
    QVERIFY(w.s.TickUntil([&] { return w.s.link().ZapisFlash(); }, 400));
    QVERIFY(w.s.TickUntil([&] { return w.s.link().WgrywanyObraz().Percent() >= 50; }, 2000));
    // The window stays up, showing the progress, until the last block is acknowledged.
    QVERIFY(w.device().isVisible());
    QCOMPARE(w.device().height(), 200);
    const auto& items = w.device().Items();
    QVERIFY(std::any_of(items.begin(), items.end(),
                        [](const DeviceItem& i) { return i.label == Q(LangText(1361)); }));
    w.Screenshot("device-firmware-upload.png");
    QVERIFY(!w.device().windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QTest::keyClick(&w.device(), Qt::Key_Escape);
    QVERIFY2(w.device().isVisible() && w.s.link().ZapisFlash(), "Escape does not cut the upload");
    QVERIFY(w.s.TickUntil([&] { return !w.device().isVisible(); }, 2000));
    QVERIFY(w.s.TickUntil([&] { return w.s.link().WersjaProgramu() == 18; }, 400));
    ExpectFlashHolds(w, image);
    ExpectFirmwareEntry(w);
    w.Open(TForm3::kDeviceInfo);
    QVERIFY2(w.device().windowFlags().testFlag(Qt::WindowCloseButtonHint),
             "the close box is back after the upload");
  }

  // A file chosen in the dialog that is no file at all is refused with the reason, and nothing
  // is sent.
  void aChosenPipeOrFolderIsRefusedWithItsReason() {
    DeviceWindow w;
    QVERIFY(w.connected);
    fs::remove_all(w.FirmwareFolder());
    const fs::path pipe = w.documents / "pipe.img";
    QCOMPARE(::mkfifo(pipe.c_str(), 0600), 0);
    w.Open(TForm3::kFirmware);
    const struct {
      std::string path, cause;
    } cases[] = {{pipe.string(), "is not a file"},
                 {w.documents.string(), "is a folder, not a file"}};
    for (const auto& c : cases) {
      w.s.ui.paths = {c.path};
      const size_t shown = w.s.ui.messages.size();
      w.device().uploadButton()->click();
      QCOMPARE(w.s.ui.messages.size(), shown + 1);
      QCOMPARE(w.s.ui.messages.back().text, "Error code 112. Bad file\n" + c.path + ": " + c.cause);
      QVERIFY(!w.s.link().AktualizacjaZlecona());
    }
  }

  // The cable pulled in the middle of an upload: the watchdog gives up and says so; with the
  // cable back, the controller waiting in its bootloader gets the firmware window again, and
  // the update run again from there brings it back.
  void anUploadCutInTheMiddleIsRunAgain() {
    DeviceWindow w;
    QVERIFY(w.connected);
    fs::remove_all(w.FirmwareFolder());
    const fs::path image = w.PutImage("v18.img", {.flashMode = 1, .version = 18});
    w.s.controller.silentAtBlock = 8;
    w.Open(TForm3::kFirmware);
    w.device().uploadButton()->click();
    QVERIFY(w.s.TickUntil([&] { return w.s.controller.silent; }, 2000));
    w.s.TickUntil([] { return false; }, 10);
    QVERIFY(w.device().isVisible());
    QVERIFY(w.device().uploadWatchdog().isActive());
    w.device().uploadWatchdog().start(0);
    QVERIFY(QTest::qWaitFor([&] { return !w.device().isVisible(); }, 1000));
    QCOMPARE(w.s.ui.messages.back().text, LangText(1370));

    w.s.controller.silent = false;
    QVERIFY(w.s.TickUntil([&] { return w.device().isVisible(); }, 800));
    QCOMPARE(w.device().mode(), TForm3::kFirmware);
    QCOMPARE(w.s.ui.messages.back().text, LangText(1365) + "\n" + LangText(6160));
    w.device().uploadButton()->click();
    QVERIFY(w.s.TickUntil([&] { return !w.device().isVisible(); }, 3000));
    QVERIFY(w.s.TickUntil([&] { return w.s.link().WersjaProgramu() == 18; }, 400));
    QCOMPARE(w.s.controller.state, sim::State::kNormal);
    ExpectFlashHolds(w, image);
  }

  // The password box shows what the controller holds: a click this workstation cannot carry
  // out (it has no password record) is refused with its message and the box put back.
  void refusedPasswordClickPutsTheBoxBack() {
    DeviceWindow w;
    QVERIFY(w.connected);
    w.Open(TForm3::kService);
    QVERIFY(w.device().passwordBox()->isVisible());
    QVERIFY(!w.device().passwordBox()->isChecked());
    w.device().passwordBox()->click();
    QCOMPARE(w.s.ui.messages.back().text, LangText(2201) + ".");
    QVERIFY(!w.device().passwordBox()->isChecked());
  }

  // What the workshop wrote into the controller greets the installer: the service window opens
  // with it at connection; no description, no window.
  void aDescriptionGreetsTheInstaller() {
    DeviceWindow w;
    QVERIFY(w.connected);
    QVERIFY(!w.device().isVisible());
    const char16_t text[] = u"Pan Kowalski, 2 x LPG";
    for (size_t i = 0; i + 1 < std::size(text); ++i) {
      w.s.controller.memory[img::OpisSterownika + 2 * i] = static_cast<uint8_t>(text[i]);
      w.s.controller.memory[img::OpisSterownika + 2 * i + 1] = static_cast<uint8_t>(text[i] >> 8);
    }
    w.s.link().RozkazDoSterownika(CommandBit::Identify);
    QVERIFY(w.s.TickUntil([&] { return w.device().isVisible(); }));
    QCOMPARE(w.device().mode(), TForm3::kService);
    QCOMPARE(w.device().description()->toPlainText(), QString::fromUtf16(text));
  }

  // A controller found waiting in its bootloader (an upload cut short) gets the firmware window,
  // and the update run again brings it back.
  void aCutUploadIsRunAgain() {
    DeviceWindow w;
    QVERIFY(w.connected);
    fs::remove_all(w.FirmwareFolder());
    w.PutImage("v19.img", {.flashMode = 1, .version = 19});
    w.s.controller.state = sim::State::kBootloader;
    w.s.link().RozkazDoSterownika(CommandBit::Identify);
    QVERIFY(w.s.TickUntil([&] { return w.device().mode() == TForm3::kFirmware; }, 400));
    QVERIFY(w.device().isVisible());
    QCOMPARE(w.device().ValueOf(Q(LangText(1336) + ":")), QStringLiteral("?"));
    w.device().uploadButton()->click();
    QVERIFY(w.s.TickUntil([&] { return !w.device().isVisible(); }, 2000));
    QVERIFY(w.s.TickUntil([&] { return w.s.link().WersjaProgramu() == 19; }, 400));
    QCOMPARE(w.s.controller.state, sim::State::kNormal);
  }

  // The workshop's password: refused when empty, saved and presented when given.
  void passwordEntry() {
    DeviceWindow w;
    QVERIFY(w.connected);
    w.Open(TForm3::kPassword);
    QCOMPARE(w.device().height(), 320);
    QCOMPARE(w.device().passwordField()->echoMode(), QLineEdit::Password);
    w.device().passwordButton()->click();
    QVERIFY(w.device().isVisible());
    QCOMPARE(w.device().passwordField()->palette().color(QPalette::Base), QColor(255, 0, 0));
    QTest::keyClicks(w.device().passwordField(), QStringLiteral("Warsztat Kowalski"));
    QVERIFY(w.device().passwordField()->palette().color(QPalette::Base) != QColor(255, 0, 0));
    w.Screenshot("device-password.png");
    w.device().passwordButton()->click();
    QVERIFY(!w.device().isVisible());
    QVERIFY(w.s.link().HasPasswordRecord());
    QVERIFY(fs::file_size(PasswordFilePath(w.documents.string())) == 512);
  }
};

QTEST_MAIN(DeviceWindowTest)
#include "DeviceWindowTest.moc"
