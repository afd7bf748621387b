#include "scope/Toscyloskop.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "app/QtColours.h"
#include "controller/DecodedStatus.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "scope/ScopeTools.h"
#include "scope/TimeBase.h"
#include "scope/TraceValues.h"

using namespace scope;

namespace {

constexpr int kStripTraceDefinition = 1;
constexpr int kLegendWidth = 106;
constexpr int kLineHeight = 16;

QPen Pen(uint32_t colour, int width = 1, Qt::PenStyle style = Qt::SolidLine) {
  return QPen(QBrush(ToQColor(colour)), width, style, Qt::SquareCap);
}

QFont Font(int points, bool bold) {
  QFont f = QApplication::font();
  f.setPointSize(points);
  f.setBold(bold);
  return f;
}

}  // namespace

TScope::TScope(TSterownik& link, UiServices& ui, QWidget* parent)
    : QWidget(parent), link_(link), ui_(ui) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void TScope::SetColours(const ScopeColours& colours) {
  colours_ = colours;
  Redraw();
}

void TScope::AddRecord(const DecodedStatus& status) {
  if (Recording(view_)) link_.DodajRekord(status.Frame());
  if (std::exchange(skipNextLiveRedraw_, false)) return;
  Redraw();
}

void TScope::Tool(int tool) {
  if (RunTool(link_, view_, tool, {ui_, documentsFolder_, width()})) emit ChannelsChanged();
  Redraw();
}

int TScope::OpenFile(const std::string& path) {
  const int records = OpenRecording(link_, view_, path, documentsFolder_);
  emit ChannelsChanged();
  Redraw();
  return records;
}

void TScope::SetDisplayKind(DisplayKind kind) {
  view_.kind = kind;
  view_.timeBase = kDefaultTimeBase;
  skipNextLiveRedraw_ = true;
}

PlotFrame TScope::Frame() const {
  return {width(), height(), BottomArea(static_cast<int>(traces_.digital.size()), view_.kind)};
}

