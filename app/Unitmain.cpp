#include "app/Unitmain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <filesystem>
#include <span>

#include "app/CaptionFit.h"
#include "app/ChannelList.h"
#include "app/CommandButtons.h"
#include "app/MapSubViews.h"
#include "app/ObdPage.h"
#include "app/ParameterGrid.h"
#include "app/QtUiServices.h"
#include "app/RightPanel.h"
#include "app/ScopeToolPanel.h"
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "app/Unit7.h"
#include "app/Unitadmin.h"
#include "app/Unitlogo.h"
#include "app/WindowRules.h"
#include "app/Workstation.h"
#include "charts/Tgrafika.h"
#include "controller/CommandLineFile.h"
#include "controller/SettingsCatalogue.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "obd/Telmobd.h"
#include "scope/ScopeTraces.h"
#include "scope/Toscyloskop.h"
#include "settings/Tnastawy.h"

namespace {

// A title bar and the frame around the window, which the window cannot measure before it is
// shown.
constexpr QSize kFrameAllowance(16, 40);
// Between two command buttons: buttons that touch read as one.
constexpr int kCommandGap = 6;

}  // namespace

QString MainWindowCaption() {
  return QStringLiteral("MALVER ver2.%1.2").arg(16);
}

char DecimalSeparator() {
  return QLocale::system().decimalPoint() == QStringLiteral(",") ? ',' : '.';
}

TForm1::TForm1(const MainWindowSetup& setup, QWidget* parent) : QMainWindow(parent), setup_(setup) {
  if (!setup_.ui) qtUi_ = std::make_unique<QtUiServices>(this);
  ui_ = setup_.ui ? setup_.ui : qtUi_.get();
  FormCreate();
  BuildSettingDialogs();
}

// Start-up: the objects, the data folders, the configuration, the texts.
void TForm1::FormCreate() {
  baseTitle_ = MainWindowCaption();
  setWindowTitle(baseTitle_);
  link_ = std::make_unique<TSterownik>(*ui_, clock_, setup_.ftdiLibrary);
  link_->OnZdarzenie = [this](const LinkEvent& event) { Zdarzenie(event); };
  link_->SetDecimalSeparator(DecimalSeparator());
  admin_ = new TFormAdmin(this);

  BuildWindow();
  BuildMenus();
  largePrint_ = new TForm7(*rightPanel_->parameters(), this);
  settingsHelp_ = new TForm2(*link_, this);
  device_ = new TForm3(
      *link_, *ui_, (std::filesystem::path(setup_.programPath).parent_path() / "Firmware").string(),
      this);
  connect(settingsHelp_, &TForm2::Changed, this, [this] {
    editor_->update();
    SettingChanged();
  });

  if (!setup_.documentsFolder.empty()) {
    CreateDataFolders(setup_.documentsFolder);
    // The workshop's password, presented to every controller from the first identification.
    link_->SetPasswordFile(PasswordFilePath(setup_.documentsFolder));
    link_->CzytajPlikHaslo();
  }
  const QSize screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size()
                                                        : QSize(1920, 1080);
  config_ = ReadConfiguration(ConfigurationReadPath(setup_.documentsFolder, setup_.programPath),
                              *link_, screen.width(), screen.height());
  UseDesktopLanguage(config_, QLocale::system().name().toStdString());
  ApplyConfiguration();
  Texts().ClearCache();
  SetLeftPanelCollapsed(true);
  rightPanel_->SetVariants(config_.button4 & 3, config_.button5 & 1);
  SetColourScheme(colourScheme_);
  ApplyTexts();
  SetViewLevel(viewLevel_);
  qApp->installEventFilter(this);

  connect(&linkTimer_, &QTimer::timeout, this, &TForm1::LinkTick);
  linkTimer_.setSingleShot(true);
  oneSecondTimer_.setInterval(1000);
  connect(&oneSecondTimer_, &QTimer::timeout, this, &TForm1::OneSecond);
  startupTimer_.setInterval(1000);
  connect(&startupTimer_, &QTimer::timeout, this, &TForm1::StartupTick);
}

TForm1::~TForm1() {
  qApp->removeEventFilter(this);
  obdTimer_.stop();
  if (obd_) obd_->OnZdarzenie = nullptr;
  linkTimer_.stop();
  oneSecondTimer_.stop();
  startupTimer_.stop();
  if (link_) link_->OnZdarzenie = nullptr;
}

