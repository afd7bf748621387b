#include "settings/Tnastawy.h"

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QUrl>
#include <QtMath>

#include "app/FittedValue.h"
#include "app/QtColours.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "settings/SetValue.h"
#include "settings/SettingTexts.h"
#include "settings/SettingVisibility.h"

namespace {

constexpr int kHelpAreaWidth = 16;
// As wide as the columns give up when the rows do not fit.
constexpr int kScrollBarWidth = 10;
constexpr int kVideoButton[2] = {24, 16};
constexpr int kLargestNameFont = 24;
// Below this a digit is no longer told from its neighbour.
constexpr int kSmallestFont = 7;
constexpr int kTroubleCodeLength = 5;

QColor Colour(uint32_t bgr) {
  return ToQColor(bgr);
}

QString Text(int id) {
  return Q(LangText(id));
}

int HeaderTextId(int element) {
  switch (element) {
    case element::HeaderEngine:
      return 1275;
    case element::HeaderInjectors:
      return 1276;
    case element::HeaderSensors:
      return 1278;
    case element::HeaderToGas:
      return 1279;
    case element::HeaderToPetrol:
      return 1280;
    default:
      return 1281;
  }
}

}  // namespace

TNastawy::TNastawy(TSterownik& link, QWidget* parent) : QWidget(parent), link_(link) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  nameFont_.setBold(true);
  // A page with more rows than the editor's height has scrolls instead of cutting them off.
  scroll_ = new QScrollBar(Qt::Vertical, this);
  scroll_->hide();
  connect(scroll_, &QScrollBar::valueChanged, this, [this] {
    HidePopups();
    update();
  });
  list_ = new QListWidget(this);
  list_->hide();
  connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    const int value = link_.ListaNastaw()[listSetting_].min + list_->row(item);
    HidePopups();
    Apply(SetValue(link_, view_, listSetting_, value, 1));
  });
  codeEdit_ = new QLineEdit(this);
  codeEdit_->setMaxLength(kTroubleCodeLength);
  QFont bold = codeEdit_->font();
  bold.setBold(true);
  codeEdit_->setFont(bold);
  codeEdit_->hide();
  connect(codeEdit_, &QLineEdit::textEdited, this, &TNastawy::TypedCode);
  connect(codeEdit_, &QLineEdit::returnPressed, this, [this] {
    if (codeEdit_->text().isEmpty()) TypedCode(QStringLiteral("P0000"));
  });
  codeEdit_->installEventFilter(this);
  connect(&repeat_, &QTimer::timeout, this, &TNastawy::Repeat);
  Relayout();
}

void TNastawy::SetViewLevel(int level) {
  view_.viewLevel = level;
  Relayout();
}

void TNastawy::SetAdministrator(bool administrator) {
  view_.administrator = administrator;
  Relayout();
}

void TNastawy::SetMode(int mode) {
  view_.mode = mode;
  Relayout();
}

void TNastawy::SetColours(const ColourRoles& roles, int scheme) {
  roles_ = roles;
  colours_ = EditorColoursFor(scheme, roles.listBackground, roles.optionText);
  fieldStamps_.clear();
  update();
}

void TNastawy::Relayout() {
  HidePopups();
  view_.viewLevel = ImposedViewLevel(link_, view_);
  layout_ = LayoutFor(link_, view_);
  geometry_ = GeometryFor(view_, layout_, width(), height());
  PlaceScrollBar();
  if (selected_ && !Selectable(link_, layout_, selected_->row, selected_->column))
    selected_.reset();
  FitFonts();
  update();
}

void TNastawy::UpdateStatus(const DecodedStatus& status) {
  const int indicator = WorkIndicator(link_, status);
  if (indicator == indicator_) return;
  indicator_ = indicator;
  update();
}

