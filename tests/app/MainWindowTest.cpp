#include <QDir>
#include <QFontDatabase>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "app/IniFile.h"
#include "app/InjectionGrid.h"
#include "app/ParameterGrid.h"
#include "app/RightPanel.h"
#include "app/Unitadmin.h"
#include "app/Unitparam.h"
#include "controller/ParamList.h"
#include "lang/Langtext.h"
#include "obd/Telmobd.h"
#include "tests/support/WindowSim.h"

namespace fs = std::filesystem;

// The main window, offscreen, against the simulated controller.
class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  fs::path documents_;

  std::string IniPath() const {
    return (documents_ / "VESK" / "Malver II" / "Malver2.ini").string();
  }
  void WriteIni(const std::string& text) {
    fs::create_directories(documents_ / "VESK" / "Malver II");
    std::ofstream(IniPath()) << text;
  }

 private slots:
  void init() {
    documents_ = fs::temp_directory_path() / ("malver-window-" + std::to_string(getpid()));
    fs::remove_all(documents_);
    fs::create_directories(documents_);
  }
  void cleanup() { fs::remove_all(documents_); }

  void startsWithDefaultsWithoutConfiguration() {
    WindowSim s(2, documents_.string());
    s.window->show();
    QCOMPARE(s.window->windowTitle(), QStringLiteral("MALVER ver2.16.2"));
    QVERIFY(fs::is_directory(documents_ / "VESK" / "Malver II" / "Scope"));
    QCOMPARE(Texts().LanguageIndex, 1);
    QCOMPARE(s.window->ColourScheme(), 3);
    QCOMPARE(s.window->ViewLevel(), 1);
    QVERIFY(!s.window->configuration().fromFile);
    QVERIFY(s.window->width() >= 640 && s.window->height() >= 480);
    QCOMPARE(s.window->StatusPanelText(), QString::fromStdString(LangText(1240)));
  }

  void checksConfigurationValues() {
    WriteIni("[1]\nLang=14\nComp=9\nView=3\nWWidth=5000\nWLeft=-30\n");
    WindowSim s(2, documents_.string());
    QCOMPARE(Texts().LanguageIndex, 0);
    QCOMPARE(s.window->ColourScheme(), 3);
    QCOMPARE(s.window->ViewLevel(), 1);
    QVERIFY(s.window->configuration().width <= 5000);
    QCOMPARE(s.window->configuration().left, 0);
  }

  void closingWritesTheConfiguration() {
    WriteIni("[2]\nColor1400=7\n[4]\nView101=1\n");
    {
      WindowSim s(2, documents_.string());
      s.window->show();
      s.window->SetLanguage(5);
      s.window->close();
    }
    IniFile ini;
    QVERIFY(ini.Load(IniPath()));
    QCOMPARE(ini.ReadInteger("1", "Lang", -1), 5);
    QCOMPARE(ini.ReadInteger("2", "Color1400", -1), 7);  // no controller identified: kept
    QCOMPARE(ini.ReadInteger("4", "View101", -1), 1);
    {
      WindowSim s(255, documents_.string());
      s.window->show();
      QVERIFY(s.Connect());
      s.window->close();
    }
    QVERIFY(ini.Load(IniPath()));
    QCOMPARE(ini.ReadInteger("2", "Color1400", -1), 7);  // read at start, used, written back
    QCOMPARE(ini.ReadInteger("2", "Color1402", -1), 0xFD7000);
    QCOMPARE(ini.ReadInteger("4", "View401", -1), 0x33);
  }

  // The adapter's port comes from the configuration, is changed in the ELM menu and is kept.
  void adapterPortIsKept() {
    WriteIni("[1]\nElmComm=7\n");
    int chosen = 0;
    {
      WindowSim s(2, documents_.string());
      s.window->show();
      QCOMPARE(s.window->obd().PortNumber, 7);
      QMenu* elm = nullptr;
      for (QAction* a : s.window->menuBar()->actions())
        if (a->text() == QStringLiteral("ELM")) elm = a->menu();
      QVERIFY(elm);
      // This test's own simulated line: another port may be a line other tests are using.
      emit elm->aboutToShow();
      QAction* port = nullptr;
      for (QAction* a : elm->actions())
        if (a->text().startsWith(QStringLiteral("COM%1 ").arg(ComPortNumber(s.server.path()))))
          port = a;
      QVERIFY(port);
      port->trigger();
      chosen = s.window->obd().PortNumber;
      QCOMPARE(chosen, ComPortNumber(s.server.path()));
      s.window->close();
    }
    IniFile ini;
    QVERIFY(ini.Load(IniPath()));
    QCOMPARE(ini.ReadInteger("1", "ElmComm", -1), chosen);
  }

  void identificationRetitlesAndAdapts() {
    WindowSim s(255, documents_.string());
    Texts().LanguageIndex = 0;
    s.window->show();
    QVERIFY(!s.window->TabRowVisible());
    QVERIFY(s.Connect());
    QCOMPARE(s.window->windowTitle(),
             QStringLiteral("MALVER ver2.16.2  -  KAVI 6 CYL. V1.2  -  ver17  "));
    QVERIFY(s.window->TabRowVisible());
    QCOMPARE(s.window->rightPanel().injections()->RowCount(), 6);
    QVERIFY(s.ui.messages.empty());
  }

  void statusFramesFillThePanels() {
    WindowSim s(2, documents_.string());
    Texts().LanguageIndex = 0;
    s.window->show();
    QVERIFY(s.Connect());
    s.Tick();
    const ParameterGrid& readings = *s.window->rightPanel().parameters();
    QCOMPARE(readings.RowCount(), 6);
    QCOMPARE(readings.NameText(0), QStringLiteral("Revolutions"));
    QCOMPARE(readings.ValueText(0), QStringLiteral("850"));
    QCOMPARE(readings.ValueText(1), QStringLiteral("0.35"));
    QCOMPARE(readings.ValueText(5), QStringLiteral("14.00"));
    const InjectionGrid& times = *s.window->rightPanel().injections();
    QCOMPARE(times.RowCount(), 4);
    QCOMPARE(times.PetrolText(0), QStringLiteral("3.20"));
    QCOMPARE(times.GasText(1), QStringLiteral("3.62"));
    QVERIFY(s.window->StatusPanelText() == QStringLiteral("GAS") ||
            s.window->StatusPanelText() == QString::fromStdString(LangText(1241)));
  }

  void identicalFrameRewritesNothing() {
    WindowSim s(6, documents_.string());
    s.window->show();
    QVERIFY(s.Connect());
    s.Tick();
    InjectionGrid& times = *s.window->rightPanel().injections();
    DecodedStatus frame = s.link().LastStatus();
    QVERIFY(!times.UpdateTimes(frame));
    frame.injection[0].gasMs += 5 * 0.004;  // the gas time of channel 1
    QVERIFY(times.UpdateTimes(frame));
    QCOMPARE(times.GasText(0), QStringLiteral("3.62"));
  }

  // The Diagnostics caption turns red on the controller's error at the blink phase, the OBD
  // caption red on the engine's codes; Home gives the OBD caption its colour back.
  void tabCaptionsSignalFaults() {
    WindowSim s(255, documents_.string());
    s.window->show();
    QVERIFY(s.Connect());
    const QColor normal = s.window->TabCaptionColour(kDiagnosticsTab);
    s.controller.silent = true;
    s.Tick();
    std::vector<uint8_t> status(124, 0);
    status[11 - 4] = 0x0B;                     // the engine turns and the controller has an error
    status[93 - 4] = 192;                      // its OBD module reports
    status[94 - 4] = 0x80;                     // the engine has trouble codes
    for (int phase = 0; phase < 2; ++phase) {  // one of two frames falls on the blink
      s.window->OneSecond();
      s.Inject(ReplyFrame(0x90, status));
      s.link().OdbiorRx();
    }
    QCOMPARE(s.window->TabCaptionColour(kDiagnosticsTab), QColor(Qt::red));
    QCOMPARE(s.window->TabCaptionColour(kObdTab), QColor(Qt::red));
    QTest::keyClick(s.window.get(), Qt::Key_Home);
    QCOMPARE(s.window->TabCaptionColour(kObdTab), normal);
  }

  void errorListOfTheController() {
    WindowSim s(2, documents_.string());
    Texts().LanguageIndex = 0;
    s.window->show();
    QVERIFY(s.Connect());
    s.controller.silent = true;
    s.Tick();
    std::vector<uint8_t> status(124, 0);
    status[11 - 4] = 0x13;  // the controller keeps its stored faults
    s.Inject(ReplyFrame(0x90, status));
    s.link().OdbiorRx();
    std::vector<uint8_t> errors(66, 0);
    errors[7 - 4] = 0x80;  // System Error
    errors[28 - 4] = 3;
    errors[6 - 4] = 0x01;
    s.Inject(ReplyFrame(0x82, errors));
    s.link().OdbiorRx();
    const QString text = s.window->ErrorListText();
    QVERIFY2(text.contains(QStringLiteral("System Error")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("3 x System Error")));
    QVERIFY(text.contains(QString::fromStdString(LangText(1901))));
    QVERIFY(text.contains(QString::fromStdString(LangText(1237))));
  }

  void lostConnectionIsShownAndRetried() {
    WindowSim s(2, documents_.string());
    Texts().LanguageIndex = 0;
    s.window->show();
    QVERIFY(s.Connect());
    s.window->OneSecond();
    // The description ends the read-out with a greeting; the next status frame shows the work.
    QVERIFY(s.TickUntil([&] { return s.window->StatusPanelText() == QStringLiteral("GAS"); }));
    s.controller.silent = true;  // the cable is pulled
    for (int i = 0; i < 10; ++i)
      s.Tick();
    s.window->OneSecond();
    QCOMPARE(s.window->StatusPanelText(), QStringLiteral("NO CONNECTION"));
    s.controller.silent = false;  // and plugged in again
    for (int second = 0; second < 8 && !s.link().JustOpened; ++second)
      s.window->OneSecond();
    QVERIFY2(s.link().JustOpened, "reopened within eight seconds");
    QVERIFY(
        s.TickUntil([&] { return s.window->StatusPanelText() == QStringLiteral("CONNECTED"); }));
  }

  void administratorSequenceAndLog() {
    WindowSim s(5, documents_.string());
    s.window->show();
    QCOMPARE(s.window->AdminLevel(), 0);
    QTest::keyClicks(s.window.get(), QStringLiteral("MAGNET"));
    QCOMPARE(s.window->AdminLevel(), 1);
    QTest::keyClick(s.window.get(), Qt::Key_Q);
    QCOMPARE(s.window->AdminLevel(), 3);
    QVERIFY(s.link().ParamAdmin());
    QMenu* adm = s.window->menuBar()->findChild<QMenu*>();
    QVERIFY(adm);
    for (QAction* a : s.window->menuBar()->actions())
      if (a->text() == QStringLiteral("Adm")) {
        QVERIFY(a->isVisible());
        a->menu()->actions().first()->trigger();  // "Transmisja"
      }
    QVERIFY(s.Connect());
    QVERIFY(s.window->adminLog().Text().contains(QStringLiteral("TX: 65")));
  }

  void parameterListTogglesTheReadings() {
    WindowSim s(2, documents_.string());
    s.window->show();
    QVERIFY(s.Connect());
    const int before = s.window->rightPanel().parameters()->RowCount();
    const std::vector<int> rows = ParamListRows(s.link());
    const auto hidden = std::find_if(rows.begin(), rows.end(), [&](int d) {
      return !(s.link().ListaWykresow()[d].flagi & 0x20);
    });
    QVERIFY(hidden != rows.end());
    TFormParam list(s.link(), PanelColours{});
    list.PressRow(static_cast<int>(hidden - rows.begin()));
    s.Tick();
    s.Tick();  // the next status frame
    QCOMPARE(s.window->rightPanel().parameters()->RowCount(), before + 1);
    list.PressRow(0);  // "Revolutions" leaves it
    s.Tick();
    s.Tick();
    QCOMPARE(s.window->rightPanel().parameters()->RowCount(), before);
  }

  // While the list window is open frames keep coming: every row's value belongs to its name.
  void namesAndValuesStayTogetherWhileReadingsChange() {
    WindowSim s(2, documents_.string());
    Texts().LanguageIndex = 0;
    s.window->show();
    QVERIFY(s.Connect());
    s.Tick();
    const ParameterGrid& readings = *s.window->rightPanel().parameters();
    QCOMPARE(readings.NameText(0), QStringLiteral("Revolutions"));
    s.link().ToggleReadingsPanel(s.link().PodajPozycje(ChartPlace::Readings, 0));
    QVERIFY(s.TickUntil([&] { return readings.RowCount() == 5; }, 4));
    s.Tick();
    s.Tick();
    QCOMPARE(readings.NameText(0), QStringLiteral("Vacuum"));
    QCOMPARE(readings.ValueText(0), QStringLiteral("0.35"));
    QCOMPARE(readings.NameText(4), QStringLiteral("Power supply"));
    QCOMPARE(readings.ValueText(4), QStringLiteral("14.00"));
    s.window->rightPanel().parameters()->repaint();  // no row reads past the list
  }

  void screenshotsOfConnectedWindows() {
    for (int family : {2, 255}) {
      WindowSim s(family, documents_.string());
      Texts().LanguageIndex = 0;
      s.window->resize(1024, 700);
      s.window->show();
      QVERIFY(s.Connect());
      s.Tick();
      s.Tick();
      const QString path = QStringLiteral(SCREENSHOT_FOLDER "/window-family%1.png").arg(family);
      QVERIFY(s.window->grab().save(path));
    }
  }

  // Korean captions must never turn into empty boxes: some installed font covers Hangul.
  void koreanTextHasAFont() {
    const QStringList families = QFontDatabase::families(QFontDatabase::Korean);
    QVERIFY2(!families.isEmpty(), "no font with Hangul installed (fonts-nanum)");
    const QFontMetrics metrics(QFont(families.first()));
    QVERIFY(metrics.inFontUcs4(U'한'));
  }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