void TForm1::ApplyConfiguration() {
  link_->PortNumber = setup_.port > 0 ? setup_.port : config_.comm;
  if (config_.elmComm > 0) obd_->PortNumber = config_.elmComm;
  colourScheme_ = config_.colourScheme;
  Texts().LanguageIndex = config_.language;
  viewLevel_ = config_.viewLevel;
  if (config_.fromFile) {
    setGeometry(config_.left, config_.top, config_.width, config_.height);
    if (config_.state == 2) setWindowState(Qt::WindowMaximized);
    if (config_.state == 1) setWindowState(Qt::WindowMinimized);
  } else {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    const int menu = menuBar()->sizeHint().height();
    const FirstStartWindow first =
        FirstStartWindowFor(available.width(), available.height(), kFrameAllowance.width(),
                            kFrameAllowance.height() + menu);
    resize(first.width, first.height + menu);
    move(available.center() - rect().center());
  }
  setMinimumSize(640, 480);
  grafika_->SetDeviationPoints(config_.checkBox1 != 0);
  grafika_->SetGasPressureShown(config_.checkBox2 != 0);
  grafika_->SetGornaTabela(std::clamp(config_.checkBox3, 0, 2));
}

QToolButton* MakeToggle(const QString& caption, QWidget* parent) {
  auto* b = new QToolButton(parent);
  b->setText(caption);
  b->setAutoRaise(true);
  return b;
}

