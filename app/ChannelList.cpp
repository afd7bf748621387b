#include "app/ChannelList.h"

#include <QColorDialog>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "controller/ParamList.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "lang/UiServices.h"
#include "scope/TraceValues.h"

ChannelList::ChannelList(TSterownik& link, UiServices& ui, QWidget* parent)
    : QWidget(parent), link_(link), ui_(ui) {}

int ChannelList::RowCount() const {
  return link_.PodajIleParamBiez(ChartPlace::ScopeList);
}

int ChannelList::Definition(int row) const {
  return link_.PodajPozycje(ChartPlace::ScopeList, row);
}

int ChannelList::Side() const {
  const int rows = RowCount();
  return rows == 0 ? 18 : std::clamp(height() / rows, 18, 22);
}

QString ChannelList::RowText(int row) const {
  return Q(scope::ChannelListName(link_.ListaWykresow()[static_cast<size_t>(Definition(row))]));
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
    const Wykres& w = link_.ListaWykresow()[static_cast<size_t>(definition)];
    const bool shown = w.flagi & ChartPlace::ScopeTrace;
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
    p.setPen(IsObdDerived(definition) ? colours_.secondaryText : colours_.dimText);
    p.drawText(QRect(2 * s + 5, top, width() - 2 * s - 4, s), Qt::AlignLeft | Qt::AlignVCenter,
               RowText(row));
  }
}

void ChannelList::mousePressEvent(QMouseEvent* event) {
  const int s = Side();
  const int row = static_cast<int>(event->position().y()) / s;
  if (row < 0 || row >= RowCount()) return;
  const int definition = Definition(row);
  const Wykres& w = link_.ListaWykresow()[static_cast<size_t>(definition)];
  const bool shown = w.flagi & ChartPlace::ScopeTrace;
  if (event->position().x() < s) {
    if (!shown) return;
    const QColor chosen = QColorDialog::getColor(ToQColor(w.kolor), this);
    if (chosen.isValid()) link_.SetTraceColour(definition, FromQColor(chosen));
  } else {
    if (!shown && link_.NeedsLongRecord(definition) &&
        LangMessageBox(ui_, 1388, mb::kIconExclamation | mb::kYesNo) != mb::kIdYes)
      return;
    link_.ToggleScopeTrace(definition);
  }
  update();
  emit ChannelsChanged();
}
