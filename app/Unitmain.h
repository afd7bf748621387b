#pragma once

#include <QColor>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Configuration.h"
#include "app/ConnectionSupervisor.h"
#include "app/KeyBuffers.h"
#include "app/PanelColours.h"
#include "controller/Clock.h"
#include "controller/DecodedStatus.h"
#include "controller/Protocol.h"
#include "files/FileIo.h"
#include "scope/ScopeLayout.h"
#include "serial/Ftd2xx.h"
#include "serial/Tserial.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QProgressBar;
class QStackedWidget;
class TGrafika;
class TObd;
class ObdPage;
class QTextEdit;
class QVBoxLayout;
class QToolButton;
class ChannelList;
class RightPanel;
class QPushButton;
class TFormAdmin;
class TForm2;
class TForm3;
class TForm6;
class TForm7;
class TFormCal;
class TFormLevel;
class TFormSeq;
class TScope;
class ScopeToolPanel;
class TNastawy;
class TSterownik;
class UiServices;
struct CommandButton;
struct LinkEvent;
struct MapTools;
struct ListLine;

// What the main window is started with; tests give their own folders and window services.
struct MainWindowSetup {
  std::string documentsFolder;  // empty: the system gives none
  std::string programPath;
  std::string ftdiLibrary = ftdi::kDefaultLibraryName;
  std::string machineIdFile = "/etc/machine-id";
  int port = 0;      // a port to connect at once (command line), 0 = the configured one
  int elmPort = 0;   // the OBD adapter's port to open at once, 0 = none
  std::string file;  // a settings or scope file to open after the splash (command line)
  bool splash = true;
  bool timers = true;        // false: the caller drives the link and the one-second watch itself
  UiServices* ui = nullptr;  // null: Qt's message boxes
};

// The main tabs, by their buttons' tags.
enum MainTab : int { kSettingsTab, kCalibrationTab, kMapTab, kDiagnosticsTab, kScopeTab, kObdTab };

// "MALVER ver2.16.2"
QString MainWindowCaption();
// The system's decimal separator, which the values shown follow.
char DecimalSeparator();
// A connection menu: Connect or Disconnect, then one checkable entry per port; `clicked` gets
// the entry's tag, 0 for the first.
void FillPortMenu(QMenu& menu, bool connected, const std::vector<PortEntry>& ports,
                  const std::function<void(int)>& clicked);