void TForm1::BuildWindow() {
  auto* central = new QWidget(this);
  setCentralWidget(central);

  tabRow_ = new QWidget(central);
  auto* tabs = new QHBoxLayout(tabRow_);
  tabs->setContentsMargins(0, 0, 0, 0);
  tabs->setSpacing(0);
  for (int t = 0; t < 6; ++t) {
    auto* b = new QToolButton(tabRow_);
    b->setCheckable(true);
    b->setAutoExclusive(true);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    connect(b, &QToolButton::clicked, this, [this, t] { SelectTab(t); });
    tabs->addWidget(b);
    tabButtons_[static_cast<size_t>(t)] = b;
  }

  leftPanel_ = new QWidget(central);
  leftToggle_ = MakeToggle(QStringLiteral("<"), leftPanel_);
  connect(leftToggle_, &QToolButton::clicked, this,
          [this] { SetLeftPanelCollapsed(!leftCollapsed_); });
  channels_ = new ChannelList(*link_, *ui_, leftPanel_);
  auto* left = new QVBoxLayout(leftPanel_);
  left->setContentsMargins(0, 0, 0, 0);
  left->addWidget(leftToggle_, 0, Qt::AlignRight);
  left->addWidget(channels_, 1);

  centre_ = new QStackedWidget(central);
  emptyPage_ = new QWidget(centre_);
  diagnosticsPage_ = new QWidget(centre_);
  errorsBanner_ = new QLabel(diagnosticsPage_);
  informationBanner_ = new QLabel(diagnosticsPage_);
  errors_ = new QTextEdit(diagnosticsPage_);
  information_ = new QTextEdit(diagnosticsPage_);
  for (QTextEdit* e : {errors_, information_})
    e->setReadOnly(true);
  auto* diagnostics = new QVBoxLayout(diagnosticsPage_);
  diagnostics->addWidget(errorsBanner_);
  diagnostics->addWidget(errors_, 2);
  diagnostics->addWidget(informationBanner_);
  diagnostics->addWidget(information_, 1);
  editor_ = new TNastawy(*link_, centre_);
  connect(editor_, &TNastawy::Changed, this, &TForm1::SettingChanged);
  connect(editor_, &TNastawy::HelpPanelRequested, this,
          [this](int setting) { OpenSettingsGroup(setting, QStringLiteral("MALVER")); });
  connect(editor_, &TNastawy::CorrectionsRequested, this,
          [this] { OpenSettingsGroup(216, Q("MALVER - " + LangText(1282))); });
  connect(editor_, &TNastawy::HintChanged, this, [this](const QString& hint) {
    hint_ = hint;
    ShowStatusText();
  });
  centre_->addWidget(emptyPage_);
  centre_->addWidget(diagnosticsPage_);
  centre_->addWidget(editor_);
  BuildScope();
  BuildMapPage();
  strip_ = new QWidget(central);
  auto* stripLayout = new QVBoxLayout(strip_);
  stripLayout->setContentsMargins(0, 0, 0, 0);
  strip_->hide();
  BuildObdPage();
  centreColumn_ = new QVBoxLayout;
  centreColumn_->setSpacing(2);
  centreColumn_->addWidget(strip_);
  centreColumn_->addWidget(centre_, 1);
  left->insertWidget(1, scopeTools_);

  rightPanel_ = new RightPanel(*link_, central);
  rightShow_ = MakeToggle(QStringLiteral("<"), central);
  rightShow_->hide();
  connect(rightShow_, &QToolButton::clicked, this, [this] { SetRightPanelCollapsed(false); });
  connect(rightPanel_, &RightPanel::CollapseRequested, this,
          [this] { SetRightPanelCollapsed(true); });
  connect(rightPanel_, &RightPanel::ParameterListRequested, this, &TForm1::ShowParameterList);
  connect(rightPanel_, &RightPanel::ParameterRowDoubleClicked, this, [this](int row) {
    largePrint_->show();
    largePrint_->Pick(row);
  });

  bottomBar_ = new QWidget(central);
  progress_ = new QProgressBar(bottomBar_);
  progress_->setRange(0, 1024);
  progress_->hide();
  statusText_ = new QLabel(bottomBar_);
  statusText_->setObjectName(QStringLiteral("statusText"));
  panelStatus_ = new QLabel(bottomBar_);
  panelStatus_->setAlignment(Qt::AlignCenter);
  panelStatus_->setAutoFillBackground(true);
  panelStatus_->setToolTip(QStringLiteral("[F11]"));
  auto* bottom = new QHBoxLayout(bottomBar_);
  bottom->setContentsMargins(2, 0, 2, 0);
  bottom->setSpacing(kCommandGap);
  for (int i = 0; i < 3; ++i) {
    commandButtons_[static_cast<size_t>(i)] = new QPushButton(bottomBar_);
    bottom->addWidget(commandButtons_[static_cast<size_t>(i)]);
  }
  bottom->addWidget(progress_, 1);
  bottom->addWidget(statusText_, 2);
  commandButtons_[3] = new QPushButton(bottomBar_);
  bottom->addWidget(commandButtons_[3]);
  helpButton_ = new QToolButton(bottomBar_);
  helpButton_->setText(QStringLiteral("?"));
  helpButton_->hide();
  connect(helpButton_, &QToolButton::clicked, this, &TForm1::HelpClicked);
  bottom->addSpacing(8);
  bottom->addWidget(helpButton_);
  bottom->addSpacing(8);
  bottom->addWidget(panelStatus_);
  for (int i = 0; i < 4; ++i) {
    commandButtons_[static_cast<size_t>(i)]->hide();
    connect(commandButtons_[static_cast<size_t>(i)], &QPushButton::clicked, this,
            [this, i] { CommandClicked(i); });
  }

  auto* middle = new QHBoxLayout;
  middle->setSpacing(2);
  middle->addWidget(leftPanel_);
  middle->addLayout(centreColumn_, 1);
  middle->addWidget(rightShow_, 0, Qt::AlignTop);
  middle->addWidget(rightPanel_);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(2);
  column->addWidget(tabRow_);
  column->addWidget(mapRows_);
  column->addWidget(obdRow_);
  column->addLayout(middle, 1);
  column->addWidget(bottomBar_);
  tabRow_->hide();
}

bool TForm1::TabRowVisible() const {
  return !tabRow_->isHidden();
}

QString TForm1::StatusPanelText() const {
  return panelStatus_->text();
}
QString TForm1::ErrorListText() const {
  return errors_->toPlainText();
}
QString TForm1::InformationText() const {
  return information_->toPlainText();
}