void TScope::Redraw() {
  if (!isVisible()) return;
  if (width() < 140 || height() < 120) {
    picture_ = QImage();  // too small to plot: empty rather than a picture of another size
    update();
    return;
  }
  if (picture_.size() != size()) picture_ = QImage(size(), QImage::Format_RGB32);
  QElapsedTimer timer;
  timer.start();
  QPainter p(&picture_);
  if (view_.kind == DisplayKind::PetrolInput) {
    DrawPetrolInput(p);
    view_.cursor = -1;
    update();
    return;
  }
  pacing_.Next(view_.Following(), lastRedrawMs_);
  if (view_.Following()) view_.end = link_.IleRekordow();
  traces_ = TracesShown(link_, view_.kind);
  const PlotFrame f = Frame();
  view_.first = FirstRecordShown(view_.end, f.PlotWidth(), view_.Rate());
  const int last = view_.end - 1;
  const Bands bands = BandsOf(f);
  if (pacing_.Starts()) {
    DrawBackground(p, f, bands.height);
    DrawStrip(p, f);
  }
  DrawTraces(p, f, bands, last);
  if (pacing_.Completes()) {
    DrawTimeAxis(p, f, last);
    DrawDigitalRows(p, f, last);
    if (view_.cursor >= 0 && !view_.Following()) DrawCursorReadout(p, f, view_.cursor);
    update();
  }
  lastRedrawMs_ = static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

TScope::Bands TScope::BandsOf(const PlotFrame& f) const {
  const int height =
      BandHeight(f, view_.layout, view_.kind, static_cast<int>(traces_.analogue.size()));
  return {height, PlaceTraces(traces_.analogue, view_.layout, view_.kind, height)};
}

void TScope::DrawBackground(QPainter& p, const PlotFrame& f, int bandHeight) {
  p.fillRect(picture_.rect(), ToQColor(colours_.window));
  const QRect plot(QPoint(f.Left(), f.Top()), QPoint(f.Right(), f.Bottom()));
  p.fillRect(plot, ToQColor(colours_.plot));
  p.setPen(Pen(colours_.frame));
  p.drawRect(plot);
  p.setPen(Pen(colours_.grid, 1, Qt::DotLine));
  for (int x = f.Left() + kGridStep; x < f.PlotWidth(); x += kGridStep)
    p.drawLine(x, f.Top(), x, f.Bottom());
  for (int y : BandLines(f, bandHeight))
    p.drawLine(f.Left(), y, f.Right(), y);
}

// The whole recording in the strip above the plot, in the work state's colours, with the
// shown window marked.
void TScope::DrawStrip(QPainter& p, const PlotFrame& f) {
  const int count = link_.IleRekordow();
  const int plotWidth = f.PlotWidth();
  marker_ = WindowMarker(view_.first, view_.end, count, plotWidth, view_.Following());
  if (!marker_.shown) return;
  const QRect marker(QPoint(marker_.x1, 4), QPoint(marker_.x2, 36));
  p.fillRect(marker, ToQColor(colours_.plot));
  p.setPen(Pen(colours_.frame));
  p.drawRect(marker);
  const std::vector<Wykres>& list = link_.ListaWykresow();
  if (list.size() <= static_cast<size_t>(kStripTraceDefinition)) return;
  const Wykres& trace = list[kStripTraceDefinition];
  const RecordSpan records = link_.Nagranie();
  QPoint previous;
  for (int x = 1; x < plotWidth; ++x) {
    const int r = StripRecord(x, count, plotWidth);
    const QPoint point(x + 10, 30 - TraceHeight(trace, records.At(r), link_.Nastawy(), 20));
    if (x > 1) {
      p.setPen(Pen(WorkStateColourAt(link_, r), 2));
      p.drawLine(previous, point);
    }
    previous = point;
  }
}

void TScope::DrawTraces(QPainter& p, const PlotFrame& f, const Bands& bands, int record) {
  const int n = static_cast<int>(traces_.analogue.size());
  const bool envelope = !view_.Following() && view_.Rate() > 1;
  const RecordSpan records = link_.Nagranie();
  for (int k = 0; k < n; ++k) {
    if (!pacing_.Draws(k, n)) continue;
    const Wykres& trace = link_.ListaWykresow()[static_cast<size_t>(traces_.analogue[k])];
    const int baseline = bands.places[static_cast<size_t>(k)].baseline;
    auto y = [&](int height) { return std::max(baseline - height, f.Top()); };
    p.setPen(Pen(trace.kolor, 2));
    std::vector<TraceColumn> columns =
        TraceColumns(records, trace, link_.Nastawy(), bands.height, view_.first, view_.Rate(),
                     f.PlotWidth(), view_.Following());
    if (envelope) {
      JoinColumns(columns);
      QList<QLine> lines;
      lines.reserve(static_cast<qsizetype>(columns.size()));
      for (const TraceColumn& c : columns)
        lines.append(QLine(c.x + 10, y(c.high), c.x + 10, y(c.low)));
      p.drawLines(lines);
    } else {
      QPolygon line;
      line.reserve(static_cast<int>(columns.size()));
      for (const TraceColumn& c : columns)
        line << QPoint(c.x + 10, y(c.high));
      p.drawPolyline(line);
    }
  }
  DrawLegends(p, f, bands.places, record);
}

void TScope::DrawLegends(QPainter& p, const PlotFrame& f, const std::vector<TracePlace>& places,
                         int record) {
  const int n = static_cast<int>(traces_.analogue.size());
  const std::span<const uint8_t> bytes = link_.Nagranie().At(record);
  p.setFont(Font(10, true));
  for (int k = 0; k < n; ++k) {
    if (!pacing_.Draws(k, n)) continue;
    const Wykres& trace = link_.ListaWykresow()[static_cast<size_t>(traces_.analogue[k])];
    const QRect box(f.width - 108, places[static_cast<size_t>(k)].legendY, kLegendWidth,
                    kLineHeight);
    p.fillRect(box, ToQColor(colours_.window));
    p.setPen(Pen(trace.kolor));
    p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter,
               Q(LegendText(trace, bytes, link_.Nastawy(), link_.DecimalSeparator())));
  }
}

// The work-state band, the markers of the controller's messages and the texts below the plot.
void TScope::DrawTimeAxis(QPainter& p, const PlotFrame& f, int record) {
  const double rate = view_.Rate();
  const int bandY = f.Bottom() - 5;
  for (int x = 0; x < f.PlotWidth(); ++x) {
    const int r = static_cast<int>(view_.first + x * rate);
    if (r < 0 || r >= link_.IleRekordow()) continue;
    p.fillRect(x + 10, bandY - 2, 1, 4, ToQColor(WorkStateColourAt(link_, r)));
  }
  p.setPen(Qt::NoPen);
  for (int r = static_cast<int>(view_.first + rate); r < f.PlotWidth() * rate + view_.first; ++r) {
    if (r <= 0 || r >= link_.IleRekordow()) continue;
    const int code = InformationAt(link_, r);
    if (code == 0) continue;
    const int x = static_cast<int>((r - view_.first) / rate) + 10;
    p.setBrush(code == 1 ? QColor(255, 0, 0) : QColor(0, 128, 0));
    p.drawPolygon(QPolygon({QPoint(x, f.Bottom() - 8), QPoint(x - 2, f.Bottom() - 12),
                            QPoint(x + 2, f.Bottom() - 12)}));
  }
  p.setBrush(Qt::NoBrush);
  DrawBottomLine(p, f, record, false);
}

