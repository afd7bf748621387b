#include "app/InjectionGrid.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/WindowRules.h"
#include "controller/Tsterownik.h"

namespace {

constexpr int kTimes = 60;  // status frame: per channel a 16-bit petrol and a 16-bit gas time
constexpr double kUnitMs = 0.004;
constexpr double kUnshown = 0.0001;

}  // namespace

InjectionGrid::InjectionGrid(TSterownik& link, QWidget* parent) : QWidget(parent), link_(link) {
  font_.setBold(true);
  Reset();
}

void InjectionGrid::Reset() {
  lastTimes_.fill(kUnshown);
  for (auto& row : texts_)
    row = {QString(), QString()};
  rows_ = InjectionRows(link_, collapsed_);
  setFixedHeight((rowHeight_ + 1) * rows_ + 3);
  update();
}

void InjectionGrid::SetCollapsed(bool collapsed) {
  collapsed_ = collapsed;
  Reset();
  emit RowsChanged();
}

void InjectionGrid::SetColours(const PanelColours& colours) {
  colours_ = colours;
  update();
}

void InjectionGrid::SetVariant(int variant) {
  variant_ = variant;
  update();
}

void InjectionGrid::SetRowHeight(int height) {
  rowHeight_ = height;
  font_.setPixelSize(std::max(8, height * 6 / 10));
  setFixedHeight((rowHeight_ + 1) * rows_ + 3);
  update();
}

bool InjectionGrid::UpdateTimes(const uint8_t* frame, int length) {
  if (InjectionRows(link_, collapsed_) != rows_) {
    Reset();
    emit RowsChanged();
  }
  bool changed = false;
  for (int row = 0; row < rows_ && row < 8; ++row) {
    for (int fuel = 0; fuel < 2; ++fuel) {
      const int offset = kTimes + 4 * row + 2 * fuel;
      if (offset + 1 >= length) continue;
      const double ms = (frame[offset] + 256 * frame[offset + 1]) * kUnitMs;
      double& last = lastTimes_[static_cast<size_t>(fuel * 8 + row)];
      if (ms == last) continue;
      last = ms;
      texts_[static_cast<size_t>(row)][static_cast<size_t>(fuel)] = QString::number(ms, 'f', 2);
      changed = true;
    }
  }
  if (changed) update();
  return changed;
}

std::array<int, 4> InjectionGrid::ColumnWidths() const {
  const int w = width();
  const std::array<int, 4> widths = {w * 10 / 100, w * 35 / 100, w * 20 / 100, 0};
  return {widths[0], widths[1], widths[2], w - widths[0] - widths[1] - widths[2] - 3};
}

QString InjectionGrid::ChannelLabel(int row) const {
  int label = row + 1;
  if (link_.ObrazSterownika[img::Wyrob] == 12) {
    if (link_.IleWtryskiwaczy == 6 && row > 2) label = row - 2;
    if (link_.IleWtryskiwaczy == 8 && row > 3) label = row - 3;
  }
  return QString::number(label);
}

// The cylinders whose petrol input drives this gas channel, written together ("12" = 1 and 2).
QString InjectionGrid::CylinderText(int row) const {
  if (link_.Rodzina() == 255) return ChannelLabel(row);
  QString text;
  const uint8_t bits = link_.Nastawy()[32 + row];
  for (int c = 0; c < 8; ++c)
    if (bits & (1 << c)) text += QString::number(c + 1);
  return text;
}

QColor InjectionGrid::ChannelColour(int row) const {
  static const QColor kColours[8] = {
      QColor(255, 223, 0),   QColor(0, 234, 0),    QColor(255, 40, 40), QColor(80, 80, 255),
      QColor(255, 168, 201), QColor(255, 40, 255), QColor(164, 0, 0),   QColor(192, 192, 192)};
  const int c = link_.KanalyFsi > 0 ? link_.FsiPozCyl(row) : row;
  if (link_.ObrazSterownika[img::Wyrob] == 12) {
    const int position = c + 1;
    if (link_.IleWtryskiwaczy == 6) {
      if (position == 1 || position == 4) return QColor(0, 234, 0);
      if (position == 2 || position == 5) return QColor(255, 40, 40);
      return position <= 5 ? QColor(255, 223, 0) : QColor(Qt::black);
    }
    if (position == 1 || position == 5) return QColor(0, 234, 0);
    if (position == 2 || position == 6) return QColor(255, 40, 40);
    if (position == 3 || position == 7) return QColor(80, 80, 255);
    return QColor(255, 223, 0);
  }
  return c >= 0 && c < 8 ? kColours[c] : QColor(Qt::black);
}

bool InjectionGrid::SwitchOffBox(int row) const {
  const int special = link_.ObrazSterownika[img::Opis];
  const bool pairedOddRow = link_.Rodzina() == 5 && row % 2 == 1 &&
                            (special == 6 || special == 17 || special == 18 || special == 19);
  const bool petrolOnly = link_.Czy_KAVI_DUAL() && (link_.Nastawy()[31] & (1 << row));
  return !pairedOddRow && !petrolOnly;
}

