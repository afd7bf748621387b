// The main window's handling of the controller's events, its one-second watch and the
// port-opening procedure.

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QStackedWidget>
#include <QTextEdit>
#include <QToolButton>

#include "app/ChannelList.h"
#include "app/CommandButtons.h"
#include "app/EventRefresh.h"
#include "app/RightPanel.h"
#include "app/ScopeToolPanel.h"
#include "app/Unit3.h"
#include "app/Unit7.h"
#include "app/Unitmain.h"
#include "app/WindowRules.h"
#include "charts/Tgrafika.h"
#include "controller/Calibration.h"
#include "controller/ErrorList.h"
#include "controller/PendingWrites.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "lang/UiServices.h"
#include "scope/ScopeTools.h"
#include "scope/Toscyloskop.h"
#include "settings/Tnastawy.h"

namespace {

const QColor kStatusBackground = ToQColor(15793151);
constexpr int kPetrolScopeMode = 3;
constexpr int kCalibrationStripHeight = 96;
constexpr int kPetrolScopeSeconds = 6;

}  // namespace

void TForm1::Zdarzenie(const LinkEvent& event) {
  const Refresh r = RefreshFor(event);
  if (r.statusFrame) {
    ShowStatus(*event.status);
    grafika_->PokazBiezace(*event.status);
    if (event.status->mapsChanged) grafika_->Przerysuj();
    scope_->AddRecord(*event.status);
    StatusToSettingDialogs(*event.status);
    if (event.status->serviceDataChanged && device_->isVisible()) device_->Redraw();
  }
  if (r.chart) {
    grafika_->Przerysuj();
    RecolourMapCaptions();
  }
  if (r.recordingFile) scopeTools_->ShowPressed(scope::kRecordingFile, event.code == 1);
  if (r.replayedRecord) rightPanel_->UpdateFromStatus(*event.status);
  if (r.errorList) WriteLines(errors_, ErrorListLines(event.frame, *link_));
  if (r.panels) {
    RebuildPanels();
    editor_->Relayout();
  }
  if (r.identity) {
    AdaptToController();
    const bool adminMenu = adminMenuAction_->isVisible();
    setWindowTitle(Q(IdentifiedTitle(baseTitle_.toStdString(), *link_, adminMenu)));
  }
  // What the workshop wrote into the controller greets the installer who connects to it.
  if (r.description && !link_->OpisSterownika().empty() && !device_->isVisible())
    OpenServiceWindow();
  if (r.connected) ShowConnected();
  if (r.obdModule) ObdModuleEvent(event);
  if (r.firmware) FirmwareEvent(event);
  if (r.calibration) CalibrationEvent(static_cast<CalibrationState>(event.code), event.aux);
  if (r.baseTitle) setWindowTitle(baseTitle_);
  if (r.fileLoaded) {
    connectTag_ = -1;
    loadedFileName_ = link_->LoadedFileName();
    setWindowTitle(Q(FileTitle(baseTitle_.toStdString(), *link_, loadedFileName_)));
    AdaptToController();
    RebuildPanels();
    scope_->Redraw();
  }
  ShowStatusText();
}

// The hover hint, or else what is on its way to the controller.
void TForm1::ShowStatusText() {
  statusText_->setText(hint_.isEmpty() ? Q(PendingWritesText(*link_)) : hint_);
}

// Every status frame: the work state (alternating with the event text at the blink phase),
// the panels, and the controller's messages.
void TForm1::ShowStatus(const DecodedStatus& status) {
  SetStatusPanel(Q(LangText(status.workState.longText)), Qt::black,
                 ToQColor(status.workState.colour), 10);
  if (status.event.textId != 0 && supervisor_.tick() % 2 == 1)
    SetStatusPanel(Q(LangText(status.event.textId)), ToQColor(status.event.colour),
                   kStatusBackground, 8);
  if (supervisor_.tick() % 2 == 1) {
    MarkTab(kDiagnosticsTab, status.diagnosticsTab);
    MarkTab(kObdTab, status.obdTab);
  }
  rightPanel_->UpdateFromStatus(status);
  editor_->UpdateStatus(status);
  if (largePrint_->isVisible()) largePrint_->update();
  if (status.information == InformationLine::None) return;
  const std::string message = link_->StrInfoPracy(status);
  AddInformation(message);
  if (status.information == InformationLine::Message) {
    rightPanel_->ShowOption(Q(message), QColor());
    bannerSeconds_ = 4;
  }
}

