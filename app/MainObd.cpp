// The OBD tab of the main window: the ELM adapter's link, its page and sub-tabs, its menu, and
// what its events change in the rest of the window.

#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/CommandButtons.h"
#include "app/ObdPage.h"
#include "app/ParameterGrid.h"
#include "app/RightPanel.h"
#include "app/Unitmain.h"
#include "charts/Tgrafika.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "obd/ModuleCodes.h"
#include "obd/PidCatalogue.h"
#include "obd/Telmobd.h"
#include "settings/EditorView.h"
#include "settings/Tnastawy.h"

namespace {

constexpr int kObdButtons[] = {31, 32, 33, 34};
constexpr int kElmButton = 31, kDeviceButton = 33, kRpmCorrectionsButton = 34;
constexpr int kRpmCorrectionsSubView = 12;
constexpr int kObdMapsAbove = 2;
constexpr int kFirstTickMs = 200;  // the very first tick lets the window settle
constexpr int kElmStripMargin = 65;

// The link's events to the window (kind 100).
enum ObdEventCode { kPortOpened = 100, kNoConnection = 101, kAdapterState = 102, kPidRead = 103 };

}  // namespace

void TForm1::BuildObdPage() {
  obd_ = std::make_unique<TObd>(setup_.ftdiLibrary);
  obd_->SetControllerLink(link_.get());
  obd_->OnZdarzenie = [this](int code, int aux, int length) { ObdEvent(code, aux, length); };
  obd_->SetSeparatorDziesietny(DecimalSeparator());

  obdRow_ = new QWidget(centralWidget());
  auto* row = new QHBoxLayout(obdRow_);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  for (size_t i = 0; i < obdButtons_.size(); ++i) {
    auto* b = new QToolButton(obdRow_);
    b->setCheckable(true);
    b->setAutoExclusive(true);
    const int button = kObdButtons[i];
    connect(b, &QToolButton::clicked, this, [this, button] { ObdSubTabClicked(button); });
    row->addWidget(b);
    obdButtons_[i] = b;
  }
  row->addStretch(1);
  obdRow_->hide();

  obdPage_ = new ObdPage(*obd_, strip_);
  strip_->layout()->addWidget(obdPage_);
  obdPage_->hide();
  connect(obdPage_, &ObdPage::SelectionChanged, this, &TForm1::ShowObdRows);

  connect(&obdTimer_, &QTimer::timeout, this, &TForm1::ObdTick);
  obdTimer_.setSingleShot(true);
}

QToolButton* TForm1::obdButton(int button) const {
  for (size_t i = 0; i < obdButtons_.size(); ++i)
    if (kObdButtons[i] == button) return obdButtons_[i];
  return nullptr;
}

void TForm1::ApplyObdTexts() {
  obdButtons_[0]->setText(QStringLiteral("ELM"));
  obdButtons_[1]->setText(Q(LangText(1229)));
  obdButtons_[2]->setText(Q(LangText(1100)));
  obdButtons_[3]->setText(Q(LangText(1211)));
  obdPage_->ApplyTexts();
  elmMenu_->setTitle(QStringLiteral("ELM"));
  obd_->SetJezykOpisow(Texts().LanguageIndex);
}

void TForm1::ObdTick() {
  obd_->Timer1OnTimer();
  if (obdPage_->isVisible()) obdPage_->Refresh();
  if (setup_.timers) obdTimer_.start(obd_->TimerInterval());
}

void TForm1::StartObdTimer() {
  obdTimer_.start(kFirstTickMs);
}

void TForm1::ShowObdTab() {
  grafika_->Ukryj();
  centre_->setCurrentWidget(emptyPage_);
  obdRow_->show();
  if (link_->Czy_RUMO()) podZakladkaObd_ = 0;
  ObdSubTabClicked(podZakladkaObd_ == 2 ? kDeviceButton : kElmButton);
}