void TForm1::ApplyTexts() {
  for (int t = 0; t < 6; ++t)
    tabButtons_[static_cast<size_t>(t)]->setText(Q(LangText(1200 + t)));
  errorsBanner_->setText(Q(" " + LangText(1232) + " " + LangText(1235) + " "));
  informationBanner_->setText(Q(" " + LangText(1234) + " "));
  leftToggle_->setToolTip(Q(LangText(1084) + " [L]"));
  rightPanel_->ApplyTexts();
  fileMenu_->setTitle(Q(LangText(1100)));
  factorySettingsAction_->setText(Q(LangText(1260)));
  deviceInfoAction_->setText(Q(LangText(1330)));
  serviceAction_->setText(Q(LangText(1340)));
  firmwareAction_->setText(Q(LangText(1360)));
  readSettingsAction_->setText(Q(LangText(1101)));
  saveSettingsAction_->setText(Q(LangText(1102)));
  ApplyScopeTexts();
  connectionMenu_->setTitle(Q(LangText(1117)));
  languageMenu_->setTitle(Q(LangText(1120)));
  viewMenu_->setTitle(Q(LangText(1150)));
  colourMenu_->setTitle(Q(LangText(1160)));
  documentationMenu_->setTitle(Q(LangText(1170)));
  helpMenu_->setTitle(Q(LangText(1180)));
  // Each language is named in itself.
  for (int i = 0; i < TextTable::kLanguageCount; ++i)
    languageActions_[static_cast<size_t>(i)]->setText(Q(Texts().Text(1000, i)));
  for (int i = 0; i < 3; ++i)
    viewActions_[static_cast<size_t>(i)]->setText(Q(LangText(1151 + i)));
  for (int i = 0; i < 6; ++i)
    colourActions_[static_cast<size_t>(i)]->setText(Q(LangText(1161 + i)));
  for (int i = 0; i < 3; ++i)
    documentationActions_[static_cast<size_t>(i)]->setText(Q(LangText(1171 + i)));
  helpActions_[0]->setText(Q(LangText(1181)));
  helpActions_[1]->setText(Q(LangText(1182)));
  helpButton_->setToolTip(Q(LangText(1180)));
  ApplyObdTexts();
  channels_->viewport()->update();
  rightPanel_->Rebuild();
  editor_->Relayout();
  ShowCommands(zakladka_);
  FitRowFonts();
}

void TForm1::ApplyColours() {
  const QPalette system = QApplication::palette();
  const ColourRoles roles = SchemeColours(colourScheme_, FromQColor(system.color(QPalette::Button)),
                                          FromQColor(system.color(QPalette::ButtonText)),
                                          FromQColor(system.color(QPalette::Shadow)));
  colours_ = PanelColours::From(roles);
  roles_ = roles;
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, colours_.window);
  palette.setColor(QPalette::WindowText, colours_.text);
  palette.setColor(QPalette::Base, colours_.listBackground);
  palette.setColor(QPalette::Text, colours_.text);
  palette.setColor(QPalette::Button, colours_.window);
  palette.setColor(QPalette::ButtonText, colours_.text);
  palette.setColor(QPalette::Light, colours_.light);
  centralWidget()->setPalette(palette);
  centralWidget()->setAutoFillBackground(true);
  largePrint_->SetColours(colours_);
  for (QLabel* banner : {errorsBanner_, informationBanner_}) {
    QPalette p = banner->palette();
    p.setColor(QPalette::WindowText, colours_.secondaryText);
    banner->setPalette(p);
  }
  rightPanel_->ApplyColours(colours_, colourScheme_);
  channels_->SetColours(colours_);
  editor_->SetColours(roles, colourScheme_);
  scope_->SetColours(scope::ScopeColoursOf(colourScheme_, roles.window, roles.text));
  grafika_->SetColours(chart::ChartColoursFor(colourScheme_ % 2 == 1, roles.window, roles.text,
                                              roles.checkFrame, roles.secondaryText));
  obdPage_->ApplyColours(colours_);
  device_->SetColours(colours_);
  PaintTabCaptions();
}

// The tab's command buttons: caption, colour, and the tag their click runs.
void TForm1::ShowCommands(int tab) {
  if (link_->Rodzina() == Family::Unknown) return ShowCommandRow({}, false);
  if (tab == kMapTab) {
    const MapSubView view = MapSubViewOf(*link_, podWidokButton_);
    return ShowCommandRow(view.commands, view.help);
  }
  const CommandRow row = tab == kObdTab ? CommandsOfObdSubTab(podZakladkaObd_) : CommandsOfTab(tab);
  ShowCommandRow(row, tab != kSettingsTab);
}

void TForm1::HelpClicked() {
  const int video = HelpVideoOf(*link_, zakladka_, podWidokMapy_, podZakladkaObd_);
  const std::string address = HelpVideoAddress(video, Texts().LanguageIndex);
  if (!address.empty()) ui_->OpenAddress(address);
}

void TForm1::ShowCommandRow(const CommandRow& row, bool help) {
  // A page whose video was not made in this language offers no help button that does nothing.
  const int video = HelpVideoOf(*link_, zakladka_, podWidokMapy_, podZakladkaObd_);
  helpButton_->setVisible(help && !HelpVideoAddress(video, Texts().LanguageIndex).empty());
  for (size_t i = 0; i < row.size(); ++i) {
    QPushButton* b = commandButtons_[i];
    commandTags_[i] = row[i].tag;
    b->setVisible(row[i].tag != 0);
    b->setText(CommandCaption(row[i]));
    QPalette p = b->palette();
    p.setColor(QPalette::ButtonText, CommandColour(row[i].colour, colours_));
    b->setPalette(p);
  }
  FitCommandButtons();
}