void TNastawy::PlaceScrollBar() {
  const int rows = layout_.Rows() * geometry_.rowHeight;
  if (rows <= height()) {
    scroll_->hide();
    scroll_->setValue(0);
    return;
  }
  scroll_->setGeometry(width() - kScrollBarWidth, 0, kScrollBarWidth, height());
  scroll_->setRange(0, rows - height());
  scroll_->setPageStep(height());
  scroll_->setSingleStep(geometry_.rowHeight);
  scroll_->show();
}

int TNastawy::ScrolledBy() const {
  return scroll_->isVisible() ? scroll_->value() : 0;
}

QRect TNastawy::CellRect(int row, int column) const {
  return QRect(column * (width() / geometry_.columns), row * geometry_.rowHeight - ScrolledBy(),
               geometry_.columnWidth, geometry_.rowHeight);
}

QRect TNastawy::ValueField(int row, int column) const {
  const QRect cell = CellRect(row, column);
  return QRect(cell.left() + geometry_.valueLeft, cell.top() + 2,
               geometry_.valueRight - geometry_.valueLeft, cell.height() - 4);
}

QRect TNastawy::MinusButton(int row, int column) const {
  const QRect field = ValueField(row, column);
  return QRect(field.left(), field.top(), geometry_.buttonSize, field.height());
}

QRect TNastawy::PlusButton(int row, int column) const {
  const QRect field = ValueField(row, column);
  return QRect(field.right() - geometry_.buttonSize + 1, field.top(), geometry_.buttonSize,
               field.height());
}

QRect TNastawy::HelpArea(int row, int column) const {
  const QRect cell = CellRect(row, column);
  return QRect(cell.left() + geometry_.valueLeft - kHelpAreaWidth - 2, cell.top(), kHelpAreaWidth,
               cell.height());
}

std::optional<CellPosition> TNastawy::CellAt(QPoint point) const {
  if (geometry_.rowHeight <= 0) return std::nullopt;
  const int row = (point.y() + ScrolledBy()) / geometry_.rowHeight;
  const int column = point.x() / std::max(1, width() / geometry_.columns);
  if (row < 0 || row >= layout_.Rows() || column < 0 || column >= layout_.columns)
    return std::nullopt;
  return CellPosition{row, column};
}

// The largest fonts at which the widest name and the widest value fit their rooms.
void TNastawy::FitFonts() {
  QFont valueBold = valueFont_;
  valueBold.setBold(true);
  auto widest = [&](QFont font, auto textOf) {
    return [this, font, textOf](int size) mutable {
      font.setPointSize(size);
      const QFontMetrics metrics(font);
      int width = 0;
      for (int cell : layout_.cells)
        if (cell >= 0) width = std::max(width, metrics.horizontalAdvance(textOf(cell)));
      return width;
    };
  };
  auto fit = [&](QFont& font, const std::function<int(int)>& widthAt, int room) {
    QFont probe = font;
    font.setPointSize(FittingFontSize(
        widthAt,
        [&](int points) {
          probe.setPointSize(points);
          return QFontMetrics(probe).height();
        },
        room, geometry_.rowHeight, kLargestNameFont));
  };
  fit(nameFont_,
      widest(nameFont_,
             [this](int cell) {
               const bool help = HelpFor(link_, view_, cell) != HelpTarget::None;
               return NameOf(cell) + (help ? QStringLiteral("  ") : QString());
             }),
      geometry_.valueLeft - geometry_.nameLeft - kHelpAreaWidth);
  fit(valueFont_,
      widest(valueBold,
             [this](int cell) { return Q(ValueText(link_, cell) + " " + link_.UnitText(cell)); }),
      geometry_.valueRight - geometry_.valueLeft - 2 * geometry_.buttonSize);
  valueBold_ = unitFont_ = valueFont_;
  valueBold_.setBold(true);
  unitFont_.setBold(false);
}

QString TNastawy::NameOf(int setting) const {
  return Text(NameId(link_, view_, setting)) + Q(BankSuffix(link_, setting));
}

