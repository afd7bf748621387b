#include "app/Unitparam.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "controller/ParamList.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"

TFormParam::TFormParam(TSterownik& link, const PanelColours& colours, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), link_(link), colours_(colours) {
  setWindowTitle(Q("MALVER - " + LangText(1230)));
  resize(320, 460);
}

int TFormParam::RowCount() const {
  return static_cast<int>(ParamListRows(link_).size());
}

int TFormParam::RowHeight() const {
  return fontMetrics().height() + 6;
}

void TFormParam::showEvent(QShowEvent* event) {
  // The window shrinks to its rows when they need less room, never beyond the screen.
  const int needed = (RowHeight() + 1) * RowCount();
  int h = std::min(height(), needed);
  if (screen()) h = std::min(h, screen()->availableGeometry().height());
  resize(width(), std::max(h, RowHeight()));
  QDialog::showEvent(event);
}

void TFormParam::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), colours_.window);
  const std::vector<int> rows = ParamListRows(link_);
  const int h = RowHeight();
  for (size_t r = 0; r < rows.size(); ++r) {
    const Wykres& w = link_.ListaWykresow()[static_cast<size_t>(rows[r])];
    const int top = static_cast<int>(r) * (h + 1);
    const QRect box(4, top + 3, h - 6, h - 6);
    p.fillRect(box, colours_.listBackground);
    p.setPen(colours_.text);
    p.drawRect(box);
    if (w.flagi & ChartPlace::Readings) {
      p.setPen(QPen(QColor(0, 128, 0), 3));
      p.drawPolyline(QPolygon({QPoint(box.left() + 3, box.center().y()),
                               QPoint(box.left() + 6, box.bottom() - 3),
                               QPoint(box.right() - 2, box.top() + 2)}));
    }
    p.setPen(IsObdDerived(rows[r]) ? colours_.secondaryText : colours_.text);
    p.drawText(QRect(h + 4, top, width() - h - 36, h), Qt::AlignLeft | Qt::AlignVCenter,
               Q(" " + LangText(w.nazwa)));
  }
}

void TFormParam::PressRow(int row) {
  const std::vector<int> rows = ParamListRows(link_);
  if (row < 0 || row >= static_cast<int>(rows.size())) return;
  link_.ToggleReadingsPanel(rows[static_cast<size_t>(row)]);
  update();
}

void TFormParam::mousePressEvent(QMouseEvent* event) {
  PressRow(static_cast<int>(event->position().y()) / (RowHeight() + 1));
}
