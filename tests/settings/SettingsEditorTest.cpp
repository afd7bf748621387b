// The settings editor in the main window, offscreen, against the simulated controller: mouse
// and keys step and pick values, and an edit ends in the controller's memory.

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "app/Unit2.h"
#include "lang/Langtext.h"
#include "settings/SettingTexts.h"
#include "settings/Tnastawy.h"
#include "tests/support/LinkTestAccess.h"
#include "tests/support/SettingsFiles.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WindowSim.h"

namespace {

// The cell that shows a setting, or (-1, -1).
CellPosition CellOf(const TNastawy& editor, int setting) {
  const EditorLayout& l = editor.layout();
  for (int row = 0; row < l.Rows(); ++row)
    for (int column = 0; column < l.columns; ++column)
      if (l.Cell(row, column) == setting) return {row, column};
  return {-1, -1};
}

// A window on the Settings tab with a controller read out.
struct EditorWindow {
  explicit EditorWindow(int family) : s(family) {
    Texts().LanguageIndex = 0;
    s.window->resize(1200, 800);
    s.window->show();
    connected = s.Connect();
    s.window->SelectTab(0);
  }
  TNastawy& editor() { return s.window->settingsEditor(); }
  void Click(QRect area) { QTest::mouseClick(&editor(), Qt::LeftButton, {}, area.center()); }
  uint8_t Setting(int n) { return s.link().Nastawy()[n]; }
  uint8_t Controllers(int n) { return s.controller.memory[img::Nastawy + n]; }
  int Reads(uint8_t code) {
    return static_cast<int>(std::count(s.controller.lastRequestCodes.begin(),
                                       s.controller.lastRequestCodes.end(), code));
  }
  // Ticks until the controller acknowledged every write and the link read back what it asked.
  bool Settled() {
    return s.TickUntil([&] {
      return s.link().FlagiZapisu() == 0 && s.link().FlagiZapisuWToku() == 0 &&
             s.link().FlagiCzytania() == 0;
    });
  }

  WindowSim s;
  bool connected = false;
};

}  // namespace

class SettingsEditorTest : public QObject {
  Q_OBJECT

 private slots:
  void mouseStepReachesTheController() {
    EditorWindow w(2);
    QVERIFY(w.connected);
    TNastawy& editor = w.editor();
    QVERIFY(editor.isVisible());
    const CellPosition threshold = CellOf(editor, 3);  // RPM detection threshold
    QVERIFY(threshold.row >= 0);
    const uint8_t before = w.Setting(3);
    w.Click(editor.PlusButton(threshold.row, threshold.column));
    QCOMPARE(w.Setting(3), uint8_t(before + 1));
    auto* statusText = w.s.window->findChild<QLabel*>(QStringLiteral("statusText"));
    QCOMPARE(statusText->text(), QStringLiteral("Writing to the controller: Settings"));
    const int readsBefore = w.Reads(0xE8);
    QVERIFY(w.Settled());
    QCOMPARE(w.Controllers(3), uint8_t(before + 1));
    // Read back from the controller, the editor shows what the controller holds.
    QCOMPARE(w.Reads(0xE8), readsBefore + 1);
    QCOMPARE(w.Setting(3), uint8_t(before + 1));
    QCOMPARE(statusText->text(), QString());
  }

  void keysStepAndMovePastHiddenSettings() {
    EditorWindow w(2);
    QVERIFY(w.connected);
    TNastawy& editor = w.editor();
    const CellPosition signal = CellOf(editor, 1);
    QTest::mouseClick(&editor, Qt::LeftButton, {},
                      editor.CellRect(signal.row, signal.column).topLeft() + QPoint(10, 5));
    QCOMPARE(editor.Selected()->row, signal.row);
    // Setting 2 is hidden while the RPM signal is 1: Down passes over it.
    LinkTestAccess::Nastawy(w.s.link())[1] = 1;
    QTest::keyClick(&editor, Qt::Key_Down);
    QCOMPARE(editor.layout().Cell(editor.Selected()->row, 0), 3);
    const uint8_t before = w.Setting(3);
    QTest::keyClick(&editor, Qt::Key_Right);
    QCOMPARE(w.Setting(3), uint8_t(before + 1));
    QTest::keyClick(&editor, Qt::Key_Left);
    QCOMPARE(w.Setting(3), before);
    const CellPosition hidden = CellOf(editor, 2);
    const uint8_t hiddenValue = w.Setting(2);
    w.Click(editor.PlusButton(hidden.row, hidden.column));
    QCOMPARE(w.Setting(2), hiddenValue);  // a press on a hidden setting does nothing
  }

  void dropDownListPicksAnOption() {
    EditorWindow w(2);
    QVERIFY(w.connected);
    TNastawy& editor = w.editor();
    const CellPosition injectors = CellOf(editor, 24);
    w.Click(editor.ValueField(injectors.row, injectors.column));
    auto* list = editor.findChild<QListWidget*>();
    QVERIFY(list && list->isVisible());
    QCOMPARE(list->item(0)->text(), QStringLiteral("Barracuda 1.9 Ohm"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(25)).center());
    QVERIFY(!list->isVisible());
    QCOMPARE(w.Setting(24), uint8_t(26));
    QCOMPARE(w.Setting(25), uint8_t(30));  // the injector type's peak time came with it
    QCOMPARE(QString::fromStdString(ValueText(w.s.link(), 24)),
             QStringLiteral("r > 10 Ohm (PWM 100%)"));
  }