void TNastawy::HidePopups() {
  list_->hide();
  codeEdit_->hide();
  repeat_.stop();
}

void TNastawy::Apply(const SettingChange& change) {
  if (!change.stored) {
    QApplication::beep();
    repeat_.stop();
    return;
  }
  if (change.relayout) Relayout();
  update();
  emit Changed(change);
}

void TNastawy::Step(int setting, int direction) {
  Apply(StepSetting(link_, view_, setting, direction));
}

void TNastawy::mousePressEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  HidePopups();
  const auto cell = CellAt(point);
  if (!cell) return;
  const int content = SettingAt(*cell);
  if (content < 0)
    PressElement(content, *cell, point);
  else if (IsVisible(link_, content))
    PressSetting(*cell, point);
}

void TNastawy::PressElement(int element, const CellPosition& cell, QPoint point) {
  if (element::IsHeader(element)) {
    const int right =
        element::SpansBothColumns(element) ? width() : CellRect(0, cell.column).right();
    if (point.x() < right - 40) return;
    const std::string address = HelpVideoAddress(element::VideoOf(element), Texts().LanguageIndex);
    if (!address.empty()) QDesktopServices::openUrl(QUrl(Q(address)));
    return;
  }
  if (element == element::Buttons) {
    if (point.x() < CellRect(cell.row, cell.column).center().x())
      emit CorrectionsRequested();
    else
      emit CalculatorRequested();
  }
}

void TNastawy::PressSetting(const CellPosition& cell, QPoint point) {
  selected_ = cell;
  const int setting = SettingAt(cell);
  update();
  if (HelpArea(cell.row, cell.column).contains(point)) {
    OpenHelp(setting);
    return;
  }
  if (!ValueField(cell.row, cell.column).contains(point)) return;
  switch (InputOf(link_, setting)) {
    case Input::Stepper:
      if (MinusButton(cell.row, cell.column).contains(point) ||
          PlusButton(cell.row, cell.column).contains(point)) {
        pressedAt_ = point;
        repeats_ = 0;
        Step(setting, PlusButton(cell.row, cell.column).contains(point) ? +1 : -1);
        repeat_.start(RepeatInterval(repeats_));
      }
      break;
    case Input::List:
      OpenList(cell);
      break;
    case Input::Toggle:
      Apply(ToggleSetting(link_, view_, setting));
      break;
    case Input::TroubleCode:
      OpenCodeEdit(cell);
      break;
    case Input::None:
      break;
  }
}

void TNastawy::OpenHelp(int setting) {
  switch (HelpFor(link_, view_, setting)) {
    case HelpTarget::InjectorSequence:
      emit InjectorSequenceRequested();
      break;
    case HelpTarget::LevelSensor:
      emit LevelSensorRequested();
      break;
    case HelpTarget::HelpPanel:
      emit HelpPanelRequested(setting);
      break;
    case HelpTarget::None:
      break;
  }
}

// The list opens under the cell, as wide as its longest option and inside the grid.
void TNastawy::OpenList(const CellPosition& cell) {
  listSetting_ = SettingAt(cell);
  list_->clear();
  list_->setFont(valueFont_);
  int widest = 0;
  const QFontMetrics metrics(valueFont_);
  for (const std::string& option : OptionTexts(link_, listSetting_)) {
    list_->addItem(Q(option));
    widest = std::max(widest, metrics.horizontalAdvance(Q(option)));
  }
  const Nastawa& n = link_.ListaNastaw()[listSetting_];
  list_->setCurrentRow(link_.Nastawy()[listSetting_] - n.min);
  const QRect field = ValueField(cell.row, cell.column);
  const int itemHeight = list_->sizeHintForRow(0) > 0 ? list_->sizeHintForRow(0) : 18;
  const int w = std::max(field.width(), widest + 8 + 24);
  int h = std::min(list_->count() * itemHeight + 5, height());
  int top = field.bottom() + 1;
  if (top + h > height()) top = std::max(0, height() - h);
  const int left = std::min(field.left(), std::max(0, width() - w));
  list_->setGeometry(left, top, w, h);
  list_->show();
  list_->raise();
  list_->setFocus();
}

