#include "app/Unitparam.h"

#include <QPainter>

#include <QScreen>
#include <QVBoxLayout>
#include "app/TickBox.h"

#include "controller/ParamList.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"

TFormParam::TFormParam(TSterownik& link, const PanelColours& colours, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint),
      rows_(new ParameterRows(link, colours, this)) {
  setWindowTitle(Q("MALVER - " + LangText(1230)));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(rows_);
  resize(320, 460);
}

int TFormParam::RowCount() const {
  return rows_->RowCount();
}

void TFormParam::PressRow(int row) {
  rows_->PressRow(row, 0);
}

void TFormParam::showEvent(QShowEvent* event) {
  // The window shrinks to its rows when they need less room, never beyond the screen; the
  // rows scroll when there are more than fit.
  const int needed = rows_->RowHeight() * RowCount();
  int h = std::min(height(), needed);
  if (screen()) h = std::min(h, screen()->availableGeometry().height());
  resize(width(), std::max(h, rows_->RowHeight()));
  QDialog::showEvent(event);
}

ParameterRows::ParameterRows(TSterownik& link, const PanelColours& colours, QWidget* parent)
    : RowScroller(parent), link_(link), colours_(colours) {}

int ParameterRows::RowCount() const {
  return static_cast<int>(ParamListRows(link_).size());
}

int ParameterRows::RowHeight() const {
  return fontMetrics().height() + 7;
}

void ParameterRows::PaintRow(QPainter& p, int row, const QRect& rect) {
  const int definition = ParamListRows(link_)[static_cast<size_t>(row)];
  const Wykres& w = link_.ListaWykresow()[static_cast<size_t>(definition)];
  const int h = rect.height() - 1;
  const QRect box(4, rect.top() + 3, h - 6, h - 6);
  PaintTickBox(p, box, w.flagi & ChartPlace::Readings, colours_.text, colours_.listBackground,
               QColor(0, 128, 0));
  p.setPen(IsObdDerived(definition) ? colours_.secondaryText : colours_.dimText);
  p.drawText(QRect(h + 4, rect.top(), rect.width() - h - 8, h), Qt::AlignLeft | Qt::AlignVCenter,
             Q(" " + LangText(w.nazwa)));
}

void ParameterRows::PressRow(int row, int) {
  const std::vector<int> rows = ParamListRows(link_);
  if (row < 0 || row >= static_cast<int>(rows.size())) return;
  link_.ToggleReadingsPanel(rows[static_cast<size_t>(row)]);
  viewport()->update();
}
