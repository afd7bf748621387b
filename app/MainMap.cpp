// The main window's Map tab: its two rows of sub-view buttons, the map view in the centre with
// the settings strip above it, the bank row of the tool panel, and the charts of the
// Oscilloscope tab's second and third presses.

#include <QHBoxLayout>
#include <QScrollArea>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <iterator>

#include "app/CaptionFit.h"
#include "app/MapSubViews.h"
#include "app/ObdPage.h"
#include "app/QtColours.h"
#include "app/ScopeToolPanel.h"
#include "app/Unit6.h"
#include "app/Unitmain.h"
#include "charts/DiagnosticCharts.h"
#include "charts/Tgrafika.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "scope/ScopeTools.h"
#include "scope/Toscyloskop.h"
#include "settings/Tnastawy.h"

namespace {

constexpr int kButtonRowHeight = 25;
constexpr int kCopyBankOneToTwo = 3;
constexpr int kToolPanelWidth = 96;
constexpr int kBankRowHeight = 104;
constexpr int kToolButtonHeight = 25;
constexpr int kEmulatorButton = 16;

// The tools beside the tables, with the text each shows as its hint.
enum ToolId : int { kCorrectionAxis = 90, kChangeNearest, kSmooth, kRange, kPlus, kMinus };
struct ToolButton {
  int button;
  int hintId;           // 0: none
  const char* caption;  // nullptr: the hint's text, or the axis the button switches to
};
constexpr ToolButton kTools[] = {
    {kCorrectionAxis, 1719, nullptr},
    {kChangeNearest, 1725, nullptr},
    {kSmooth, 1726, nullptr},
    {kRange, 1727, nullptr},
    {kPlus, 0, "+"},
    {kMinus, 0, "-"},
};
// The table edits of the "+" and "-" tools, as the keys' codes.
constexpr int kIncrease = 151;
constexpr int kDecrease = 152;

QToolButton* MakeToolButton(QWidget* parent, const QString& hint) {
  auto* b = new QToolButton(parent);
  b->setToolTip(hint);
  b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  b->setMinimumHeight(kToolButtonHeight);
  return b;
}

QToolButton* MakeRowButton(QWidget* parent) {
  auto* b = new QToolButton(parent);
  b->setCheckable(true);
  b->setAutoExclusive(true);
  b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  b->setFixedHeight(kButtonRowHeight);
  return b;
}

// A caption with a doubled ampersand: Qt shows one, and takes none as a shortcut.
QString LiteralCaption(const std::string& text) {
  return Q(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

void TForm1::BuildMapPage() {
  mapRows_ = new QWidget(centralWidget());
  auto* rows = new QGridLayout(mapRows_);
  rows->setContentsMargins(0, 0, 0, 0);
  rows->setSpacing(0);
  for (size_t i = 0; i < kMapButtons.size(); ++i) {
    QToolButton* b = MakeRowButton(mapRows_);
    const int button = kMapButtons[i];
    connect(b, &QToolButton::clicked, this, [this, button] { MapSubViewClicked(button); });
    rows->addWidget(b, static_cast<int>(i / 6), static_cast<int>(i % 6));
    mapButtons_[i] = b;
  }
  mapRows_->hide();

  mapPage_ = new QWidget(centre_);
  mapScopeSlot_ = new QWidget(mapPage_);
  auto* slot = new QVBoxLayout(mapScopeSlot_);
  slot->setContentsMargins(0, 0, 0, 0);
  mapScopeSlot_->hide();
  // A table that needs more room than the page has scrolls rather than shrinking its digits.
  auto* chartScroll = new QScrollArea(mapPage_);
  chartScroll->setFrameShape(QFrame::NoFrame);
  chartScroll->setWidgetResizable(true);
  grafika_ = new TGrafika(*link_, chartScroll);
  chartScroll->setWidget(grafika_);
  connect(grafika_, &TGrafika::DataChanged, this, [this] {
    SettingChanged();
    RecolourMapCaptions();
  });
  connect(grafika_, &TGrafika::ToolsChanged, this, &TForm1::LayoutMapTools);
  toolPanel_ = new QWidget(mapPage_);
  auto* tools = new QVBoxLayout(toolPanel_);
  tools->setContentsMargins(2, 0, 2, 0);
  tools->addWidget(BuildViewRow());
  tools->addWidget(BuildBankRow());
  tools->addWidget(BuildToolsRow());
  tools->addStretch(1);
  toolPanel_->setFixedWidth(kToolPanelWidth);
  auto* chartRow = new QHBoxLayout;
  chartRow->addWidget(chartScroll, 1);
  chartRow->addWidget(toolPanel_);
  auto* page = new QVBoxLayout(mapPage_);
  page->setContentsMargins(0, 0, 0, 0);
  page->setSpacing(0);
  page->addWidget(mapScopeSlot_);
  page->addLayout(chartRow, 1);
  centre_->addWidget(mapPage_);
}

QWidget* TForm1::BuildViewRow() {
  viewRow_ = new QWidget(toolPanel_);
  auto* layout = new QVBoxLayout(viewRow_);
  layout->setContentsMargins(0, 0, 0, 0);
  for (int tag = 0; tag < 3; ++tag) {
    QToolButton* b = MakeToolButton(viewRow_, QStringLiteral("[F8]"));
    b->setCheckable(true);
    b->setAutoExclusive(true);
    connect(b, &QToolButton::clicked, this, [this, tag] { grafika_->UstawWidok(tag); });
    layout->addWidget(b);
    viewButtons_[static_cast<size_t>(tag)] = b;
  }
  layout->addStretch(1);
  return viewRow_;
}

QWidget* TForm1::BuildBankRow() {
  bankPanel_ = new QWidget(toolPanel_);
  auto* banks = new QVBoxLayout(bankPanel_);
  banks->setContentsMargins(0, 0, 0, 0);
  for (int tag = 0; tag < 4; ++tag) {
    QToolButton* b = MakeToolButton(bankPanel_, QStringLiteral("[F9]"));
    b->setCheckable(tag < 3);
    b->setAutoExclusive(tag < 3);
    connect(b, &QToolButton::clicked, this, [this, b] { BankClicked(b->property("tag").toInt()); });
    b->setProperty("tag", tag);
    banks->addWidget(b);
    bankButtons_[static_cast<size_t>(tag)] = b;
  }
  bankPanel_->setFixedHeight(kBankRowHeight);
  return bankPanel_;
}

QWidget* TForm1::BuildToolsRow() {
  toolsRow_ = new QWidget(toolPanel_);
  auto* layout = new QVBoxLayout(toolsRow_);
  layout->setContentsMargins(0, 0, 0, 0);
  for (const ToolButton& tool : kTools) {
    QToolButton* b = MakeToolButton(toolsRow_, {});
    b->setCheckable(tool.button == kChangeNearest);
    connect(b, &QToolButton::clicked, this, [this, tool] { MapToolClicked(tool.button); });
    layout->addWidget(b);
    toolButtons_[static_cast<size_t>(tool.button - kTools[0].button)] = b;
  }
  return toolsRow_;
}

// The Map tab: the rows the family offers, then the sub-view last chosen.
void TForm1::ShowMapTab() {
  const MapRows rows = MapRowsOf(*link_, adminLevel_, extendedTabs_);
  mapRows_->setVisible(rows.height > 0);
  mapRows_->setFixedHeight(rows.height);
  for (size_t i = 0; i < kMapButtons.size(); ++i) {
    QToolButton* b = mapButtons_[i];
    b->setVisible(rows.visible[i] && (i < 6 || rows.height > kButtonRowHeight));
    b->setText(Q(LangText(rows.captionId[i])));
  }
  FitRowFonts();
  MapSubViewClicked(podWidokButton_);
}

// A sub-view of the Map tab: the chart, the strip above it and the command buttons.
void TForm1::MapSubViewClicked(int button) {
  const MapSubView view = MapSubViewOf(*link_, button);
  podWidokButton_ = button;
  for (size_t i = 0; i < kMapButtons.size(); ++i)
    mapButtons_[i]->setChecked(kMapButtons[i] == button);
  RecolourMapCaptions();
  if (button == kEmulatorButton && !EmulatorLearningOffered(*link_))
    link_->SetUczenieEmulacji(false);
  podWidokMapy_ = view.kind;
  ShowStrip(view.stripHeight, view.stripMode);
  ShowCommandRow(view.commands, view.help);
  PlaceScopeAboveMap(view.scopeAbove);
  ShowChart(view.kind);
  LayoutMapTools();
  if (oknoOscyloskopu_ && !view.scopeAbove) DetachScope();
}

// The emulators' tables show the live scope above them, a third of the centre high.
void TForm1::PlaceScopeAboveMap(bool above) {
  mapScopeSlot_->setVisible(above);
  if (!above) {
    if (scope_->parentWidget() == mapScopeSlot_) DockScope();
    return;
  }
  if (scope_->parentWidget() != mapScopeSlot_) {
    mapScopeSlot_->layout()->addWidget(scope_);
    scope_->show();
    scopeWindow_->hide();
  }
  mapScopeSlot_->setFixedHeight(centre_->height() / 3);
  scope_->SetDisplayKind(scope::DisplayKind::Docked);
  if (scope_->View().tool != scope::Tool::File) {
    scope_->Tool(scope::kStart);
    scopeTools_->ShowPressed(scope::kStart, true);
  }
  scope_->Redraw();
}

void TForm1::RecolourMapCaptions() {
  for (size_t i = 0; i < kMapButtons.size(); ++i) {
    QToolButton* b = mapButtons_[i];
    const QColor colour = MapSubViewInUse(*link_, kMapButtons[i]) ? colours_.inUse
                          : b->isChecked()                        ? colours_.selected
                                                                  : colours_.text;
    QPalette p = b->palette();
    p.setColor(QPalette::ButtonText, colour);
    b->setPalette(p);
  }
}

// The map view in the centre with a chart kind; -1 leaves the centre empty.
void TForm1::ShowChart(int kind) {
  if (kind < 0) {
    grafika_->Ukryj();
    centre_->setCurrentWidget(emptyPage_);
    return;
  }
  centre_->setCurrentWidget(mapPage_);
  grafika_->show();
  grafika_->UstawRodzaj(kind);
}

// The tool panel beside the chart: the rows the sub-view and the bank in view allow.
void TForm1::LayoutMapTools() {
  const bool mapShown = zakladka_ == kMapTab && centre_->currentWidget() == mapPage_;
  const int kind = mapShown ? podWidokMapy_ : -1;
  toolPanel_->setVisible(MapToolPanelShown(kind));
  const MapTools tools = MapToolsOf(*link_, kind, grafika_->GornaTabela());
  LayoutViewRow(tools.viewRow);
  LayoutToolsRow(tools);
  const BankRow row = BankRowOf(*link_, kind);
  bankPanel_->setVisible(row.shown);
  if (!row.shown) return;
  for (int tag = 0; tag < 3; ++tag) {
    QToolButton* b = bankButtons_[static_cast<size_t>(tag)];
    b->setText(LiteralCaption(row.captions[static_cast<size_t>(tag)]));
    b->setVisible(tag > 0 || row.bothShown);
    b->setChecked(tag == row.pressed);
  }
  QToolButton* copy = bankButtons_[3];
  copy->setVisible(row.copyTag != 0);
  copy->setProperty("tag", row.copyTag);
  copy->setText(row.copyTag == kCopyBankOneToTwo ? QStringLiteral("1 -> 2")
                                                 : QStringLiteral("2 -> 1"));
}

// Petrol, gas and deviation stand level with the maps over the corrections.
void TForm1::LayoutViewRow(bool shown) {
  viewRow_->setVisible(shown);
  if (!shown) return;
  viewRow_->setFixedHeight(grafika_->height() / 2 + 5);
  for (int tag = 0; tag < 3; ++tag) {
    QToolButton* b = viewButtons_[static_cast<size_t>(tag)];
    b->setText(Q(LangText(1700 + tag)));
    b->setChecked(tag == grafika_->Widok());
  }
}

void TForm1::LayoutToolsRow(const MapTools& tools) {
  const bool shown[] = {tools.axis,  tools.nearest,   tools.smooth,
                        tools.range, tools.plusMinus, tools.plusMinus};
  toolsRow_->setVisible(tools.axis || tools.nearest || tools.range || tools.plusMinus);
  const int width = kToolPanelWidth - 12;
  for (size_t i = 0; i < std::size(kTools); ++i) {
    const ToolButton& tool = kTools[i];
    QToolButton* b = toolButtons_[i];
    b->setVisible(shown[i]);
    if (tool.hintId) b->setToolTip(Q(LangText(tool.hintId)));
    const QString caption = tool.button == kCorrectionAxis ? Q(LangText(grafika_->TekstOsiKorekt()))
                            : tool.caption                 ? QString::fromLatin1(tool.caption)
                                                           : Q(LangText(tool.hintId));
    // A word too long for the button takes a smaller face, down to the smallest readable.
    QFont font = toolsRow_->font();
    const auto widestWord = [&] {
      int widest = 0;
      for (const QString& word : caption.split(QLatin1Char(' ')))
        widest = std::max(widest, QFontMetrics(font).horizontalAdvance(word));
      return widest;
    };
    while (font.pointSize() > 7 && widestWord() > width)
      font.setPointSize(font.pointSize() - 1);
    b->setFont(font);
    b->setText(Wrapped(caption, QFontMetrics(font), width));
  }
}

void TForm1::MapToolClicked(int button) {
  switch (button) {
    case kCorrectionAxis:
      grafika_->ZmienOsKorekt();
      LayoutMapTools();
      break;
    case kChangeNearest:
      grafika_->UstawZmianeSasiednich(toolButton(kChangeNearest)->isChecked());
      break;
    case kSmooth:
      grafika_->WygladzKorekty();
      break;
    case kRange:
      grafika_->AutomatycznyZakres();
      break;
    default:
      grafika_->ZmienZaznaczone(button == kPlus ? kIncrease : kDecrease);
      break;
  }
}

void TForm1::CycleMapView() {
  if (viewRow_->isHidden() || !mapPage_->isVisible()) return;
  grafika_->UstawWidok((grafika_->Widok() + 1) % 3);
  LayoutViewRow(true);
}

void TForm1::BankClicked(int tag) {
  link_->ZmienBank(tag);
  grafika_->Przerysuj();
  editor_->update();
  LayoutMapTools();
}

// After a command the views that show what it changed follow; the emulator's learning button
// says whether the learning now runs.
void TForm1::AfterCommand(int tag) {
  if (tag == command_tag::ReadModuleCodes) obdPage_->ClearBox();
  if (tag == command_tag::ReadModuleCodes || tag == command_tag::ClearModuleCodes)
    SetTabCaptionColour(kObdTab, kolorZakladki_);
  SettingChanged();
  grafika_->Przerysuj();
  if (scope_->isVisible()) scope_->Redraw();
  if (zakladka_ != kMapTab) return;
  if (tag == command_tag::EmulatorLearning)
    MapSubViewClicked(podWidokButton_);
  else
    RecolourMapCaptions();
}

// F9: the other bank, when the bank row is shown.
void TForm1::ToggleBank() {
  if (toolPanel_->isHidden() || bankPanel_->isHidden() || !mapPage_->isVisible()) return;
  BankClicked(link_->AktalnyBank() == 1 ? 2 : 1);
}

// The Oscilloscope tab's second and third presses: charts of the recording.
void TForm1::ShowRecordingChart(int podZakladka) {
  ShowChart(podZakladka == 1 ? chart::kInjectionTimesKind : chart::kGasPressureKind);
  toolPanel_->hide();
}

// The settings strip above the centre: the editor in one of its modes, or nothing.
void TForm1::ShowStrip(int height, int mode) {
  if (height <= 0) {
    strip_->hide();
    return;
  }
  if (editor_->parentWidget() != strip_) {
    centre_->removeWidget(editor_);
    strip_->layout()->addWidget(editor_);
  }
  strip_->setFixedHeight(height);
  strip_->show();
  editor_->show();
  editor_->SetMode(mode);
}

// The editor back in the centre for the Settings tab.
void TForm1::EditorToCentre() {
  strip_->hide();
  if (editor_->parentWidget() == centre_) return;
  strip_->layout()->removeWidget(editor_);
  centre_->addWidget(editor_);
}

QToolButton* TForm1::mapButton(int button) const {
  const auto* it = std::find(kMapButtons.begin(), kMapButtons.end(), button);
  return it == kMapButtons.end() ? nullptr
                                 : mapButtons_[static_cast<size_t>(it - kMapButtons.begin())];
}