void TNastawy::OpenCodeEdit(const CellPosition& cell) {
  const int setting = SettingAt(cell);
  const int code = link_.Nastawy()[setting] | link_.Nastawy()[setting + 1] << 8;
  codeEdit_->setGeometry(ValueField(cell.row, cell.column));
  codeEdit_->setText(code == 0 ? QStringLiteral("P") : Q(TSterownik::TroubleCodeText(code)));
  codeEdit_->show();
  codeEdit_->setFocus();
}

void TNastawy::TypedCode(const QString& text) {
  const QString upper = text.toUpper();
  if (upper != text) codeEdit_->setText(upper);
  if (!selected_ || upper.size() < kTroubleCodeLength) return;
  const auto code = ParseTroubleCode(upper.toStdString());
  if (!code) return;
  codeEdit_->hide();
  setFocus();
  Apply(SetValue(link_, view_, SettingAt(*selected_), *code, 2));
}

// The trouble-code box: Escape leaves it, Delete clears the code, the arrow keys do nothing.
bool TNastawy::eventFilter(QObject* watched, QEvent* event) {
  if (watched != codeEdit_ || event->type() != QEvent::KeyPress) return false;
  switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Escape:
      HidePopups();
      setFocus();
      return true;
    case Qt::Key_Delete:
      TypedCode(QStringLiteral("P0000"));
      return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
      return true;
    default:
      return false;
  }
}

void TNastawy::Repeat() {
  ++repeats_;
  repeat_.setInterval(RepeatInterval(repeats_));
  const auto cell = CellAt(pressedAt_);
  if (!cell) return repeat_.stop();
  Step(SettingAt(*cell), PlusButton(cell->row, cell->column).contains(pressedAt_) ? +1 : -1);
}

void TNastawy::mouseReleaseEvent(QMouseEvent*) {
  repeat_.stop();
}

void TNastawy::mouseMoveEvent(QMouseEvent* event) {
  const auto cell = CellAt(event->position().toPoint());
  const int setting = cell ? SettingAt(*cell) : -1;
  if (setting == hovered_) return;
  hovered_ = setting;
  const int id = setting >= 0 ? HoverTextId(link_, setting) : 0;
  emit HintChanged(id ? Text(id) : QString());
}

void TNastawy::leaveEvent(QEvent*) {
  hovered_ = -1;
  emit HintChanged(QString());
}

void TNastawy::keyPressEvent(QKeyEvent* event) {
  if (!selected_) return QWidget::keyPressEvent(event);
  const int setting = SettingAt(*selected_);
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
      if (InputOf(link_, setting) == Input::Stepper)
        Step(setting, event->key() == Qt::Key_Right ? +1 : -1);
      break;
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (const auto to =
              MoveSelection(link_, layout_, *selected_, event->key() == Qt::Key_Down ? +1 : -1)) {
        selected_ = to;
        ScrollTo(to->row);
        update();
      } else {
        QApplication::beep();
      }
      break;
    default:
      QWidget::keyPressEvent(event);
      break;
  }
}

void TNastawy::ScrollTo(int row) {
  const QRect cell = CellRect(row, 0);
  if (cell.top() < 0) scroll_->setValue(scroll_->value() + cell.top());
  if (cell.bottom() >= height()) scroll_->setValue(scroll_->value() + cell.bottom() - height() + 1);
}

void TNastawy::wheelEvent(QWheelEvent* event) {
  if (!scroll_->isVisible()) return QWidget::wheelEvent(event);
  QCoreApplication::sendEvent(scroll_, event);
}

void TNastawy::resizeEvent(QResizeEvent*) {
  Relayout();
}

void TNastawy::showEvent(QShowEvent*) {
  Relayout();
}