void TForm1::MarkTab(int tab, TabMark mark) {
  switch (mark) {
    case TabMark::Keep:
      break;
    case TabMark::Normal:
      SetTabCaptionColour(tab, kolorZakladki_);
      break;
    case TabMark::Fault:
      SetTabCaptionColour(tab, Qt::red);
      break;
    case TabMark::Good:
      SetTabCaptionColour(tab, QColor(0, 128, 0));
      break;
  }
}

void TForm1::PaintTabCaptions() {
  for (int t = 0; t < 6; ++t)
    SetTabCaptionColour(t, t == zakladka_ ? colours_.selected : colours_.text);
  // What a mark on the Diagnostics or OBD caption returns to.
  kolorZakladki_ = zakladka_ == kDiagnosticsTab ? colours_.selected : colours_.text;
}

QColor TForm1::TabCaptionColour(int tab) const {
  return tabButtons_[static_cast<size_t>(tab)]->palette().color(QPalette::ButtonText);
}

void TForm1::SetTabCaptionColour(int tab, const QColor& colour) {
  QToolButton* b = tabButtons_[static_cast<size_t>(tab)];
  QPalette p = b->palette();
  p.setColor(QPalette::ButtonText, colour);
  b->setPalette(p);
}

// The information list: the scope's time of the frame, a tab or two, the message.
void TForm1::AddInformation(const std::string& text) {
  std::string line = scope::RecordingLengthText(*link_) + "\t";
  if (line.size() <= 8) line += "\t";
  information_->setTextColor(colours_.text);
  information_->append(Q(line + text));
}

void TForm1::WriteLines(QTextEdit* edit, const std::vector<ListLine>& lines) {
  edit->clear();
  for (const ListLine& line : lines) {
    edit->setTextColor(line.colour == ListLine::kTextColour ? colours_.text
                                                            : ToQColor(line.colour));
    edit->setFontPointSize(line.size);
    edit->append(Q(line.text));
  }
}

void TForm1::RebuildPanels() {
  rightPanel_->Rebuild();
  channels_->viewport()->update();
}

void TForm1::ShowConnected() {
  SetStatusPanel(Q(LangText(1241)), QColor(0, 160, 0), kStatusBackground, 10);
  QApplication::beep();
  supervisor_.Connected();
  RebuildPanels();
}

void TForm1::ShowNoConnection() {
  SetStatusPanel(Q(LangText(1240)), Qt::red, kStatusBackground, 10);
}

void TForm1::AdaptToController() {
  const FamilyLayout l = LayoutForController(*link_);
  if (!l.changes) return;
  if (!l.keepsRightPanel) {
    rightPanelShown_ = l.rightPanel;
    SetRightPanelCollapsed(rightCollapsed_);
    rightPanel_->SetInjectionsVisible(l.tabRow);
  }
  viewMenu_->menuAction()->setVisible(l.viewMenu);
  tabRow_->setVisible(l.tabRow);
  tabButtons_[5]->setVisible(l.obdTab);
  obdButton(32)->hide();  // the module's own page is the Device sub-tab
  obdButton(33)->setVisible(l.obdDeviceTab);
  deviceInfoAction_->setVisible(l.deviceInfo);
  serviceAction_->setVisible(l.service);
  firmwareAction_->setVisible(l.firmware);
  elmMenu_->menuAction()->setVisible(l.elmMenu);
  if (l.unknownDevice)
    ui_->MessageBox(LangText(2154) + " " + std::to_string(static_cast<int>(link_->Rodzina())),
                    mb::kOk);
  editor_->Relayout();
  SelectTab(l.diagnosticsOnly ? kDiagnosticsTab : 0);
  RebuildPanels();
}