void TScope::DrawBottomLine(QPainter& p, const PlotFrame& f, int record, bool atCursor) {
  const char separator = link_.DecimalSeparator();
  const QRect line(f.Left(), f.Bottom() + 1, f.Right() - f.Left(), kLineHeight);
  p.fillRect(line, ToQColor(colours_.window));
  p.setFont(Font(8, false));
  p.setPen(Pen(colours_.text));
  const bool longRecords = link_.RozmiarRekordu() == status_frame::kLongRecord;
  p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
             Q(SecondsPerDivisionText(view_.timeBase, separator) + " " + LangText(1062) +
               (longRecords ? " *" : "")));
  const std::string time = atCursor ? RecordTimeText(record, separator) + " [s]"
                                    : RecordTimeText(view_.end, separator) + " " + LangText(1055);
  if (record >= 0 || !atCursor) p.drawText(line, Qt::AlignRight | Qt::AlignVCenter, Q(time));
  if (atCursor)
    p.drawText(line, Qt::AlignHCenter | Qt::AlignVCenter,
               Q(InformationNear(link_, record, view_.Rate())));
  const QRect state(f.width - 108, f.Bottom() - 12 - kLineHeight / 2, kLegendWidth, kLineHeight);
  p.fillRect(state, ToQColor(colours_.window));
  p.setFont(Font(8, true));
  p.drawText(state, Qt::AlignLeft | Qt::AlignVCenter, Q(WorkStateTextAt(link_, record)));
}

// The fast digital inputs of a long record as logic-analyser rows below the plot.
void TScope::DrawDigitalRows(QPainter& p, const PlotFrame& f, int record) {
  if (traces_.digital.empty()) return;
  const QRect area(QPoint(f.Left(), f.height - f.bottomArea + 16), QPoint(f.Right(), f.height - 1));
  p.fillRect(area, ToQColor(colours_.plot));
  p.setPen(Pen(colours_.frame));
  p.drawRect(area);
  p.setPen(Pen(colours_.grid, 1, Qt::DotLine));
  for (int x = f.Left() + kGridStep; x < f.PlotWidth(); x += kGridStep)
    p.drawLine(x, area.top(), x, area.bottom());
  const int firstRow = f.height - f.bottomArea + 39;
  for (int y = firstRow; y < area.bottom(); y += 21)
    p.drawLine(area.left(), y, area.right(), y);
  const std::vector<DigitalEvent> events = DigitalEvents(link_.Nagranie().At(record));
  p.setFont(Font(8, false));
  for (size_t i = 0; i < traces_.digital.size(); ++i) {
    const Wykres& trace = link_.ListaWykresow()[static_cast<size_t>(traces_.digital[i])];
    const int row = firstRow + 21 * static_cast<int>(i);
    p.setPen(Pen(trace.kolor));
    p.drawText(f.width - 108, row - 16, kLegendWidth, kLineHeight, Qt::AlignLeft,
               Q(TraceName(trace)));
    if (events.empty()) continue;
    QPolygon steps;
    for (const DigitalEvent& e : events) {
      const int x = std::min((e.time - events.front().time) / 2 + 10, f.Right());
      const int y = row - static_cast<int>(16.8 * DigitalLevel(trace, e));
      if (!steps.isEmpty()) steps << QPoint(x, steps.back().y());
      steps << QPoint(x, y);
    }
    p.setPen(Pen(trace.kolor, 2));
    p.drawPolyline(steps);
  }
}