void TNastawy::hideEvent(QHideEvent*) {
  HidePopups();
  emit HintChanged(QString());
}

void TNastawy::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), Colour(roles_.window));
  if (view_.viewLevel < 2 && view_.mode == EditorView::kMainPage) PaintFrames(p);
  for (int row = 0; row < layout_.Rows(); ++row)
    for (int column = 0; column < layout_.columns; ++column) {
      const int cell = layout_.Cell(row, column);
      if (element::SpansBothColumns(cell) && column == 1) continue;
      if (cell >= 0)
        PaintSetting(p, cell, {row, column});
      else
        PaintElement(p, cell, {row, column});
    }
}

// The basic and full pages group their settings in etched frames: a header opens one, the
// closing rows end it; every line twice, dark and then soft one pixel lower and to the right.
void TNastawy::PaintFrames(QPainter& p) {
  const int h = geometry_.rowHeight;
  const int half = width() / 2;
  struct Span {
    int left, right;
  };
  auto etched = [&](QLine line) {
    p.setPen(Colour(roles_.darkShade));
    p.drawLine(line);
    p.setPen(Colour(roles_.softShade));
    p.drawLine(line.translated(1, 1));
  };
  auto open = [&](Span s, int top) {
    const int mid = top + h / 2;
    etched(QLine(s.left, mid, s.right, mid));
    etched(QLine(s.left, mid, s.left, top + h));
    etched(QLine(s.right, mid, s.right, top + h));
  };
  auto sides = [&](Span s, int top, int bottom) {
    etched(QLine(s.left, top, s.left, bottom));
    etched(QLine(s.right, top, s.right, bottom));
  };
  auto close = [&](Span s, int top) {
    const int mid = top + h / 2;
    sides(s, top, mid);
    etched(QLine(s.left, mid, s.right, mid));
  };
  const Span both{2, width() - 4}, left{2, half - 4}, right{half + 2, width() - 4};
  bool openBoth = false, openColumns = false;
  for (int row = 0; row < layout_.Rows(); ++row) {
    const int top = row * h - ScrolledBy();
    const int cell = layout_.Cell(row, 0);
    if (cell == element::HeaderEngine || cell == element::HeaderOptions) {
      open(both, top);
      openBoth = true;
    } else if (element::IsHeader(cell)) {
      open(left, top);
      open(right, top);
      openColumns = true;
    } else if (cell == element::CloseFrame) {
      close(both, top);
      openBoth = false;
    } else if (cell == element::CloseFrames) {
      close(left, top);
      close(right, top);
      openColumns = false;
    } else {
      if (openBoth) sides(both, top, top + h);
      if (openColumns) sides(left, top, top + h), sides(right, top, top + h);
    }
  }
}

void TNastawy::PaintElement(QPainter& p, int element, const CellPosition& cell) {
  QRect area = CellRect(cell.row, cell.column);
  if (element::SpansBothColumns(element)) area.setWidth(width());
  if (element == element::NozzleIndicator) return PaintNozzleIndicator(p, area);
  if (element == element::Buttons) return PaintButtonRow(p, area);
  if (!element::IsHeader(element)) return;
  if (view_.viewLevel >= 2) {
    QPainterPath bar;
    bar.addRoundedRect(area.adjusted(2, 2, -2, -2), 5, 5);
    p.fillPath(bar, Colour(roles_.darkShade));
  }
  QFont bold = nameFont_;
  bold.setBold(true);
  p.setFont(bold);
  const QColor colour = element == element::HeaderToGas      ? QColor(0, 160, 0)
                        : element == element::HeaderToPetrol ? QColor(255, 0, 0)
                                                             : Colour(roles_.secondaryText);
  const QString text = " " + Text(HeaderTextId(element)) + " ";
  const QRect textRect = p.fontMetrics().boundingRect(text);
  const QRect behind(area.center().x() - textRect.width() / 2 - 2, area.top() + 2,
                     textRect.width() + 4, area.height() - 4);
  if (view_.viewLevel < 2) p.fillRect(behind, Colour(roles_.window));
  p.setPen(colour);
  texts_.Draw(p, area, Qt::AlignCenter, text);
  // The video-help button at the header's right end.
  const QRect video(area.right() - 6 - kVideoButton[0], area.center().y() - kVideoButton[1] / 2,
                    kVideoButton[0], kVideoButton[1]);
  QPainterPath button;
  button.addRoundedRect(video, 5, 5);
  p.fillPath(button, QColor(220, 0, 0));
  const QPolygon triangle({QPoint(video.left() + 9, video.top() + 4),
                           QPoint(video.left() + 9, video.bottom() - 3),
                           QPoint(video.right() - 8, video.center().y())});
  p.setBrush(Qt::white);
  p.setPen(Qt::NoPen);
  p.drawPolygon(triangle);
  p.setBrush(Qt::NoBrush);
}