// The tab row: the centre shows what the chosen tab has to show.
void TForm1::SelectTab(int tab) {
  if (tab < 0 || tab > 5) return;
  const bool pressedAgain = zakladka_ == tab;
  zakladka_ = tab;
  tabButtons_[static_cast<size_t>(tab)]->setChecked(true);
  PaintTabCaptions();
  ShowCommands(tab);
  EditorToCentre();
  mapRows_->hide();
  HideObdPage();
  grafika_->Ukryj();
  if (link_->Rodzina() == Family::Unknown) {
    centre_->setCurrentWidget(emptyPage_);
    return;
  }
  centre_->setCurrentWidget(tab == kSettingsTab      ? static_cast<QWidget*>(editor_)
                            : tab == kDiagnosticsTab ? diagnosticsPage_
                                                     : emptyPage_);
  if (tab == kSettingsTab) editor_->SetMode(EditorView::kMainPage);
  SetLeftPanelCollapsed(tab != kCalibrationTab);
  scopeTools_->hide();
  if (tab == kCalibrationTab) {
    ShowStrip(kCalibrationStripHeight, EditorView::kCalibrationPanel);
    ShowScope(scope::DisplayKind::Calibration, true);
  }
  if (tab == kMapTab) ShowMapTab();
  if (tab == kScopeTab) ShowScopeTab(pressedAgain);
  if (tab == kObdTab) ShowObdTab();
  FollowDetachedScope(tab);
  if (tab == kDiagnosticsTab) link_->RozkazDoSterownika(CommandBit::ReadErrors);
}

void TForm1::CalibrationEvent(CalibrationState state, int aux) {
  progress_->setValue(aux);
  switch (state) {
    case CalibrationState::Started:
      progress_->setValue(0);
      progress_->show();
      break;
    case CalibrationState::Finished:
      progress_->hide();
      ui_->MessageBox(LangText(1293) + "\n" + LangText(1294) + "\n" + LangText(1295),
                      mb::kIconInformation);
      break;
    case CalibrationState::Aborted:
      progress_->hide();
      ui_->MessageBox(
          LangText(1292) + "\n" + CalibrationRestoreText(static_cast<CalibrationRestore>(aux)),
          mb::kIconStop);
      break;
    case CalibrationState::Stopped:
      progress_->hide();
      break;
    default:
      break;
  }
  if (zakladka_ == kCalibrationTab) ShowCommands(zakladka_);
  editor_->update();
}

void TForm1::OneSecond() {
  if (bannerSeconds_ > 0 && --bannerSeconds_ == 0) rightPanel_->ShowOption(QString(), QColor());
  const bool errorsShown =
      zakladka_ == kDiagnosticsTab && centre_->currentWidget() == diagnosticsPage_;
  const ConnectionSupervisor::Actions a = supervisor_.Tick(*link_, AutoReconnect(), errorsShown);
  if (a.connectionLost) ShowNoConnection();
  if (a.beep) QApplication::beep();
  if (a.reopenPort) OtworzPort();
  if (zakladka_ == kScopeTab && podZakladkaOsc_ == kPetrolScopeMode &&
      ++petrolScopeSeconds_ % kPetrolScopeSeconds == 0) {
    link_->RozkazDoSterownika(CommandBit::ReadPetrolScope);
    scope_->Redraw();
  }
  setCursor(a.busy ? Qt::WaitCursor : Qt::ArrowCursor);
}

