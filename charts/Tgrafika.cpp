#include "charts/Tgrafika.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <utility>

#include "app/QtColours.h"
#include "charts/ChartKinds.h"
#include "charts/CorrectionCurve.h"
#include "charts/InjectionMapChart.h"
#include "charts/PicturePainter.h"
#include "controller/DecodedStatus.h"
#include "controller/Tsterownik.h"

namespace {

constexpr std::pair<int, chart::NodeKey> kNodeKeys[] = {
    {Qt::Key_PageUp, chart::NodeKey::PageUp}, {Qt::Key_PageDown, chart::NodeKey::PageDown},
    {Qt::Key_Home, chart::NodeKey::Home},     {Qt::Key_End, chart::NodeKey::End},
    {Qt::Key_Left, chart::NodeKey::Left},     {Qt::Key_Right, chart::NodeKey::Right},
    {Qt::Key_Up, chart::NodeKey::Up},         {Qt::Key_Down, chart::NodeKey::Down},
    {Qt::Key_Insert, chart::NodeKey::Insert}, {Qt::Key_Delete, chart::NodeKey::Delete},
};

std::optional<chart::NodeKey> NodeKeyOf(int qtKey) {
  for (const auto& [key, nodeKey] : kNodeKeys)
    if (key == qtKey) return nodeKey;
  return std::nullopt;
}

}  // namespace

TGrafika::TGrafika(TSterownik& link, QWidget* parent) : QWidget(parent), link_(link) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  // The plot kinds' keys arrive through a one-pixel line edit just outside the view, so that
  // the view takes them only while the installer has clicked into it.
  keySink_ = new QLineEdit(this);
  keySink_->setFrame(false);
  keySink_->setReadOnly(true);
  keySink_->installEventFilter(this);
  ParkujEdytor();
  hide();
}

QWidget* TGrafika::KeySink() const {
  return keySink_;
}

chart::ViewState TGrafika::State() const {
  return {.kind = rodzajWykresu_,
          .deviationPoints = punktyOdchylki_,
          .gasPressureShown = pokazCisnienieGazu_,
          .adminFlags = flagiAdmin_,
          .selectedNode = wybranyWezel_,
          .focused = keySink_->hasFocus(),
          .selectedPoint = wybranyPunkt_,
          .upperTable = gornaTabela_,
          .widok = widok_,
          .selection = Selection()};
}

void TGrafika::UstawRodzaj(int kind) {
  rodzajWykresu_ = kind;
  wybranyWezel_ = wybranyPunkt_ = -1;
  cursor_.reset();
  liveCell_.reset();
  upperLiveCell_.reset();
  // Only a request: the table arrives later and the main window redraws the chart then.
  if (const uint32_t read = chart::ReadOnSelection(kind)) link_.CzytajZeSterownika(read);
  KeepTablesReadable();
  RysujTlo();
  Odswiez();
}

void TGrafika::RysujTlo() {
  if (size().isEmpty()) return;
  const chart::PlotGeometry plot = chart::PlotGeometryFor(width(), height(), rodzajWykresu_);
  // The cursor's place belongs to the old plot; the next status frame puts it on the new one.
  if (plot != plot_) cursor_.reset();
  plot_ = plot;
  if (background_.size() != size()) background_ = QImage(size(), QImage::Format_RGB32);
  ParkujEdytor();
  QPainter p(&background_);
  PaintPicture(p, chart::BackgroundPicture(link_, plot_, colours_, State(), ChartTextWidth));
}

void TGrafika::Odswiez() {
  if (!isVisible() || painting_ || size().isEmpty()) return;
  painting_ = true;
  RepairCurve();
  if (background_.size() != size()) RysujTlo();
  composite_ = background_;
  {
    QPainter p(&composite_);
    PaintPicture(p, chart::DataPicture(link_, plot_, colours_, State(), diagnosticState_,
                                       ChartTextWidth, ChartTextHeight));
  }
  update();
  painting_ = false;
}

void TGrafika::Przerysuj() {
  if (!isVisible()) return;
  RysujTlo();
  Odswiez();
}

void TGrafika::Ukryj() {
  ParkujEdytor();
  hide();
}

void TGrafika::UstawWidok(int view) {
  if (!isVisible()) return;
  widok_ = std::clamp(view, 0, 2);
  Przerysuj();
}

void TGrafika::UstawFlagiAdmin(int flags) {
  flagiAdmin_ = flags;
  Przerysuj();
}

void TGrafika::SetColours(const chart::ChartColours& colours) {
  colours_ = colours;
  Przerysuj();
}

void TGrafika::SetDeviationPoints(bool on) {
  punktyOdchylki_ = on;
  Przerysuj();
}

void TGrafika::SetGasPressureShown(bool on) {
  pokazCisnienieGazu_ = on;
  Przerysuj();
}

