#include "app/ChannelList.h"

#include <QColorDialog>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "lang/UiServices.h"

namespace {

constexpr int kScopeList = 0x01;
constexpr int kShown = 0x10;

}  // namespace

ChannelList::ChannelList(TSterownik& link, UiServices& ui, QWidget* parent)
    : QWidget(parent), link_(link), ui_(ui) {}

int ChannelList::RowCount() const {
  return link_.PodajIleParamBiez(kScopeList);
}

int ChannelList::Definition(int row) const {
  return link_.PodajPozycje(kScopeList, row);
}

int ChannelList::Side() const {
  const int rows = RowCount();
  return rows == 0 ? 18 : std::clamp(height() / rows, 18, 22);
}

// The KAVI injector-channel traces are named like the injection-time columns, starred.
QString ChannelList::RowText(int row) const {
  const int name = link_.ListaWykresow[static_cast<size_t>(Definition(row))].nazwa;
  if (name >= 944 && name <= 955) {
    const int channel = (name - 944) / 2;
    return Q(" *" + LangText((name % 2 == 0 ? 1501 : 1601) + channel));
  }
  return Q(" " + LangText(name));
}

void ChannelList::SetColours(const PanelColours& colours) {
  colours_ = colours;
  update();
}

void ChannelList::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), colours_.window);
  const int s = Side();
  for (int row = 0; row < RowCount(); ++row) {
    const int definition = Definition(row);
    const Wykres& w = link_.ListaWykresow[static_cast<size_t>(definition)];
    const bool shown = w.flagi & kShown;
    const int top = row * s;
    if (shown) p.fillRect(QRect(3, top + 3, s - 6, s - 6), ToQColor(w.kolor));
    const QRect box(s + 3, top + 3, s - 6, s - 6);
    p.fillRect(box, colours_.listBackground);
    p.setPen(colours_.text);
    p.drawRect(box);
    if (shown) {
      p.setPen(QPen(colours_.tick, 3));
      p.drawPolyline(QPolygon({QPoint(box.left() + 3, box.center().y()),
                               QPoint(box.left() + 6, box.bottom() - 3),
                               QPoint(box.right() - 2, box.top() + 2)}));
    }
    const bool obd = definition >= 15 && definition <= 22;
    p.setPen(obd ? colours_.secondaryText : colours_.dimText);
    p.drawText(QRect(2 * s + 5, top, width() - 2 * s - 4, s), Qt::AlignLeft | Qt::AlignVCenter,
               RowText(row));
  }
}

void ChannelList::mousePressEvent(QMouseEvent* event) {
  const int s = Side();
  const int row = static_cast<int>(event->position().y()) / s;
  if (row < 0 || row >= RowCount()) return;
  const int definition = Definition(row);
  Wykres& w = link_.ListaWykresow[static_cast<size_t>(definition)];
  if (event->position().x() < s) {
    if (!(w.flagi & kShown)) return;
    const QColor chosen = QColorDialog::getColor(ToQColor(w.kolor), this);
    if (chosen.isValid()) w.kolor = FromQColor(chosen);
  } else {
    const bool showing = !(w.flagi & kShown);
    // The short scope record has no room for the traces after 52.
    if (showing && definition > 52 && link_.RozmiarRekordu == 128 &&
        LangMessageBox(ui_, 1388, mb::kIconExclamation | mb::kYesNo) != mb::kIdYes)
      return;
    w.flagi ^= kShown;
  }
  update();
  emit ChannelsChanged();
}
