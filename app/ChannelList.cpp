#include "app/ChannelList.h"

#include <QColorDialog>
#include <QPainter>

#include <algorithm>
#include "app/TickBox.h"

#include "controller/ParamList.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "lang/UiServices.h"
#include "scope/TraceValues.h"

ChannelList::ChannelList(TSterownik& link, UiServices& ui, QWidget* parent)
    : RowScroller(parent), link_(link), ui_(ui) {}

int ChannelList::RowCount() const {
  return link_.PodajIleParamBiez(ChartPlace::ScopeList);
}

int ChannelList::Definition(int row) const {
  return link_.PodajPozycje(ChartPlace::ScopeList, row);
}

int ChannelList::RowHeight() const {
  const int rows = RowCount();
  return rows == 0 ? 18 : std::clamp(viewport()->height() / rows, 18, 22);
}

QString ChannelList::RowText(int row) const {
  return Q(scope::ChannelListName(link_.ListaWykresow()[static_cast<size_t>(Definition(row))]));
}

void ChannelList::SetColours(const PanelColours& colours) {
  colours_ = colours;
  viewport()->update();
}

void ChannelList::PaintRow(QPainter& p, int row, const QRect& rect) {
  const int definition = Definition(row);
  const Wykres& w = link_.ListaWykresow()[static_cast<size_t>(definition)];
  const bool shown = w.flagi & ChartPlace::ScopeTrace;
  const int s = rect.height();
  const int top = rect.top();
  if (shown) p.fillRect(QRect(3, top + 3, s - 6, s - 6), ToQColor(w.kolor));
  const QRect box(s + 3, top + 3, s - 6, s - 6);
  PaintTickBox(p, box, shown, colours_.text, colours_.listBackground, colours_.tick);
  p.setPen(IsObdDerived(definition) ? colours_.secondaryText : colours_.dimText);
  p.drawText(QRect(2 * s + 5, top, rect.width() - 2 * s - 4, s), Qt::AlignLeft | Qt::AlignVCenter,
             RowText(row));
}

void ChannelList::PressRow(int row, int x) {
  const int definition = Definition(row);
  const Wykres& w = link_.ListaWykresow()[static_cast<size_t>(definition)];
  const bool shown = w.flagi & ChartPlace::ScopeTrace;
  if (x < RowHeight()) {
    if (!shown) return;
    const QColor chosen = QColorDialog::getColor(ToQColor(w.kolor), this);
    if (chosen.isValid()) link_.SetTraceColour(definition, FromQColor(chosen));
  } else {
    if (!shown && link_.NeedsLongRecord(definition)) {
      if (LangMessageBox(ui_, 1388, mb::kIconExclamation | mb::kYesNo) != mb::kIdYes) return;
      emit LongRecordsChosen();
    }
    link_.ToggleScopeTrace(definition);
  }
  viewport()->update();
  emit ChannelsChanged();
}