void TForm1::ObdSubTabClicked(int button) {
  for (QToolButton* b : obdButtons_) {
    b->setChecked(b == obdButton(button));
    QPalette p = b->palette();
    p.setColor(QPalette::ButtonText, b->isChecked() ? colours_.selected : colours_.text);
    b->setPalette(p);
  }
  if (button == kRpmCorrectionsButton) {
    // The OBD corrections the controller learned, over the RPM corrections of the Map tab.
    ObdSubTabClicked(kDeviceButton);
    podWidokButton_ = kRpmCorrectionsSubView;
    grafika_->SetGornaTabela(kObdMapsAbove);
    SelectTab(kMapTab);
    return;
  }
  if (button == kElmButton) {
    podZakladkaObd_ = 0;
    ShowObdStrip(centreColumn_->geometry().height() - kElmStripMargin);
    centre_->setCurrentWidget(emptyPage_);
    obdPage_->ShowElm();
    obdPage_->Refresh();
  } else if (button == kDeviceButton) {
    podZakladkaObd_ = 2;
    ShowObdStrip(centreColumn_->geometry().height() / 2);
    centre_->setCurrentWidget(editor_);
    editor_->show();
    editor_->SetMode(EditorView::kObdPanel);
    obdPage_->ShowDevice();
  } else {
    podZakladkaObd_ = 1;
  }
  rightPanel_->SetElmState(obd_->StanObd(), podZakladkaObd_ == 0);
  ShowCommandRow(CommandsOfObdSubTab(podZakladkaObd_), true);
}

// The strip above the centre holds the OBD panel instead of the settings editor.
void TForm1::ShowObdStrip(int height) {
  EditorToCentre();
  strip_->setFixedHeight(std::max(height, 0));
  strip_->show();
  obdPage_->show();
}

void TForm1::HideObdPage() {
  obdRow_->hide();
  obdPage_->hide();
}

void TForm1::ObdEvent(int code, int aux, int length) {
  switch (code) {
    case kPidRead:
      if (aux >= 0 && aux < kPidCount)
        rightPanel_->parameters()->SetObdRow(
            length,
            Q(std::string(Pidy()[static_cast<size_t>(aux)].Skrot) + " " + obd_->JednostkaPid(aux)),
            Q(obd_->WartoscPid(aux)));
      break;
    case kAdapterState:
      if (length != 0 && !tabButtons_[kObdTab]->isHidden()) SelectTab(kObdTab);
      [[fallthrough]];
    case kNoConnection:
      rightPanel_->SetElmState(obd_->StanObd(), zakladka_ == kObdTab && podZakladkaObd_ == 0);
      ShowObdRows();
      break;
    default:
      break;
  }
}

// The PIDs polled take their rows under the live parameters.
void TForm1::ShowObdRows() {
  rightPanel_->parameters()->SetObdRowCount(obd_->PodajIlePidWybranych());
}

// What the controller's own OBD module reports goes to the same box as the adapter's codes.
void TForm1::ObdModuleEvent(const LinkEvent& event) {
  if (event.code == obd::kModuleTroubleCodes)
    obdPage_->ShowLines(obd::ModuleTroubleCodes(event.frame, Texts().LanguageIndex == 1));
  if (event.code == obd::kModuleValues) {
    const obd::ColouredLines flow = obd::ModuleFuelFlow(event.frame, DecimalSeparator());
    if (!flow.empty()) obdPage_->ShowLines(flow);
  }
}

void TForm1::BuildElmMenu() {
  elmMenu_ = menuBar()->addMenu(QStringLiteral("ELM"));
  connect(elmMenu_, &QMenu::aboutToShow, this, &TForm1::RebuildElmMenu);
}

// The adapter's port: Connect or Disconnect, then the ports there are; the link notices the
// new port itself.
void TForm1::RebuildElmMenu() {
  FillPortMenu(*elmMenu_, obd_->PortConnected(), obd_->PortList(),
               [this](int tag) { obd_->PortOnClick(tag); });
}