void InjectionGrid::PaintValue(QPainter& p, const QRect& cell, int row, int column) {
  const bool active = link_.Rodzina() == 255 || link_.Nastawy()[32 + row] != 0;
  if (!active) {
    p.fillRect(cell, colours_.light);
    return;
  }
  p.fillRect(cell, colours_.valueBackground);
  const QString& text = texts_[static_cast<size_t>(row)][column == 1 ? 0 : 1];
  if (variant_ == 1) {
    double ms = text.toDouble();
    if (link_.Rodzina() == 255 && column == 1) ms *= 3;
    const double f = std::clamp(ms, 0.0, 25.0) * 0.04;
    const int definition = link_.PodajPozycje(0x40, 2 * row + (column == 1 ? 0 : 1));
    const QColor colour = definition < static_cast<int>(link_.ListaWykresow.size())
                              ? ToQColor(link_.ListaWykresow[static_cast<size_t>(definition)].kolor)
                              : colours_.text;
    p.fillRect(QRectF(cell.left() + 1, cell.bottom() - 5, f * (cell.width() - 2), 5), colour);
  }
  p.setFont(font_);
  p.setPen(variant_ == 1 ? colours_.text : column == 1 ? QColor(255, 0, 0) : QColor(0, 160, 0));
  p.drawText(cell.adjusted(0, 0, -2, 0), Qt::AlignRight | Qt::AlignVCenter, text);
}

void InjectionGrid::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), colours_.window);
  const auto widths = ColumnWidths();
  const bool kavi = link_.Rodzina() == 255;
  QFont labelFont = font_;
  labelFont.setBold(false);
  for (int row = 0; row < rows_; ++row) {
    const int top = row * (rowHeight_ + 1);
    int x = 0;
    std::array<QRect, 4> cells;
    for (int c = 0; c < 4; ++c) {
      cells[c] = QRect(x, top, widths[c], rowHeight_);
      x += widths[c] + 1;
    }
    for (int c : {0, 2}) {
      p.fillRect(cells[c], colours_.light);
      p.setPen(QColor(128, 128, 128));
      p.drawRect(cells[c].adjusted(0, 0, -1, -1));
    }
    if (kavi) {
      p.fillRect(cells[0].adjusted(1, 1, -1, -1), ChannelColour(row));
      p.fillRect(QRect(cells[2].left() + 1, top + 1, cells[2].width() / 2, rowHeight_ - 2),
                 ChannelColour(row));
    }
    p.setFont(labelFont);
    p.setPen(colours_.text);
    p.drawText(cells[0], Qt::AlignCenter, ChannelLabel(row));
    p.drawText(cells[2].adjusted(2, 0, -20, 0), Qt::AlignLeft | Qt::AlignVCenter,
               CylinderText(row));
    if (SwitchOffBox(row)) {
      const QRect box(cells[2].right() - 18, top + (rowHeight_ - 16) / 2, 16, 16);
      p.fillRect(box, colours_.listBackground);
      p.setPen(colours_.text);
      p.drawRect(box);
      const int bit = kavi && link_.KanalyFsi > 0 ? link_.FsiPozKanalu(row) : row;
      if (link_.ZalaczoneWtryskiwacze & (1 << bit)) {
        p.setPen(QPen(QColor(0, 128, 0), 3));
        p.drawPolyline(QPolygon({QPoint(box.left() + 3, box.center().y()),
                                 QPoint(box.left() + 7, box.bottom() - 3),
                                 QPoint(box.right() - 3, box.top() + 3)}));
      }
    }
    PaintValue(p, cells[1], row, 1);
    PaintValue(p, cells[3], row, 3);
  }
}

void InjectionGrid::mousePressEvent(QMouseEvent* event) {
  const auto widths = ColumnWidths();
  const int x = static_cast<int>(event->position().x());
  const int row = static_cast<int>(event->position().y()) / (rowHeight_ + 1);
  const int columnTwo = widths[0] + widths[1] + 2;
  if (x < columnTwo || x >= columnTwo + widths[2] || row < 0 || row >= rows_) return;
  uint8_t mask = static_cast<uint8_t>(1 << row);
  const uint8_t switching = link_.Nastawy()[56];
  if (switching == 1) mask = row % 2 == 0 ? 0x55 : 0xAA;
  if (switching == 2) mask = 0xFF;
  if (link_.Rodzina() == 255 && link_.KanalyFsi > 0)
    mask = static_cast<uint8_t>(1 << link_.FsiPozKanalu(row));
  link_.ZalaczoneWtryskiwacze ^= mask;
  link_.ZalaczoneWtryskiwacze &= static_cast<uint8_t>(~link_.Nastawy()[31]);
  link_.RozkazDoSterownika(0x100);
  update();
}