void TGrafika::KasujMnoznikBanku() {
  link_.KasujMnoznik(multiplier::ResetMask(link_.AktalnyBank()));
  emit DataChanged();
  Odswiez();
}

void TGrafika::DajFokus() {
  if (keySink_->isVisible() && !keySink_->hasFocus()) keySink_->setFocus(Qt::MouseFocusReason);
}

void TGrafika::PokazBiezace(const DecodedStatus& status) {
  if (!isVisible() || composite_.isNull()) return;
  if (chart::IsGridKind(rodzajWykresu_)) {
    ShowLiveCells(status);
    return;
  }
  const std::optional<chart::LiveCursor> cursor =
      chart::LiveCursorOf(rodzajWykresu_, link_, status, plot_);
  if (cursor == cursor_) return;
  const QRegion dirty = CursorRegion(cursor_) + CursorRegion(cursor);
  cursor_ = cursor;
  update(dirty);
}

QRegion TGrafika::CursorRegion(const std::optional<chart::LiveCursor>& cursor) const {
  if (!cursor) return {};
  return LineBounds(chart::CursorLines(*cursor, plot_, colours_.cursor));
}

bool TGrafika::KlawiszWidoku(int key, bool, bool ctrl) {
  if (GridKindShown()) return LiveCellKey(key);
  const bool curve = chart::IsCurveKind(rodzajWykresu_);
  if (!isVisible() || (rodzajWykresu_ != chart::kInjectionMapKind && !curve) ||
      !keySink_->hasFocus())
    return false;
  const std::optional<chart::NodeKey> nodeKey = NodeKeyOf(key);
  if (!nodeKey) return false;
  if (curve) {
    KeyOnCurve(*nodeKey, ctrl);
    return true;
  }
  chart::MultiplierNodes nodes = chart::NodesInView(link_);
  Apply(chart::KeyOnNodes(nodes, wybranyWezel_, *nodeKey, ctrl),
        [&] { chart::StoreNodes(link_, nodes); });
  return true;
}

void TGrafika::Apply(chart::Edit edit, const std::function<void()>& store) {
  switch (edit) {
    case chart::Edit::None:
      return;
    case chart::Edit::Beep:
      QApplication::beep();
      return;
    case chart::Edit::Store:
      store();
      emit DataChanged();
      break;
    case chart::Edit::Redraw:
      break;
  }
  Odswiez();
}

void TGrafika::PressOnMap(QPoint at, bool rightButton) {
  chart::MultiplierNodes nodes = chart::NodesInView(link_);
  const chart::MapPress press =
      chart::PressOnInjectionMap(link_, nodes, wybranyWezel_, plot_, at.x(), at.y(), rightButton);
  if (press.focus) DajFokus();
  if (press.toggleDeviationPoints) {
    punktyOdchylki_ = !punktyOdchylki_;
    RysujTlo();
    Odswiez();
  }
  Apply(press.edit, [&] { chart::StoreNodes(link_, nodes); });
}

void TGrafika::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (rodzajWykresu_ == chart::kInjectionMapKind) {
    PressOnMap(at, event->button() == Qt::RightButton);
  } else if (chart::IsCurveKind(rodzajWykresu_)) {
    PressOnCurve(at, event->button() == Qt::RightButton);
  } else if (chart::IsDiagnosticKind(rodzajWykresu_) &&
             chart::DiagnosticCheckHit(rodzajWykresu_, plot_, {pokazCisnienieGazu_, flagiAdmin_},
                                       at.x(), at.y())) {
    pokazCisnienieGazu_ = !pokazCisnienieGazu_;
    Przerysuj();
  } else if (GridKindShown()) {
    PressOnTables(at, event->modifiers() & Qt::ShiftModifier);
  }
  QWidget::mousePressEvent(event);
}

bool TGrafika::eventFilter(QObject* watched, QEvent* event) {
  if (watched != keySink_) return QWidget::eventFilter(watched, event);
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers held = key->modifiers();
    if (GridKindShown()) return edited_ ? EditorKey(key->key()) : TableKey(key->key(), held);
    if (KlawiszWidoku(key->key(), held & Qt::ShiftModifier, held & Qt::ControlModifier))
      return true;
  } else if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
    Odswiez();  // the nodes show whether the keys reach them
  }
  return QWidget::eventFilter(watched, event);
}

void TGrafika::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  if (composite_.isNull()) {
    p.fillRect(event->rect(), ToQColor(colours_.window));
    return;
  }
  p.drawImage(event->rect(), composite_, event->rect());
  PaintLiveCells(p);
  if (!cursor_) return;
  // Drawn over the picture, never into it: moving it repaints the strips it leaves and enters.
  p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  PaintPicture(p, chart::CursorLines(*cursor_, plot_, colours_.cursor));
}

void TGrafika::resizeEvent(QResizeEvent*) {
  Odswiez();
}

void TGrafika::showEvent(QShowEvent*) {
  Odswiez();
}