  void troubleCodeIsTyped() {
    EditorWindow w(5);
    QVERIFY(w.connected);
    TNastawy& editor = w.editor();
    editor.SetAdministrator(true);
    editor.SetMode(EditorView::kObdPanel);
    LinkTestAccess::Nastawy(w.s.link())[114] = 1;  // the OBD errors to watch are shown
    editor.Relayout();
    const CellPosition code = CellOf(editor, 115);
    QVERIFY(code.row >= 0);
    w.Click(editor.ValueField(code.row, code.column));
    auto* box = editor.findChild<QLineEdit*>();
    QVERIFY(box && box->isVisible());
    QCOMPARE(box->text(), QStringLiteral("P"));
    box->clear();
    QTest::keyClicks(box, QStringLiteral("p0301"));
    QVERIFY(!box->isVisible());
    QCOMPARE(w.Setting(115), uint8_t(0x01));
    QCOMPARE(w.Setting(116), uint8_t(0x03));
  }

  void factorySettingsAreConfirmed() {
    EditorWindow w(2);
    QVERIFY(w.connected);
    QPushButton* factory = w.s.window->commandButton(3);
    QVERIFY(factory->isVisible());
    QCOMPARE(factory->text(), QString::fromStdString(LangText(1260)));
    LinkTestAccess::Nastawy(w.s.link())[3] = 77;
    w.s.ui.answers = {mb::kIdNo};
    factory->click();
    QCOMPARE(w.Setting(3), uint8_t(77));
    w.s.ui.answers = {mb::kIdYes};
    factory->click();
    QVERIFY(w.Setting(3) != 77);
    QVERIFY(w.s.link().FlagiRozkazow() & CommandBit::FactorySettings);
  }

  void helpWindowShowsTheGroup() {
    EditorWindow w(2);
    QVERIFY(w.connected);
    TNastawy& editor = w.editor();
    editor.SetViewLevel(2);
    const CellPosition fast = CellOf(editor, 57);
    w.Click(editor.HelpArea(fast.row, fast.column));
    TForm2& help = w.s.window->settingsHelp();
    QVERIFY(help.isVisible());
    QCOMPARE(help.editor().layout().cells, (std::vector<int>{57, 58}));
  }

  // A settings file named on the command line opens without a controller, shown as if its
  // controller were connected; a name that merely ends in "set" is no settings file.
  void commandLineSettingsFileOpensOffline() {
    TempFolder folder("malver-window-settings");
    std::vector<uint8_t> file = SettingsFileOf(255);
    file[SettingPosition(3)] = 40;
    const std::string path = folder.File("golf.set");
    const std::string preset = folder.File("golf.preset");
    QVERIFY(WriteFileAtomically(path, file).ok && WriteFileAtomically(preset, file).ok);

    WindowSim ignored(255, folder.Path(), preset);
    ignored.window->OpenCommandLineFile();
    QCOMPARE(ignored.link().Rodzina(), Family::Unknown);

    WindowSim s(255, folder.Path(), path);
    s.window->resize(1200, 800);
    s.window->show();
    s.window->OpenCommandLineFile();
    QCOMPARE(s.link().Rodzina(), Family::Kavi);
    QVERIFY(s.window->settingsEditor().isVisible());
    QCOMPARE(s.link().Nastawy()[3], uint8_t(40));
    QVERIFY(s.window->windowTitle().contains(QStringLiteral("golf.set")));
    QVERIFY(s.ui.messages.empty());
    QCoreApplication::processEvents();  // the bottom bar lays out its new command button
    QVERIFY(s.window->grab().save(QStringLiteral(SCREENSHOT_FOLDER "/settings-file-offline.png")));
  }

  // The File menu saves the controller's settings and loads a file back into it: the write
  // question answered Yes, the file's settings end in the controller.
  void fileMenuSavesAndLoadsSettings() {
    TempFolder folder("malver-window-menu");
    EditorWindow w(2);
    QVERIFY(w.connected);
    const std::string path = folder.File("car.set");
    w.s.ui.paths = {path};
    ActionNamed(*w.s.window, 1102)->trigger();
    std::vector<uint8_t> file;
    QVERIFY(ReadWholeFile(path, file).ok);
    QCOMPARE(file.size(), size_t(6144));

    const uint8_t changed = w.Setting(3) == 60 ? 61 : 60;
    file[SettingPosition(3)] = changed;
    QVERIFY(WriteFileAtomically(path, file).ok);
    w.s.ui.paths = {path};
    ActionNamed(*w.s.window, 1101)->trigger();
    QCOMPARE(w.s.ui.messages.back().text, LangText(2107));
    QVERIFY(w.Settled());
    QCOMPARE(w.Controllers(3), changed);
    QCOMPARE(w.Setting(3), changed);
  }

  void screenshotsOfEveryLevel() {
    for (int family : {2, 255}) {
      EditorWindow w(family);
      QVERIFY(w.connected);
      for (int level = 0; level < 3; ++level) {
        w.s.window->SetViewLevel(level);
        w.s.Tick();
        const QString path = QStringLiteral(SCREENSHOT_FOLDER "/settings-family%1-level%2.png")
                                 .arg(family)
                                 .arg(level);
        QVERIFY(w.s.window->grab().save(path));
      }
    }
  }
};

QTEST_MAIN(SettingsEditorTest)
#include "SettingsEditorTest.moc"
