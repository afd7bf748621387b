// The main window's scope: its page and tool buttons, the detached window, the File menu's
// scope entries and demonstration recordings, and the administrator's OBD dump.

#include <QApplication>
#include <QMenu>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <filesystem>

#include "app/ChannelList.h"
#include "app/DemoRecordings.h"
#include "app/QtColours.h"
#include "app/ScopeToolPanel.h"
#include "app/Unit6.h"
#include "app/Unitadmin.h"
#include "app/Unitmain.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "scope/ObdDump.h"
#include "scope/ScopeTools.h"
#include "scope/Toscyloskop.h"

namespace {

constexpr int kDetachTool = 22;

}  // namespace

void TForm1::BuildScope() {
  scopePage_ = new QWidget(centre_);
  auto* page = new QVBoxLayout(scopePage_);
  page->setContentsMargins(0, 0, 0, 0);
  scope_ = new TScope(*link_, *ui_, scopePage_);
  scope_->SetDocumentsFolder(setup_.documentsFolder);
  page->addWidget(scope_);
  centre_->addWidget(scopePage_);
  scopeTools_ = new ScopeToolPanel(leftPanel_);
  scopeTools_->hide();
  connect(scopeTools_, &ScopeToolPanel::ToolChosen, this, &TForm1::ScopeTool);
  connect(scope_, &TScope::ChannelsChanged, channels_, [this] { channels_->viewport()->update(); });
  connect(channels_, &ChannelList::ChannelsChanged, scope_, &TScope::Redraw);
  connect(channels_, &ChannelList::LongRecordsChosen, this,
          [this] { scope_->Tool(scope::kLongRecords); });
  scopeWindow_ = new TForm6(this);
  connect(scopeWindow_, &TForm6::Closed, this, [this] {
    oknoOscyloskopu_ = false;
    scopeTools_->ShowPressed(kDetachTool, false);
    DockScope();
  });
}

void TForm1::ScopeTool(int tag) {
  if (tag != kDetachTool) {
    scope_->Tool(tag);
    // A cancelled or refused file leaves the tool as it was; the radio group shows the tool
    // in force.
    scopeTools_->ShowPressed(static_cast<int>(scope_->View().tool), true);
    return;
  }
  oknoOscyloskopu_ = !oknoOscyloskopu_;
  if (oknoOscyloskopu_)
    DetachScope();
  else
    scopeWindow_->close();
}

// The scope moves into its own window and shows the normal view there.
void TForm1::DetachScope() {
  scope_->SetDisplayKind(scope::DisplayKind::Normal);
  scopeWindow_->Hold(scope_);
  scopeWindow_->show();
  activateWindow();
  scope_->Redraw();
}

// The scope back in the centre. Its window is hidden, not closed: closing is the installer's
// way of taking the scope back for good, and here the wish to detach it stays.
void TForm1::DockScope() {
  if (scope_->parentWidget() == scopePage_) return;
  scopePage_->layout()->addWidget(scope_);
  scope_->show();
  scopeWindow_->hide();
}

// The scope in the centre with the given view; a live view starts following again unless a
// file is shown.
void TForm1::ShowScope(scope::DisplayKind kind, bool startLive) {
  DockScope();
  scope_->SetDisplayKind(kind);
  if (startLive && scope_->View().tool != scope::Tool::File) {
    scope_->Tool(scope::kStart);
    scopeTools_->ShowPressed(scope::kStart, true);
  }
  centre_->setCurrentWidget(scopePage_);
  scope_->Redraw();
}

// The Oscilloscope tab's sub-views: the scope, two charts of the recording, and the KAVI's
// petrol-input trace.
void TForm1::ShowScopeTab(bool pressedAgain) {
  const int modes = link_->Rodzina() == Family::Kavi ? 4 : 3;
  if (pressedAgain) podZakladkaOsc_ = (podZakladkaOsc_ + 1) % modes;
  if (podZakladkaOsc_ >= modes) podZakladkaOsc_ = 0;
  const bool scopeShown = podZakladkaOsc_ == 0;
  scopeTools_->setVisible(scopeShown);
  SetLeftPanelCollapsed(!scopeShown);
  if (scopeShown)
    ShowScope(scope::DisplayKind::Normal, false);
  else if (podZakladkaOsc_ == 3)
    ShowScope(scope::DisplayKind::PetrolInput, false);
  else
    ShowRecordingChart(podZakladkaOsc_);
}

// Away from the scope's own tabs, a detached scope shows in its window.
void TForm1::FollowDetachedScope(int tab) {
  if (oknoOscyloskopu_ && tab != kScopeTab && tab != kCalibrationTab) DetachScope();
}

void TForm1::OpenScopeFile(const std::string& path) {
  if (scope_->OpenFile(path) < 0) return;
  scopeTools_->ShowPressed(scope::kOpenFile, true);
  QApplication::processEvents();
  podZakladkaOsc_ = 0;
  if (TabRowVisible()) SelectTab(kScopeTab);
}

// A demonstration recording shows best on the injection-time map, which it fills as it plays.
void TForm1::OpenDemoRecording(const std::string& path) {
  if (scope_->OpenFile(path) < 0) return;
  scopeTools_->ShowPressed(scope::kOpenFile, true);
  podWidokButton_ = kFirstMapSubView;
  if (TabRowVisible()) SelectTab(kMapTab);
  RebuildPanels();
}

void TForm1::BuildScopeMenu() {
  fileMenu_->addSeparator();
  demoMenu_ = fileMenu_->addMenu(QString());
  for (const DemoRecording& demo : DemoRecordings()) {
    QAction* a = demoMenu_->addAction(QString::fromUtf8(demo.caption));
    const std::string path = DemoPath(setup_.programPath, demo);
    connect(a, &QAction::triggered, this, [this, path] { OpenDemoRecording(path); });
    demoActions_.push_back(a);
  }
  readScopeAction_ = fileMenu_->addAction(QString());
  connect(readScopeAction_, &QAction::triggered, this, [this] { OpenScopeFile({}); });
  saveScopeAction_ = fileMenu_->addAction(QString());
  connect(saveScopeAction_, &QAction::triggered, this,
          [this] { scope_->Tool(scope::kRecordingFile); });
  exportAction_ = fileMenu_->addAction(QString());
  connect(exportAction_, &QAction::triggered, this, [this] { scope_->Tool(scope::kExportCsv); });
}

void TForm1::ApplyScopeTexts() {
  demoMenu_->setTitle(Q(LangText(1108)));
  readScopeAction_->setText(Q(LangText(1105)));
  saveScopeAction_->setText(Q(LangText(1106)));
  exportAction_->setText(Q(LangText(1107)));
  scopeTools_->ApplyTexts();
}

void TForm1::EnableScopeMenu() {
  const bool records = link_->IleRekordow() > 0;
  saveScopeAction_->setEnabled(records);
  exportAction_->setEnabled(records);
  const auto demos = DemoRecordings();
  for (size_t i = 0; i < demos.size(); ++i) {
    const bool present = std::filesystem::is_regular_file(DemoPath(setup_.programPath, demos[i]));
    demoActions_[i]->setVisible(demos[i].offer != DemoRecording::Offer::Hidden);
    demoActions_[i]->setEnabled(present);
  }
}

void TForm1::DumpObdFromScope() {
  admin_->Clear();
  for (const std::string& line : ObdDumpLines(link_->Nagranie()))
    admin_->AddLine(Q(line), Qt::black);
}
