#include "app/ParameterGrid.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "app/FittedValue.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"

namespace {

// The largest point size from `largest` down to 7 at which `text` plus a margin fits width and
// "Tg" fits the row; `current` when none does.
int FittingSize(QFont font, const QString& text, int margin, int width, int rowHeight, int largest,
                int current) {
  for (int size = largest; size >= 7; --size) {
    font.setPointSize(size);
    const QFontMetrics m(font);
    if (m.horizontalAdvance(text) + margin < width && m.height() < rowHeight) return size;
  }
  return current;
}

}  // namespace

ParameterGrid::ParameterGrid(TSterownik& link, QWidget* parent) : RowScroller(parent), link_(link) {
  valueFont_.setBold(true);
  Rebuild();
}

std::vector<int> ParameterGrid::ShownDefinitions() const {
  std::vector<int> shown;
  for (int n = 0; n < link_.PodajIleParamBiez(ChartPlace::Readings); ++n)
    shown.push_back(link_.PodajPozycje(ChartPlace::Readings, n));
  return shown;
}

// A row stays drawable when the link rebuilt its list before the grid followed it.
const Wykres& ParameterGrid::DefinitionOf(int row) const {
  static const Wykres kNone{};
  const size_t definition = static_cast<size_t>(definitions_[static_cast<size_t>(row)]);
  const std::vector<Wykres>& list = link_.ListaWykresow();
  return definition < list.size() ? list[definition] : kNone;
}

QString ParameterGrid::NameText(int row) const {
  if (row >= ParameterRows()) return obdRows_[static_cast<size_t>(row - ParameterRows())].name;
  return Q(LangText(DefinitionOf(row).nazwa));
}

QString ParameterGrid::ValueText(int row) const {
  if (row >= ParameterRows()) return obdRows_[static_cast<size_t>(row - ParameterRows())].value;
  return values_[static_cast<size_t>(row)];
}

void ParameterGrid::SetObdRowCount(int count) {
  if (count == static_cast<int>(obdRows_.size())) return;
  obdRows_.resize(static_cast<size_t>(std::max(count, 0)));
  viewport()->update();
  emit RowsChanged();
}

void ParameterGrid::SetObdRow(int index, const QString& name, const QString& value) {
  if (index < 0 || index >= static_cast<int>(obdRows_.size())) return;
  obdRows_[static_cast<size_t>(index)] = {name, value};
  viewport()->update();
}

void ParameterGrid::Rebuild() {
  definitions_ = ShownDefinitions();
  values_.assign(definitions_.size(), QString());
  link_.ForgetShownValues();
  FitFonts();
  viewport()->update();
}

bool ParameterGrid::UpdateValues() {
  // The installer may pick other readings while frames keep coming in.
  if (ShownDefinitions() != definitions_) {
    Rebuild();
    emit RowsChanged();
  }
  bool changed = false;
  for (int row = 0; row < ParameterRows(); ++row) {
    const std::string text = link_.StrParamBiez(ChartPlace::Readings, row);
    if (text.empty()) continue;
    values_[static_cast<size_t>(row)] = Q(text);
    changed = true;
  }
  if (changed) viewport()->update();
  return changed;
}

void ParameterGrid::SetColours(const PanelColours& colours) {
  colours_ = colours;
  viewport()->update();
}

void ParameterGrid::SetVariant(int variant) {
  variant_ = variant;
  viewport()->update();
}

void ParameterGrid::SetRowHeight(int height) {
  rowHeight_ = height;
  FitFonts();
  viewport()->update();
}

void ParameterGrid::resizeEvent(QResizeEvent* event) {
  RowScroller::resizeEvent(event);
  FitFonts();
}

void ParameterGrid::FitFonts() {
  const int nameWidth = viewport()->width() * 65 / 100;
  const int valueWidth = viewport()->width() - nameWidth - 1;
  QString widest;
  int widestPixels = -1;
  const QFontMetrics metrics(nameFont_);
  for (int row = 0; row < ParameterRows(); ++row) {
    const Wykres& w = DefinitionOf(row);
    const QString text = Q(LangText(w.nazwa) + LangText(w.jednostka));
    if (metrics.horizontalAdvance(text) > widestPixels) {
      widestPixels = metrics.horizontalAdvance(text);
      widest = text;
    }
  }
  nameFont_.setPointSize(
      FittingSize(nameFont_, widest, 4, nameWidth, rowHeight_, 20, nameFont_.pointSize()));
  valueFont_.setPointSize(FittingSize(valueFont_, QStringLiteral("188,88"), 5, valueWidth,
                                      rowHeight_, 26, valueFont_.pointSize()));
}

void ParameterGrid::PaintRow(QPainter& p, int row, const QRect& rect) {
  const int nameWidth = rect.width() * 65 / 100;
  const QRect name(0, rect.top(), nameWidth, rowHeight_);
  const QRect value(nameWidth + 1, rect.top(), rect.width() - nameWidth - 1, rowHeight_);
  p.fillRect(name, colours_.light);
  p.setFont(nameFont_);
  if (row < ParameterRows()) {
    PaintParameter(p, row, name, value);
  } else {
    p.setPen(colours_.text);
    DrawCaption(p, name.adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, NameText(row));
  }
  p.fillRect(value, colours_.valueBackground);
  p.setPen(colours_.secondaryText);
  DrawValue(p, value.adjusted(0, 0, -5, 0), Qt::AlignRight | Qt::AlignVCenter, ValueText(row), {},
            OneFace(valueFont_));
}

// A live parameter's name and unit, with its bar in the bar variant.
void ParameterGrid::PaintParameter(QPainter& p, int row, const QRect& name, const QRect&) {
  const Wykres& w = DefinitionOf(row);
  if ((variant_ & 2) && w.maksimum > w.minimum) {
    const double v = std::clamp(w.ostatnia, w.minimum, w.maksimum);
    const double f = (v - w.minimum) / (w.maksimum - w.minimum);
    QPainterPath bar;
    bar.addRoundedRect(QRectF(name.left() + 1, name.bottom() - 6, f * (name.width() - 2), 6), 3, 3);
    p.fillPath(bar, ToQColor(w.kolor));
  }
  p.setPen((variant_ & 1) ? ToQColor(w.kolor) : colours_.text);
  // The unit keeps its place at the right; the name takes what is left of the column.
  const QString unit = Q(LangText(w.jednostka));
  const int unitWidth = std::min(p.fontMetrics().horizontalAdvance(unit), name.width() / 2);
  const QRect unitRoom(name.right() - 1 - unitWidth, name.top(), unitWidth, name.height());
  DrawCaption(p, unitRoom, Qt::AlignRight | Qt::AlignVCenter, unit);
  DrawCaption(
      p, QRect(QPoint(name.left() + 4, name.top()), QPoint(unitRoom.left() - 4, name.bottom())),
      Qt::AlignLeft | Qt::AlignVCenter, Q(LangText(w.nazwa)));
}

void ParameterGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  const int row = RowAt(static_cast<int>(event->position().y()));
  if (row >= 0 && row < ParameterRows()) emit RowDoubleClicked(row);
}