// Opens the controller's port, telling the installer what happens; a port that keeps answering
// slowly is offered for giving up every tenth time.
void TForm1::OtworzPort() {
  if (opening_) return;
  opening_ = true;
  QApplication::processEvents();
  link_->KasujFlagiTransmisji("ExOtworzPort");
  ShowNoConnection();
  if (link_->PortNumber <= 0) link_->PortNumber = 1;
  const int n = link_->PortNumber;
  const std::string label = n >= TSerial::kFtdiBase
                                ? " Ftdi " + std::to_string(n - (TSerial::kFtdiBase - 1))
                                : " Comm " + std::to_string(n);
  rightPanel_->ShowOption(Q(LangText(1239)), Qt::black);
  SetStatusPanel(Q(LangText(1238) + label), Qt::black, Qt::yellow, 8);
  QApplication::processEvents();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QElapsedTimer timer;
  timer.start();
  const bool opened = link_->OtworzPortComm();
  const qint64 took = timer.elapsed();
  QApplication::restoreOverrideCursor();
  if (supervisor_.AskToGiveUp(opened, took)) {
    if (LangMessageBox(*ui_, 2155, mb::kYesNo | mb::kIconExclamation) == mb::kIdYes)
      connectTag_ = -1;
    else
      supervisor_.GoOnTrying();
  }
  if (!opened) ShowNoConnection();
  QApplication::processEvents();
  opening_ = false;
  QTimer::singleShot(200, this, [this] { rightPanel_->ShowOption(QString(), QColor()); });
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == panelStatus_ && event->type() == QEvent::MouseButtonPress) {
    FormKeyDown(Qt::Key_F11);
    return true;
  }
  if (event->type() == QEvent::KeyPress) {
    auto* widget = qobject_cast<QWidget*>(watched);
    auto* key = static_cast<QKeyEvent*>(event);
    // A key that no control takes travels up to their parents; it is handled once, at the
    // first widget that saw it.
    const bool travelling = key == lastKey_ && lastKeyWidget_ && widget &&
                            widget != lastKeyWidget_ && widget->isAncestorOf(lastKeyWidget_);
    if (widget && widget->window() == this && !travelling) {
      lastKey_ = key;
      lastKeyWidget_ = widget;
      if (key->key() == Qt::Key_P && (key->modifiers() & Qt::ControlModifier)) {
        OpenDeviceWindow(TForm3::kPassword);
        return true;
      }
      FormKeyDown(key->key());
      // The map view's key sink hands its keys to the view itself.
      if (widget != grafika_->KeySink())
        grafika_->KlawiszWidoku(key->key(), key->modifiers() & Qt::ShiftModifier,
                                key->modifiers() & Qt::ControlModifier);
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

// Global shortcuts; every key also feeds the digit buffer and the hidden sequence.
void TForm1::FormKeyDown(int key) {
  const bool admin = adminLevel_ & 1;
  const bool functionKey = key >= Qt::Key_F1 && key <= Qt::Key_F12;
  if (functionKey && link_->BlokujZakladki()) return;
  switch (key) {
    case Qt::Key_Space:
      link_->RozkazDoSterownika(CommandBit::FuelChangeAuto);
      break;
    case Qt::Key_Home:
      SetTabCaptionColour(kObdTab, kolorZakladki_);
      link_->KasujBledyObd();
      break;
    case Qt::Key_H:
      if (admin) SetViewLevel((viewLevel_ + 1) % 3);
      break;
    case Qt::Key_J:
      if (admin) SetLanguage((Texts().LanguageIndex + 1) % 14);
      break;
    case Qt::Key_K:
      if (admin) SetColourScheme((colourScheme_ + 1) % 6);
      break;
    case Qt::Key_L:
      SetLeftPanelCollapsed(!leftCollapsed_);
      break;
    case Qt::Key_Q:
      if (admin) ToggleSecondAdministratorLevel();
      break;
    case Qt::Key_R:
      SetRightPanelCollapsed(!rightCollapsed_);
      break;
    case Qt::Key_U:
    case Qt::Key_Y:
      if (admin) {
        const int rate = link_->StepBaudRate(key == Qt::Key_U ? 100 : -100);
        link_->OtworzPortComm();
        if (link_->OnTekst && (key == Qt::Key_U || logAction_->isChecked()))
          link_->OnTekst(link_.get(), "BaudRate = " + std::to_string(rate), log_colour::kRed);
      }
      break;
    case Qt::Key_V:
      ShowParameterList();
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      EnterKey();
      break;
    case Qt::Key_F8:
      CycleMapView();
      break;
    case Qt::Key_F9:
      ToggleBank();
      break;
    case Qt::Key_F11:
      if (link_->PolaczonyPortComm())
        link_->RozkazDoSterownika(CommandBit::FuelChangeFast);
      else
        OtworzPort();
      break;
    default:
      if (key >= Qt::Key_F1 && key <= Qt::Key_F6 && FileTabKeyAllowed(key - Qt::Key_F1))
        SelectTab(key - Qt::Key_F1);
      break;
  }
  if (keys_.Press(key)) ToggleAdministrator();
  scope_->ArrowKey(key);
}

bool TForm1::FileTabKeyAllowed(int tab) const {
  const QToolButton* b = tabButtons_[static_cast<size_t>(tab)];
  if (!TabRowVisible() || b->isHidden() || !b->isEnabled()) return false;
  return !((tab == 2 || tab == 5) && zakladka_ == tab);
}

// Enter runs the page's own command: the calibration, or folding in the adaptation trims.
void TForm1::EnterKey() {
  if (zakladka_ == kCalibrationTab && centre_->currentWidget() == scopePage_)
    StartOrStopCalibration(*link_, *ui_);
  if (zakladka_ == kMapTab && grafika_->isVisible()) {
    link_->WykonajAdaptacje();
    grafika_->Przerysuj();
  }
}