void TNastawy::PaintSetting(QPainter& p, int setting, const CellPosition& cell) {
  const QRect area = CellRect(cell.row, cell.column);
  const bool visible = IsVisible(link_, setting);
  const bool selected = selected_ && selected_->row == cell.row &&
                        selected_->column == cell.column && hasFocus() && !list_->isVisible();
  p.setFont(nameFont_);
  p.setPen(visible && Highlighted(setting, indicator_) ? Colour(roles_.tick)
                                                       : Colour(roles_.dimText));
  const QRect name(area.left() + geometry_.nameLeft, area.top(),
                   geometry_.valueLeft - geometry_.nameLeft - kHelpAreaWidth - 2, area.height());
  DrawCaption(p, name, Qt::AlignLeft | Qt::AlignVCenter, NameOf(setting));
  if (HelpFor(link_, view_, setting) != HelpTarget::None) {
    const QRect help = HelpArea(cell.row, cell.column).adjusted(1, 3, -1, -3);
    p.setPen(Colour(roles_.secondaryText));
    p.drawEllipse(help);
    texts_.Draw(p, help, Qt::AlignCenter, QStringLiteral("?"));
  }

  const QRect field = ValueField(cell.row, cell.column);
  QColor background = Colour(colours_.valueBackground);
  QColor text = Colour(OutsideNorm(link_, setting) ? colours_.outsideNorm : colours_.valueText);
  if (WarningBackground(link_, setting)) background = Colour(colours_.warningBackground);
  if (selected)
    background = Colour(colours_.selectedBackground), text = Colour(colours_.selectedText);
  if (!visible) background = Colour(colours_.hiddenBackground), text = Colour(colours_.hiddenText);
  p.drawPixmap(field.topLeft() - QPoint(1, 1), FieldStamp(field.size(), background));

  QRect room = field.adjusted(4, 0, -4, 0);
  if (InputOf(link_, setting) == Input::Stepper) {
    room = field.adjusted(geometry_.buttonSize + 2, 0, -geometry_.buttonSize - 2, 0);
    p.setPen(text);
    p.setFont(valueFont_);
    texts_.Draw(p, MinusButton(cell.row, cell.column), Qt::AlignCenter, QStringLiteral("-"));
    texts_.Draw(p, PlusButton(cell.row, cell.column), Qt::AlignCenter, QStringLiteral("+"));
  }
  p.setPen(text);
  const QString unit = Q(link_.UnitText(setting));
  DrawValue(p, room, Qt::AlignHCenter | Qt::AlignVCenter, Q(ValueText(link_, setting)),
            unit.isEmpty() ? unit : " " + unit, {valueBold_, unitFont_, kSmallestFont});
}

