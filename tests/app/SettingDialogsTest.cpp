#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>
#include <filesystem>

#include "app/Unit5.h"
#include "app/Unitcal.h"
#include "app/Unitlevel.h"
#include "app/Unitmain.h"
#include "app/Unitseq.h"
#include "controller/StatusDecoding.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "settings/LevelRules.h"
#include "settings/NozzleSize.h"
#include "settings/SequenceRules.h"
#include "settings/Tnastawy.h"
#include "tests/support/WindowSim.h"

namespace {

namespace fs = std::filesystem;

// A connected main window of the family, in a documents folder of its own.
struct DialogWindow {
  explicit DialogWindow(int family)
      : documents(fs::temp_directory_path() / ("malver-dialogs-" + std::to_string(family))),
        s((fs::remove_all(documents), fs::create_directories(documents), family),
          documents.string()),
        family(family) {
    Texts().LanguageIndex = 0;
    s.window->resize(1000, 700);
    s.window->show();
    connected = s.Connect();
  }
  TNastawy& editor() { return s.window->settingsEditor(); }
  uint8_t SimSetting(int setting) { return s.controller.memory[img::Nastawy + setting]; }
  // The change reached the simulated controller and nothing is left to send.
  bool Written(const std::function<bool()>& there) {
    return s.TickUntil(
        [&] { return there() && s.link().FlagiZapisu() == 0 && s.link().FlagiZapisuWToku() == 0; });
  }
  void Screenshot(QWidget& dialog, const std::string& name) {
    QCoreApplication::processEvents();
    QVERIFY(dialog.grab().save(
        Q(std::string(SCREENSHOT_FOLDER "/") + name + "-" + std::to_string(family) + ".png")));
  }
  void Click(QWidget& widget, const QRect& where) {
    QTest::mouseClick(&widget, Qt::LeftButton, {}, where.center());
  }

  fs::path documents;
  WindowSim s;
  int family;
  bool connected = false;
};

// A status frame of an idling engine whose controller detected this firing order.
DecodedStatus DetectionFrame(const TSterownik& link, const std::vector<uint8_t>& order) {
  std::vector<uint8_t> bytes(status_frame::kShortRecord, 0);
  bytes[status_frame::kRpmTens] = 80;
  std::copy(order.begin(), order.end(), bytes.begin() + status_frame::kDetectedOrder);
  DecodedStatus status;
  TakeFrame(code::Poll, bytes, status);
  DecodeStatus({link.Rodzina(), link.ListaWykresow(), link.Nastawy()}, status);
  return status;
}

}  // namespace

class SettingDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  // The matrix from setting 8's help: a channel moved to another petrol input reaches the
  // controller with setting 31 and the injectors on gas in step.
  void injectorSequence() {
    DialogWindow w(2);
    QVERIFY(w.connected);
    emit w.editor().InjectorSequenceRequested();
    TFormSeq& seq = w.s.window->injectorSequence();
    QVERIFY(seq.isVisible());
    QCOMPARE(seq.size(), QSize(470, 586));
    QCOMPARE(seq.windowTitle(), Q("MALVER - " + LangText(1375)));
    QCOMPARE(seq.list(8)->count(), 3);
    QVERIFY(seq.orderEdit(4)->isVisible());
    QVERIFY2(!seq.orderEdit(5)->isVisible(), "four channels, four columns");
    QCOMPARE(seq.orderEdit(3)->text(), QStringLiteral("3"));

    w.Click(seq, seq.CellRect(1, 3));
    QVERIFY(sequence::Assigned(w.s.link(), 1, 3));
    QVERIFY(w.Written([&] { return w.SimSetting(32) == 5 && w.SimSetting(34) == 0; }));
    QCOMPARE(w.SimSetting(31), uint8_t(0));
    w.Click(seq, seq.BelowRect(2));
    QVERIFY(w.Written([&] { return w.SimSetting(33) == 0 && w.SimSetting(31) == 2; }));
    QVERIFY(w.s.TickUntil([&] { return w.s.controller.engine().InjectorMask() == 0xFD; }));
    QCOMPARE(seq.orderEdit(2)->text(), QStringLiteral("-"));

    seq.orderEdit(4)->setFocus();
    seq.orderEdit(4)->selectAll();
    QTest::keyClicks(seq.orderEdit(4), QStringLiteral("9"));
    QCOMPARE(seq.orderEdit(4)->text(), QStringLiteral("1"));  // past the channels
    QTest::keyClicks(seq.orderEdit(4), QStringLiteral("2"));
    QCOMPARE(seq.orderEdit(4)->text(), QStringLiteral("2"));
    QVERIFY(w.Written([&] { return w.SimSetting(291) == 1; }));
    // Channels 1, 3 and 4 make no order the controller knows.
    QCOMPARE(seq.orderEdit(1)->palette().color(QPalette::Text), QColor(Qt::red));
    w.Screenshot(seq, "injector-sequence");
    seq.close();
  }

  // Eight channels in two banks of four: the rotation list and the detected order.
  void injectorSequenceEightChannels() {
    DialogWindow w(5);
    QVERIFY(w.connected);
    emit w.editor().InjectorSequenceRequested();
    TFormSeq& seq = w.s.window->injectorSequence();
    QVERIFY(seq.isVisible());
    QCOMPARE(seq.list(135)->count(), 4);
    seq.list(135)->setCurrentIndex(1);
    QVERIFY(w.Written([&] { return w.SimSetting(288) == 3 && w.SimSetting(292) == 7; }));
    QCOMPARE(seq.orderEdit(1)->text(), QStringLiteral("4"));
    w.Click(seq, seq.BankRect(3, 2));
    QVERIFY(w.Written([&] { return w.SimSetting(30) & 0x04; }));
    // Once the smoothed speed has fallen to idle, the detected order shows, red when wrong.
    for (int i = 0; i < 30; ++i)
      seq.StatusFrame(DetectionFrame(w.s.link(), {0, 4, 2, 6, 1, 5, 3, 7}));
    QCOMPARE(seq.detection()->text(), QStringLiteral("1-5-3-7-2-6-4-8"));
    QCOMPARE(seq.detection()->palette().color(QPalette::WindowText), QColor(Qt::black));
    seq.StatusFrame(DetectionFrame(w.s.link(), {0, 4, 2, 6, 1, 5, 3, 3}));
    QCOMPARE(seq.detection()->palette().color(QPalette::WindowText), QColor(Qt::red));
    seq.StatusFrame(DetectionFrame(w.s.link(), {0, 4, 2, 6, 1, 5, 3, 7}));
    w.Screenshot(seq, "injector-sequence");
    seq.close();
  }

  void noSequenceForKavi() {
    DialogWindow w(255);
    QVERIFY(w.connected);
    emit w.editor().InjectorSequenceRequested();
    QVERIFY(!w.s.window->injectorSequence().isVisible());
  }

  // The level window: a threshold stepped reaches the controller, the order check colours the
  // boxes, the LEDs and the voltage follow the status frames; the colour window saves a scheme.
  void levelSensor() {
    for (int family : {2, 255}) {
      DialogWindow w(family);
      QVERIFY(w.connected);
      emit w.editor().LevelSensorRequested();
      TFormLevel& level = w.s.window->levelSensor();
      QVERIFY(level.isVisible());
      QCOMPARE(level.size(), QSize(800, 466));
      QCOMPARE(level.windowTitle(), Q("MALVER - " + LangText(1372)));
      QVERIFY(w.s.link().PollsLevelSensor());

      level.list(40)->setCurrentIndex(6);
      QVERIFY(w.Written([&] { return w.SimSetting(40) == 6 && w.SimSetting(44) == 7; }));
      QCOMPARE(level.threshold(44)->text(), QStringLiteral("0.14 [V]"));
      for (int i = 0; i < 6; ++i)
        level.stepper(44, +1)->click();
      QVERIFY(w.Written([&] { return w.SimSetting(44) == 13; }));
      QCOMPARE(level.threshold(44)->palette().color(QPalette::Text), QColor(Qt::red));
      QCOMPARE(level.threshold(43)->palette().color(QPalette::Text), QColor(Qt::red));
      QCOMPARE(level.threshold(42)->palette().color(QPalette::Text), QColor(Qt::black));
      level.shiftButton(-1)->click();
      QVERIFY(w.Written([&] { return w.SimSetting(41) == 27 && w.SimSetting(44) == 12; }));

      QVERIFY(w.s.TickUntil([&] { return !level.voltage()->text().isEmpty(); }));
      const DecodedStatus& status = w.s.link().LastStatus();
      QCOMPARE(level.voltage()->text(), QString::number(status.levelVoltage * 0.02, 'f', 2));
      for (int led = 0; led < 5; ++led)
        QCOMPARE(level.LedColour(led), ToQColor(level::LedColours(status.levelLeds)[led]));
      w.Screenshot(level, "level-sensor");

      level.colourButton()->click();
      TForm5& colours = level.colourWindow();
      QVERIFY(colours.isVisible());
      QCOMPARE(colours.size(), QSize(760, 360));
      QCOMPARE(colours.Colour(1), w.s.link().KoloryLed()[1]);
      w.Click(colours, QRect(colours.PaletteRect().topLeft() + QPoint(170, 170), QSize(1, 1)));
      QCOMPARE(colours.Colour(0), 0x646464u);
      w.Screenshot(colours, "led-colours");
      colours.saveButton()->click();
      QVERIFY(w.s.TickUntil([&] {
        return w.s.controller.memory[img::KoloryLed] == 0x64 &&
               w.s.controller.memory[img::KoloryLed + 21] == 255;
      }));
      colours.close();
      level.close();
      QVERIFY(!w.s.link().PollsLevelSensor());
    }
  }

  // The calculator preselects from the settings and changes nothing in the controller.
  void nozzleCalculator() {
    for (int family : {2, 255}) {
      DialogWindow w(family);
      QVERIFY(w.connected);
      emit w.editor().CalculatorRequested();
      TFormCal& cal = w.s.window->calculator();
      QVERIFY(cal.isVisible());
      QCOMPARE(cal.windowTitle(), Q("MALVER - " + LangText(1380)));
      const TSterownik& link = w.s.link();
      const nozzle::Inputs preset = nozzle::FromSettings(link, {});
      QCOMPARE(cal.pressure()->currentIndex(), preset.pressureIndex);
      QCOMPARE(cal.Result(), Q(nozzle::Compute(preset).text));
      cal.power()->setValue(150);
      cal.unit()->setCurrentIndex(1);
      cal.cylinders()->setCurrentIndex(5);  // 6
      nozzle::Inputs changed = preset;
      changed.power = 150;
      changed.kilowatts = true;
      changed.cylinders = 6;
      QCOMPARE(cal.Result(), Q(nozzle::Compute(changed).text));
      cal.injector()->setCurrentIndex(8);  // type 9, a Hana: a colour code, no unit
      QVERIFY(!cal.UnitShown());
      w.Screenshot(cal, "nozzle-calculator");
      QCOMPARE(link.FlagiZapisu(), 0u);
      cal.close();
    }
  }
};

QTEST_MAIN(SettingDialogsTest)
#include "SettingDialogsTest.moc"