// The KAVI's petrol-input samples over one plot.
void TScope::DrawPetrolInput(QPainter& p) {
  const int plotWidth = width() - 20;
  p.fillRect(picture_.rect(), ToQColor(colours_.window));
  const QRect plot(QPoint(10, 40), QPoint(width() - 10, height() - 20));
  p.fillRect(plot, ToQColor(colours_.plot));
  p.setPen(Pen(colours_.frame));
  p.drawRect(plot);
  p.setPen(Pen(colours_.grid, 1, Qt::DotLine));
  for (int x : PetrolGridLines(link_, plotWidth))
    p.drawLine(x, plot.top(), x, plot.bottom());
  const int half = (height() - 78) / 2;
  const int middle = half == 0 ? 41 : half + 40;
  p.setPen(Pen(0x0000FF));
  p.drawLine(plot.left(), middle, plot.right(), middle);
  const auto& samples = link_.OscWejBen();
  const double rate = static_cast<double>(samples.size()) / plotWidth;
  auto y = [&](size_t i) { return std::max(middle - samples[i], 40); };
  if (rate <= 1) {
    for (size_t i = 0; i < samples.size(); ++i)
      p.drawPoint(10 + static_cast<int>(static_cast<double>(i) / rate), y(i));
    return;
  }
  for (int x = 0; x < plotWidth; ++x) {
    const size_t from = static_cast<size_t>(x * rate);
    const size_t to = std::min(samples.size(), static_cast<size_t>((x + 1) * rate));
    int top = y(from), bottom = top;
    for (size_t i = from; i < to; ++i) {
      top = std::min(top, y(i));
      bottom = std::max(bottom, y(i));
    }
    p.drawLine(x + 10, top, x + 10, bottom);
  }
}

void TScope::MoveCursor(int x) {
  view_.cursor = x;
  ShowCursorReadout(x);
  update();
}

void TScope::ShowCursorReadout(int x) {
  if (picture_.isNull()) return;
  QPainter p(&picture_);
  DrawCursorReadout(p, Frame(), x);
}

// The read-out of the instant under the cursor, replayed into every other view.
void TScope::DrawCursorReadout(QPainter& p, const PlotFrame& f, int x) {
  const int record = RecordAtX(x, view_.first, view_.Rate());
  DrawBottomLine(p, f, record, true);
  if (record < 0) return;
  if (!std::exchange(replaying_, true)) {
    link_.OdbiorOsc(record);
    replaying_ = false;
  }
  DrawLegends(p, f, BandsOf(f).places, record);
  DrawDigitalRows(p, f, record);
}

bool TScope::ArrowKey(int qtKey) {
  static constexpr std::pair<int, Arrow> kKeys[] = {{Qt::Key_Left, Arrow::Left},
                                                    {Qt::Key_Right, Arrow::Right},
                                                    {Qt::Key_Up, Arrow::Up},
                                                    {Qt::Key_Down, Arrow::Down}};
  const auto key = std::find_if(std::begin(kKeys), std::end(kKeys),
                                [qtKey](const auto& k) { return k.first == qtKey; });
  if (key == std::end(kKeys) || !isVisible()) return false;
  if (!scope::ArrowKey(view_, key->second, Frame(), link_.IleRekordow())) {
    QApplication::beep();
    return true;
  }
  Redraw();
  return true;
}

void TScope::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (picture_.isNull()) {
    p.fillRect(rect(), ToQColor(colours_.window));
    return;
  }
  p.drawImage(0, 0, picture_);
  if (view_.cursor < 0 || view_.Following() || view_.kind == DisplayKind::PetrolInput) return;
  p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  p.setPen(Pen(colours_.cursor));
  p.drawLine(view_.cursor, 40, view_.cursor, Frame().Bottom());
}

void TScope::resizeEvent(QResizeEvent*) {
  Redraw();
}

void TScope::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  pressed_ = true;
  dragging_ = false;
  if (!Frame().InStrip(at.x(), at.y()) || event->button() != Qt::LeftButton) {
    unsetCursor();
    return;
  }
  dragging_ = OverMarker(at.x());
  setCursor(dragging_ ? Qt::OpenHandCursor : Qt::SizeHorCursor);
}

void TScope::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  const PlotFrame f = Frame();
  if (f.InStrip(at.x(), at.y())) {
    setCursor(OverMarker(at.x()) ? Qt::OpenHandCursor : Qt::SizeHorCursor);
    if (dragging_ && !view_.Following()) JumpTo(at.x());
    return;
  }
  unsetCursor();
  if (f.InPlot(at.x(), at.y()) && !view_.Following() && view_.kind != DisplayKind::PetrolInput)
    MoveCursor(at.x());
}

void TScope::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (std::exchange(pressed_, false) && Frame().InStrip(at.x(), at.y()) && !view_.Following())
    JumpTo(at.x());
  dragging_ = false;
}

bool TScope::OverMarker(int x) const {
  return marker_.shown && marker_.x1 < x && x < marker_.x2;
}

// The window centred on a place of the overview strip.
void TScope::JumpTo(int x) {
  view_.end =
      EndAfterStripClick(x, link_.IleRekordow(), Frame().PlotWidth(), view_.first, view_.end);
  Redraw();
}
