// The main window's Map tab: its two rows of sub-view buttons, the map view in the centre with
// the settings strip above it, the bank row of the tool panel, and the charts of the
// Oscilloscope tab's second and third presses.

#include <QHBoxLayout>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/MapSubViews.h"
#include "app/QtColours.h"
#include "app/Unitmain.h"
#include "charts/DiagnosticCharts.h"
#include "charts/Tgrafika.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "settings/Tnastawy.h"

namespace {

constexpr int kButtonRowHeight = 25;
constexpr int kCopyBankOneToTwo = 3;

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
  grafika_ = new TGrafika(*link_, mapPage_);
  connect(grafika_, &TGrafika::DataChanged, this, &TForm1::SettingChanged);
  bankPanel_ = new QWidget(mapPage_);
  auto* banks = new QVBoxLayout(bankPanel_);
  banks->setContentsMargins(2, 0, 2, 0);
  for (int tag = 0; tag < 4; ++tag) {
    auto* b = new QToolButton(bankPanel_);
    b->setCheckable(tag < 3);
    b->setAutoExclusive(tag < 3);
    b->setToolTip(QStringLiteral("[F9]"));
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(b, &QToolButton::clicked, this, [this, b] { BankClicked(b->property("tag").toInt()); });
    b->setProperty("tag", tag);
    banks->addWidget(b);
    bankButtons_[static_cast<size_t>(tag)] = b;
  }
  banks->addStretch(1);
  bankPanel_->setFixedWidth(90);
  auto* page = new QHBoxLayout(mapPage_);
  page->setContentsMargins(0, 0, 0, 0);
  page->addWidget(grafika_, 1);
  page->addWidget(bankPanel_);
  centre_->addWidget(mapPage_);
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
    const MapSubView view = MapSubViewOf(*link_, kMapButtons[i]);
    b->setEnabled(view.drawn);
  }
  MapSubViewClicked(podWidokButton_);
}

// A sub-view of the Map tab: the chart, the strip above it and the command buttons.
void TForm1::MapSubViewClicked(int button) {
  MapSubView view = MapSubViewOf(*link_, button);
  if (!view.drawn) {
    button = 0;
    view = {};
  }
  podWidokButton_ = button;
  for (size_t i = 0; i < kMapButtons.size(); ++i)
    mapButtons_[i]->setChecked(kMapButtons[i] == button);
  RecolourMapCaptions();
  podWidokMapy_ = view.kind;
  ShowStrip(view.stripHeight, view.stripMode);
  ShowCommandRow(view.commands);
  ShowChart(view.kind);
  LayoutMapTools();
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

// The bank row beside the chart, as the bank in view and the board allow.
void TForm1::LayoutMapTools() {
  const bool mapShown = zakladka_ == kMapTab && centre_->currentWidget() == mapPage_;
  const BankRow row = BankRowOf(*link_, mapShown ? podWidokMapy_ : -1);
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

void TForm1::BankClicked(int tag) {
  link_->ZmienBank(tag);
  grafika_->Przerysuj();
  editor_->update();
  LayoutMapTools();
}

// F9: the other bank, when the bank row is shown.
void TForm1::ToggleBank() {
  if (bankPanel_->isHidden() || !mapPage_->isVisible()) return;
  BankClicked(link_->AktalnyBank() == 1 ? 2 : 1);
}

// The Oscilloscope tab's second and third presses: charts of the recording.
void TForm1::ShowRecordingChart(int podZakladka) {
  ShowChart(podZakladka == 1 ? chart::kInjectionTimesKind : chart::kGasPressureKind);
  bankPanel_->hide();
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