// The command buttons fit the bottom bar beside the help button and the work-state panel,
// packed closer where the captions are long or the window narrow.
void TForm1::FitCommandButtons() {
  const int gap = bottomBar_->layout()->spacing();
  int room = bottomBar_->width() - panelStatus_->width() - 16 - 4 - 2 * gap;
  if (!helpButton_->isHidden()) room -= helpButton_->width() + gap;
  // Packed close and still too wide, the captions take the smallest readable size.
  for (int size : {bottomBar_->font().pointSize(), 7}) {
    std::vector<int> captions;
    for (QPushButton* b : commandButtons_) {
      QFont font = b->font();
      font.setPointSize(size);
      b->setFont(font);
      if (!b->isHidden()) captions.push_back(b->fontMetrics().horizontalAdvance(b->text()));
    }
    const int margin = CommandButtonMargin(room, captions, gap);
    for (QPushButton* b : commandButtons_)
      b->setMinimumWidth(b->fontMetrics().horizontalAdvance(b->text()) + margin);
    if (CommandButtonMargin(room + 12 * static_cast<int>(captions.size()), captions, gap) > 8)
      break;
  }
}

// The calibration's button says what pressing it (or Enter) does now.
QString TForm1::CommandCaption(const CommandButton& button) const {
  if (!button.caption.empty()) return Q(button.caption);
  if (button.tag != kCalibrationCommand) return Q(LangText(button.captionId));
  return Q(LangText(progress_->isHidden() ? 1261 : 1263) + "  [Enter]");
}

void TForm1::CommandClicked(int i) {
  const int tag = commandTags_[static_cast<size_t>(i)];
  const CommandContext context{grafika_->RodzajWykresu(), grafika_->GornaTabela(),
                               setup_.documentsFolder, obd_.get()};
  if (RunCommand(*link_, *ui_, tag, context)) AfterCommand(tag);
}

// After a change of settings every view that shows them follows.
void TForm1::SettingChanged() {
  editor_->update();
  if (settingsHelp_->isVisible()) settingsHelp_->editor().update();
  RebuildPanels();
  ShowStatusText();
}

void TForm1::OpenSettingsGroup(int group, const QString& caption) {
  settingsHelp_->ShowGroup(group, caption, roles_, colourScheme_, viewLevel_, adminLevel_ & 2);
}

void TForm1::SetStatusPanel(const QString& text, const QColor& textColour, const QColor& background,
                            int points) {
  panelStatus_->setText(text);
  QPalette p = panelStatus_->palette();
  p.setColor(QPalette::WindowText, textColour);
  p.setColor(QPalette::Window, background);
  panelStatus_->setPalette(p);
  QFont f = panelStatus_->font();
  f.setPointSize(points);
  panelStatus_->setFont(f);
}

void TForm1::SetLeftPanelCollapsed(bool collapsed) {
  leftCollapsed_ = collapsed;
  channels_->setVisible(!collapsed);
  leftToggle_->setText(collapsed ? QStringLiteral(">") : QStringLiteral("<"));
  resizeEvent(nullptr);
}

void TForm1::SetRightPanelCollapsed(bool collapsed) {
  rightCollapsed_ = collapsed;
  rightPanel_->setVisible(rightPanelShown_ && !collapsed);
  rightShow_->setVisible(rightPanelShown_ && collapsed);
  resizeEvent(nullptr);
}

// Layout rules: the status and right panels take a fifth of the width, bars grow on tall windows.
void TForm1::resizeEvent(QResizeEvent* event) {
  if (event) QMainWindow::resizeEvent(event);
  if (!centralWidget()) return;
  const int w = centralWidget()->width() / 100;
  const int statusWidth = w > 8 ? 20 * w : 180;
  const int bar = centralWidget()->height() <= 550 ? 28 : 32;
  panelStatus_->setFixedWidth(statusWidth);
  rightPanel_->setFixedWidth(statusWidth);
  leftPanel_->setFixedWidth(leftCollapsed_ ? 14 + leftToggle_->sizeHint().width() : 180);
  tabRow_->setFixedHeight(bar);
  bottomBar_->setFixedHeight(bar);
  helpButton_->setFixedSize(bar, bar);
  progress_->setFixedHeight(bar - 4);
  QFont status = statusText_->font();
  status.setPointSize(bar == 28 ? 7 : 8);
  statusText_->setFont(status);
  FitRowFonts();
  FitCommandButtons();
}