// The value fields are all alike: each background is drawn once and then stamped, as the
// antialiased rounded outlines would otherwise be a third of a full repaint. The stamp has a
// pixel of margin for the outline's outer half.
const QPixmap& TNastawy::FieldStamp(QSize size, const QColor& background) {
  if (size != stampSize_) {
    fieldStamps_.clear();
    stampSize_ = size;
  }
  if (const auto found = fieldStamps_.constFind(background.rgba()); found != fieldStamps_.cend())
    return *found;
  const qreal ratio = devicePixelRatioF();
  QPixmap stamp((size + QSize(2, 2)) * ratio);
  stamp.setDevicePixelRatio(ratio);
  stamp.fill(Qt::transparent);
  QPainter p(&stamp);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath outline;
  outline.addRoundedRect(QRect(QPoint(1, 1), size), 5, 5);
  p.fillPath(outline, background);
  p.setPen(Colour(roles_.checkFrame));
  p.drawPath(outline);
  return *fieldStamps_.insert(background.rgba(), stamp);
}

// Six parts from red (too large a nozzle) over green to red (too small), and the marker where
// the idle correction stands.
void TNastawy::PaintNozzleIndicator(QPainter& p, const QRect& area) {
  static const QColor kParts[6] = {Qt::red,           Qt::yellow, QColor(0, 160, 0),
                                   QColor(0, 160, 0), Qt::yellow, Qt::red};
  const QRect bar = area.adjusted(geometry_.nameLeft, area.height() / 2, -7, -2);
  for (int i = 0; i < 6; ++i)
    p.fillRect(
        QRect(bar.left() + i * bar.width() / 6, bar.top(), bar.width() / 6 + 1, bar.height()),
        kParts[i]);
  const int x = bar.left() + static_cast<int>(NozzleMarker(link_.Nastawy()[90]) * bar.width());
  p.fillRect(QRect(x - 1, bar.top() - 2, 3, bar.height() + 4), Qt::black);
  p.setPen(QColor(211, 211, 211));
  p.drawLine(x, bar.top() - 2, x, bar.bottom() + 2);
  QFont small = nameFont_;
  small.setPointSize(std::max(7, nameFont_.pointSize() - 2));
  p.setFont(small);
  p.setPen(Colour(roles_.dimText));
  // The ends' captions keep to their thirds at most and the title takes what lies between
  // them, so that the three never print over each other.
  const QRect labels(bar.left(), area.top(), bar.width(), area.height() / 2);
  const int gap = 4;
  const auto endWidth = [&](int id) {
    return std::min(p.fontMetrics().horizontalAdvance(Text(id)), labels.width() / 3 - gap);
  };
  const QRect tooLarge(labels.left(), labels.top(), endWidth(1285), labels.height());
  const int smallWidth = endWidth(1286);
  const QRect tooSmall(labels.right() + 1 - smallWidth, labels.top(), smallWidth, labels.height());
  const QRect title(QPoint(tooLarge.right() + 1 + gap, labels.top()),
                    QPoint(tooSmall.left() - 1 - gap, labels.bottom()));
  DrawCaption(p, tooLarge, Qt::AlignLeft | Qt::AlignVCenter, Text(1285));
  DrawCaption(p, title, Qt::AlignHCenter | Qt::AlignVCenter, Text(1284));
  DrawCaption(p, tooSmall, Qt::AlignRight | Qt::AlignVCenter, Text(1286));
}

void TNastawy::PaintButtonRow(QPainter& p, const QRect& area) {
  const QRect halves[2] = {area.adjusted(4, 2, -area.width() / 2 - 2, -2),
                           area.adjusted(area.width() / 2 + 2, 2, -4, -2)};
  const int ids[2] = {1282, 1283};
  p.setFont(nameFont_);
  for (int i = 0; i < 2; ++i) {
    QPainterPath button;
    button.addRoundedRect(halves[i], 5, 5);
    p.fillPath(button, Colour(roles_.light));
    p.setPen(Colour(roles_.checkFrame));
    p.drawPath(button);
    p.setPen(Colour(roles_.secondaryText));
    texts_.Draw(p, halves[i], Qt::AlignCenter, Text(ids[i]));
  }
}