// The main window: the program.
class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm1(const MainWindowSetup& setup, QWidget* parent = nullptr);
  ~TForm1() override;

  TSterownik& link() { return *link_; }
  RightPanel& rightPanel() { return *rightPanel_; }
  const Configuration& configuration() const { return config_; }
  QString StatusPanelText() const;
  QString ErrorListText() const;
  QString InformationText() const;
  int ViewLevel() const { return viewLevel_; }
  int ColourScheme() const { return colourScheme_; }
  int AdminLevel() const { return adminLevel_; }
  int CurrentTab() const { return zakladka_; }
  QToolButton* tabButton(int tab) const { return tabButtons_[static_cast<size_t>(tab)]; }
  QColor TabCaptionColour(int tab) const;
  bool AutoReconnect() const { return connectTag_ == 0; }
  bool TabRowVisible() const;
  TFormAdmin& adminLog() { return *admin_; }
  TNastawy& settingsEditor() { return *editor_; }
  TForm3& deviceWindow() { return *device_; }
  // The device window in its mode 1..4 (device information, service, firmware, password).
  void OpenDeviceWindow(int mode);
  void OpenServiceWindow();
  TForm2& settingsHelp() { return *settingsHelp_; }
  // The setting dialogs the editors open (MainDialogs.cpp).
  TFormSeq& injectorSequence() { return *sequence_; }
  TFormLevel& levelSensor() { return *level_; }
  TFormCal& calculator() { return *calculator_; }
  TScope& scopeView() { return *scope_; }
  ChannelList& channelList() { return *channels_; }
  ScopeToolPanel& scopeTools() { return *scopeTools_; }
  TForm6& scopeWindow() { return *scopeWindow_; }
  TGrafika& mapView() { return *grafika_; }
  TObd& obd() { return *obd_; }
  ObdPage& obdPage() { return *obdPage_; }
  // The OBD tab's sub-tab buttons SpeedButton31 .. 34.
  QToolButton* obdButton(int button) const;
  int PodZakladkaObd() const { return podZakladkaObd_; }
  void ObdSubTabClicked(int button);
  // One tick of the OBD link's timer (tests without timers call it themselves).
  void ObdTick();
  // The Map tab's sub-view buttons (SpeedButton11..16, 21..26) and the bank row.
  QToolButton* mapButton(int button) const;
  QToolButton* bankButton(int tag) const { return bankButtons_[static_cast<size_t>(tag)]; }
  // The tool panel: petrol/gas/deviation (tags 0..2) and the tools SpeedButton90..95.
  QToolButton* viewButton(int tag) const { return viewButtons_[static_cast<size_t>(tag)]; }
  QToolButton* toolButton(int button) const {
    return toolButtons_[static_cast<size_t>(button - 90)];
  }
  QWidget* settingsStrip() const { return strip_; }
  int PodWidokMapy() const { return podWidokMapy_; }
  void MapSubViewClicked(int button);
  // The command buttons of the bottom bar (Btn51 .. Btn54).
  QPushButton* commandButton(int i) const { return commandButtons_[static_cast<size_t>(i)]; }
  QToolButton* helpButton() const { return helpButton_; }

  // The controller's events (the link's OnZdarzenie).
  void Zdarzenie(const LinkEvent& event);
  // The one-second supervision (Timer1Timer).
  void OneSecond();
  // The port-opening procedure of the connection menu and the reconnection.
  void OtworzPort();
  // Connection menu: the fixed first entry (tag -1/0) or a port entry (its port number).
  void PortEntryClicked(int tag);
  void SelectTab(int tab);
  // A settings file, asked for with the file dialog when path is empty.
  void ReadSettingsFile(const std::string& path);
  // The file named on the command line, once the splash is gone.
  void OpenCommandLineFile();
  // A scope recording, asked for with the file dialog when path names no file; the
  // Oscilloscope tab shows it.
  void OpenScopeFile(const std::string& path);
  void OpenDemoRecording(const std::string& path);
  // A button of the scope's tool panel.
  void ScopeTool(int tag);
  // The administrator's dump of the recording's OBD data into the transmission log.
  void DumpObdFromScope();
  void SetLanguage(int index);
  void SetViewLevel(int level);
  void SetColourScheme(int scheme);
  // The hidden administrator sequence or the Q key.
  void ToggleAdministrator();
  void ToggleSecondAdministratorLevel();
  void ShowParameterList();
  void ExportLanguages();
  void ExportCatalogue(FileResult (*write)(const std::string& folder, int firmware));

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void BuildWindow();
  void BuildMenus();
  void BuildAdminMenu();
  void RebuildConnectionMenu();
  void EnableFileMenu();
  void ApplyConfiguration();
  void ApplyTexts();
  void ApplyColours();
  void RefreshForAdministratorLevel();
  void FormKeyDown(int key);
  void StartupTick();
  void LinkTick();
  void ShowStatus(const DecodedStatus& status);
  void BuildSettingDialogs();
  void StatusToSettingDialogs(const DecodedStatus& status);
  void ShowStatusText();
  void PaintTabCaptions();
  void MarkTab(int tab, TabMark mark);
  void SetTabCaptionColour(int tab, const QColor& colour);
  void AdaptToController();
  void ShowConnected();
  void ShowNoConnection();
  void AddInformation(const std::string& text);
  void RebuildPanels();
  void CalibrationEvent(CalibrationState state, int aux);
  void SetStatusPanel(const QString& text, const QColor& text_colour, const QColor& background,
                      int points);
  void WriteLines(QTextEdit* edit, const std::vector<ListLine>& lines);
  void OpenDocumentFolder(const char* folder);
  void FitRowFonts();
  void FitCommandButtons();
  void SetLeftPanelCollapsed(bool collapsed);
  void ShowCommands(int tab);
  void ShowCommandRow(const std::array<CommandButton, 4>& row, bool help);
  void HelpClicked();
  QString CommandCaption(const CommandButton& button) const;
  void CommandClicked(int i);
  void SettingChanged();
  void OpenSettingsGroup(int group, const QString& caption);
  void SetRightPanelCollapsed(bool collapsed);
  bool FileTabKeyAllowed(int tab) const;
  void BuildScope();
  void BuildScopeMenu();
  void ApplyScopeTexts();
  void EnableScopeMenu();
  void DetachScope();
  void DockScope();
  void ShowScope(scope::DisplayKind kind, bool startLive);
  void ShowScopeTab(bool pressedAgain);
  void FollowDetachedScope(int tab);
  void BuildMapPage();
  void ShowMapTab();
  void RecolourMapCaptions();
  void ShowChart(int kind);
  void LayoutMapTools();
  void BankClicked(int tag);
  void ToggleBank();
  QWidget* BuildViewRow();
  QWidget* BuildBankRow();
  QWidget* BuildToolsRow();
  void LayoutViewRow(bool shown);
  void LayoutToolsRow(const MapTools& tools);
  void MapToolClicked(int tag);
  // F8: petrol, gas, deviation in turn, while their row is shown.
  void CycleMapView();
  void PlaceScopeAboveMap(bool above);
  void AfterCommand(int tag);
  void EnterKey();
  void ShowRecordingChart(int podZakladka);
  void ShowStrip(int height, int mode);
  void EditorToCentre();
  void BuildObdPage();
  void BuildElmMenu();
  void RebuildElmMenu();
  void ApplyObdTexts();
  void StartObdTimer();
  void ShowObdTab();
  void ShowObdStrip(int height);
  void HideObdPage();
  void ShowObdRows();
  void ObdEvent(int code, int aux, int length);
  void ObdModuleEvent(const LinkEvent& event);
  void BuildDeviceMenu();
  void FirmwareEvent(const LinkEvent& event);

  MainWindowSetup setup_;
  std::unique_ptr<UiServices> qtUi_;
  UiServices* ui_;
  SteadyClock clock_;
  std::unique_ptr<TSterownik> link_;
  std::unique_ptr<TObd> obd_;
  Configuration config_;
  ConnectionSupervisor supervisor_;
  KeyBuffers keys_;
  PanelColours colours_{};
  ColourRoles roles_{};

  int viewLevel_ = 1;
  int colourScheme_ = 3;
  int adminLevel_ = 0;
  bool extendedTabs_ = false;
  int zakladka_ = 0;
  int connectTag_ = 0;  // the connection menu's first entry: 0 reconnect by itself, -1 not
  bool opening_ = false;
  int bannerSeconds_ = 0;
  int startupTicks_ = 0;
  bool shownOnce_ = false;
  const QEvent* lastKey_ = nullptr;
  QPointer<QWidget> lastKeyWidget_;
  bool leftCollapsed_ = true;
  bool rightCollapsed_ = false;
  bool rightPanelShown_ = true;  // false: the controller's family has no right panel
  std::string loadedFileName_;
  QString baseTitle_;

  std::array<QToolButton*, 6> tabButtons_{};
  QColor kolorZakladki_;  // the Diagnostics caption's colour at the last tab change
  QWidget* tabRow_ = nullptr;
  QWidget* leftPanel_ = nullptr;
  ChannelList* channels_ = nullptr;
  QToolButton* leftToggle_ = nullptr;
  QToolButton* rightShow_ = nullptr;
  QStackedWidget* centre_ = nullptr;
  QWidget* emptyPage_ = nullptr;
  QWidget* diagnosticsPage_ = nullptr;
  TNastawy* editor_ = nullptr;
  QWidget* scopePage_ = nullptr;
  TScope* scope_ = nullptr;
  ScopeToolPanel* scopeTools_ = nullptr;
  TForm6* scopeWindow_ = nullptr;
  bool oknoOscyloskopu_ = false;  // the installer wants the scope in its own window
  int podZakladkaOsc_ = 0;
  QWidget* strip_ = nullptr;             // the settings strip above the centre
  QVBoxLayout* centreColumn_ = nullptr;  // the strip and the centre share its height
  QWidget* mapRows_ = nullptr;
  std::array<QToolButton*, 12> mapButtons_{};
  QWidget* mapPage_ = nullptr;
  TGrafika* grafika_ = nullptr;
  QWidget* mapScopeSlot_ = nullptr;  // the scope above the emulators' tables
  QWidget* toolPanel_ = nullptr;
  QWidget* viewRow_ = nullptr;
  std::array<QToolButton*, 3> viewButtons_{};
  QWidget* bankPanel_ = nullptr;
  std::array<QToolButton*, 4> bankButtons_{};
  QWidget* toolsRow_ = nullptr;
  std::array<QToolButton*, 6> toolButtons_{};  // SpeedButton90 .. 95
  static constexpr int kFirstMapSubView = 11;
  int podWidokButton_ = kFirstMapSubView;  // the Map sub-view button last pressed
  int podWidokMapy_ = -1;
  int petrolScopeSeconds_ = 0;
  QWidget* obdRow_ = nullptr;
  std::array<QToolButton*, 4> obdButtons_{};
  ObdPage* obdPage_ = nullptr;
  int podZakladkaObd_ = 0;
  std::array<QPushButton*, 4> commandButtons_{};
  std::array<int, 4> commandTags_{};
  QToolButton* helpButton_ = nullptr;  // Btn55: the page's help video
  QTextEdit* errors_ = nullptr;
  QTextEdit* information_ = nullptr;
  QLabel* errorsBanner_ = nullptr;
  QLabel* informationBanner_ = nullptr;
  RightPanel* rightPanel_ = nullptr;
  QWidget* bottomBar_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* statusText_ = nullptr;
  QString hint_;  // the editor's hover help, shown before the pending writes
  QLabel* panelStatus_ = nullptr;

  QMenu* fileMenu_ = nullptr;
  QAction* factorySettingsAction_ = nullptr;
  QAction* readSettingsAction_ = nullptr;
  QAction* saveSettingsAction_ = nullptr;
  QMenu* demoMenu_ = nullptr;
  std::vector<QAction*> demoActions_;
  QAction* readScopeAction_ = nullptr;
  QAction* saveScopeAction_ = nullptr;
  QAction* exportAction_ = nullptr;
  QAction* deviceInfoAction_ = nullptr;
  QAction* serviceAction_ = nullptr;
  QAction* firmwareAction_ = nullptr;
  QMenu* connectionMenu_ = nullptr;
  QMenu* elmMenu_ = nullptr;
  QMenu* languageMenu_ = nullptr;
  QMenu* viewMenu_ = nullptr;
  QMenu* colourMenu_ = nullptr;
  QMenu* documentationMenu_ = nullptr;
  QMenu* helpMenu_ = nullptr;
  QMenu* adminMenu_ = nullptr;
  QAction* adminMenuAction_ = nullptr;
  QAction* logAction_ = nullptr;
  std::array<QAction*, 14> languageActions_{};
  std::array<QAction*, 3> viewActions_{};
  std::array<QAction*, 6> colourActions_{};
  std::array<QAction*, 3> documentationActions_{};
  std::array<QAction*, 2> helpActions_{};

  TFormAdmin* admin_ = nullptr;
  TForm7* largePrint_ = nullptr;
  TForm2* settingsHelp_ = nullptr;
  TForm3* device_ = nullptr;
  TFormSeq* sequence_ = nullptr;
  TFormLevel* level_ = nullptr;
  TFormCal* calculator_ = nullptr;

  QTimer linkTimer_;
  QTimer oneSecondTimer_;
  QTimer obdTimer_;
  QTimer startupTimer_;
};