// The three tab rows: the first and second share the width among five or six buttons, the
// third gives each of its buttons a quarter of it, from the left.
void TForm1::FitRowFonts() {
  const int width = centralWidget()->width();
  FitRowFont(tabButtons_, width / (tabButtons_[5]->isHidden() ? 5 : 6), 14, false);
  FitRowFont(mapButtons_, width / (mapButtons_[5]->isHidden() ? 5 : 6), 12, true);
  for (QToolButton* b : obdButtons_)
    b->setFixedWidth(width / 4);
  FitRowFont(obdButtons_, width / 4, 14, false);
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  // The administrator gate and today's date for the change history.
  adminLevel_ = 0;
  extendedTabs_ = false;
  uint32_t workstation = 0;
  if (WorkstationIdentifier(workstation, setup_.machineIdFile)) {
    link_->SetWorkstation(workstation);
    adminLevel_ = IsAdministratorWorkstation(workstation) ? 1 : 0;
    extendedTabs_ = HasExtendedTabs(workstation);
  }
  const QDate today = QDate::currentDate();
  link_->SetToday(today.year(), today.month(), today.day());
  RefreshForAdministratorLevel();
  ShowNoConnection();
  if (setup_.timers) {
    oneSecondTimer_.start();
    startupTimer_.start();
    linkTimer_.start(link_->TimerInterval());
    StartObdTimer();
  }
  if (setup_.port > 0) OtworzPort();
  if (setup_.elmPort > 0) obd_->PortOpen(setup_.elmPort);
  if (std::filesystem::exists("varoro")) ui_->StartProgram("./varoro");
}

void TForm1::closeEvent(QCloseEvent* event) {
  config_.comm = link_->PortNumber;
  config_.elmComm = obd_->PortNumber;
  config_.colourScheme = colourScheme_;
  config_.language = Texts().LanguageIndex;
  config_.viewLevel = viewLevel_;
  config_.state = isMaximized() ? 2 : isMinimized() ? 1 : 0;
  config_.top = std::max(0, geometry().top());
  config_.left = std::max(0, geometry().left());
  config_.width = geometry().width();
  config_.height = geometry().height();
  config_.button4 = rightPanel_->ParameterVariant();
  config_.button5 = rightPanel_->InjectionVariant();
  config_.checkBox1 = grafika_->DeviationPoints();
  config_.checkBox2 = grafika_->GasPressureShown();
  config_.checkBox3 = grafika_->GornaTabela();
  WriteConfiguration(ConfigurationWritePath(setup_.documentsFolder, setup_.programPath), config_,
                     *link_);

  oneSecondTimer_.stop();
  startupTimer_.stop();
  linkTimer_.stop();
  obdTimer_.stop();
  link_->KasujFlagiTransmisji("FormCloseQuery");
  QApplication::processEvents();
  link_->KasujFlagiTransmisji("FormClose");
  link_->ZamknijPortComm();
  obd_->PortClose();
  QApplication::processEvents();
  event->accept();
}

// The splash on the first second, away on the fifth; then the file of the command line.
void TForm1::StartupTick() {
  ++startupTicks_;
  if (startupTicks_ == 1 && setup_.splash) {
    auto* logo = new TFormLogo(this);
    logo->setAttribute(Qt::WA_DeleteOnClose);
    logo->setObjectName(QStringLiteral("TFormLogo"));
    logo->open();
  }
  if (startupTicks_ < 5) return;
  startupTimer_.stop();
  if (QWidget* logo = findChild<QWidget*>(QStringLiteral("TFormLogo"))) logo->close();
  OpenCommandLineFile();
}

// A settings file or a scope recording named on the command line.
void TForm1::OpenCommandLineFile() {
  const std::string& path = setup_.file;
  if (!std::filesystem::is_regular_file(path)) return;
  switch (CommandLineFileKind(path)) {
    case CommandLineFile::Settings:
      ReadSettingsFile(path);
      break;
    case CommandLineFile::Scope:
      OpenScopeFile(path);
      break;
    default:
      break;
  }
}

void TForm1::LinkTick() {
  link_->Timer1OnTimer();
  linkTimer_.start(link_->TimerInterval());
}
