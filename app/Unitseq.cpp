#include "app/Unitseq.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include "app/QtColours.h"
#include "controller/Tsterownik.h"
#include "lang/Langtext.h"
#include "settings/SetValue.h"
#include "settings/SettingTexts.h"

namespace {

constexpr int kWidth = 470, kHeight = 586;
constexpr int kCell = 28;
constexpr QPoint kMatrix{58, 44};  // the matrix's top left corner (its header cell)
constexpr int kBelowGap = 10;
constexpr int kBankGap = 30;
constexpr int kListsTop = 368;
constexpr int kListRow = 28;
constexpr int kOrderTop = 488;
constexpr std::array<int, 4> kListSettings = {8, 56, 9, 135};
constexpr int kPetrolOnly = 31;
constexpr int kRotation = 135;

const QColor kExpected(0xE1, 0xE1, 0xE1);
const QColor kShaded(0xC0, 0xC0, 0xC0);
const QColor kCross(0xB4, 0x00, 0x00);

}  // namespace

TFormSeq::TFormSeq(TSterownik& link, QWidget* parent) : QDialog(parent), link_(link) {
  setFixedSize(kWidth, kHeight);
  setModal(true);
  QFont bold = font();
  bold.setBold(true);
  setFont(bold);
  BuildLists();
  BuildOrderTable();
  belowLabel_ = new QLabel(this);
}

void TFormSeq::BuildLists() {
  for (size_t i = 0; i < kListSettings.size(); ++i) {
    const int setting = kListSettings[i];
    const int y = kListsTop + static_cast<int>(i) * kListRow;
    auto* label = new QLabel(this);
    label->setGeometry(20, y, 230, 24);
    auto* list = new QComboBox(this);
    list->setGeometry(250, y, 200, 24);
    connect(list, &QComboBox::currentIndexChanged, this,
            [this, setting](int index) { ListChosen(setting, index); });
    listLabels_[setting] = label;
    lists_[setting] = list;
  }
}

void TFormSeq::BuildOrderTable() {
  orderTitle_ = new QLabel(this);
  orderTitle_->setGeometry(20, kOrderTop, 130, 24);
  detection_ = new QLabel(this);
  detection_->setGeometry(150, kOrderTop, 300, 24);
  for (int c = 1; c <= 8; ++c) {
    const QRect box(20 + (c - 1) * (kCell + 4), kOrderTop + 30, kCell, 24);
    auto* number = new QLabel(QString::number(c), this);
    number->setGeometry(box);
    number->setAlignment(Qt::AlignCenter);
    auto* edit = new QLineEdit(this);
    edit->setGeometry(box.translated(0, 28));
    edit->setAlignment(Qt::AlignCenter);
    edit->setMaxLength(2);
    connect(edit, &QLineEdit::textEdited, this, [this, c](const QString& text) { Typed(c, text); });
    orderChannels_[static_cast<size_t>(c - 1)] = number;
    order_[static_cast<size_t>(c - 1)] = edit;
  }
}

bool TFormSeq::Prepare(const EditorView& view) {
  if (!sequence::Applies(link_)) return false;
  view_ = view;
  channels_ = link_.IleWtryskiwaczy();
  setWindowTitle(Q("MALVER - " + LangText(1375)));
  for (int setting : kListSettings)
    listLabels_[setting]->setText(
        Q(LangText(static_cast<int>(link_.ListaNastaw()[setting].nazwa))));
  belowLabel_->setText(Q(LangText(static_cast<int>(link_.ListaNastaw()[kPetrolOnly].nazwa))));
  belowLabel_->setGeometry(BelowRect(1).left(), BelowRect(1).bottom() + 4, 400, 20);
  orderTitle_->setText(Q(LangText(4710) + ":"));
  detection_->clear();
  const bool rotation = sequence::HasRotation(link_);
  lists_[kRotation]->setVisible(rotation);
  listLabels_[kRotation]->setVisible(rotation);
  const bool order = sequence::HasOrderTable(link_);
  orderTitle_->setVisible(order);
  detection_->setVisible(order);
  for (int c = 1; c <= 8; ++c) {
    orderChannels_[static_cast<size_t>(c - 1)]->setVisible(order && c <= channels_);
    order_[static_cast<size_t>(c - 1)]->setVisible(order && c <= channels_);
  }
  Refresh();
  return true;
}

void TFormSeq::FillList(int setting) {
  QComboBox* list = lists_[setting];
  const std::vector<std::string> items =
      setting == kRotation ? sequence::RotationItems(link_) : OptionTexts(link_, setting);
  // The rotation list is rebuilt only when its count changes, as it would lose the choice.
  if (setting != kRotation || list->count() != static_cast<int>(items.size())) {
    list->clear();
    for (const std::string& item : items)
      list->addItem(Q(item));
  }
  list->setCurrentIndex(link_.Nastawy()[setting] - link_.ListaNastaw()[setting].min);
}

void TFormSeq::Refresh() {
  filling_ = true;
  for (int setting : kListSettings)
    FillList(setting);
  filling_ = false;
  const bool valid = sequence::CheckOrder(link_).valid;
  for (int c = 1; c <= channels_; ++c) {
    QLineEdit* edit = orderEdit(c);
    if (!edit->hasFocus()) edit->setText(Q(sequence::PositionText(link_, c)));
    edit->setEnabled(!sequence::OnPetrolOnly(link_, c));
    QPalette p = edit->palette();
    p.setColor(QPalette::Text, valid ? Qt::black : Qt::red);
    edit->setPalette(p);
  }
  update();
}

void TFormSeq::ListChosen(int setting, int index) {
  if (filling_ || index < 0) return;
  if (setting == kRotation)
    sequence::Rotate(link_, view_, index);
  else
    SetValue(link_, view_, setting, index + link_.ListaNastaw()[setting].min, 1);
  ChangedHere();
}

void TFormSeq::Typed(int channel, const QString& text) {
  sequence::TypePosition(link_, view_, channel, text.trimmed().toStdString());
  ChangedHere();
  // The next key replaces the position rather than adding a digit to it.
  orderEdit(channel)->setText(Q(sequence::PositionText(link_, channel)));
  orderEdit(channel)->selectAll();
}

void TFormSeq::ChangedHere() {
  Refresh();
  emit Changed();
}

void TFormSeq::StatusFrame(const DecodedStatus& status) {
  const auto shown = detector_.Frame(link_, status);
  if (!shown || !detection_->isVisible()) return;
  detection_->setText(Q(shown->text));
  QPalette p = detection_->palette();
  p.setColor(QPalette::WindowText, shown->valid ? Qt::black : Qt::red);
  detection_->setPalette(p);
}

QRect TFormSeq::CellRect(int row, int channel) const {
  return {kMatrix.x() + channel * kCell, kMatrix.y() + row * kCell, kCell, kCell};
}

QRect TFormSeq::BelowRect(int channel) const {
  return CellRect(channels_ + 1, channel).translated(0, kBelowGap);
}

QRect TFormSeq::BankRect(int channel, int bank) const {
  const int left = CellRect(0, channels_ + 1).left() + kBankGap;
  return {left + bank * kCell, kMatrix.y() + channel * kCell, kCell, kCell};
}

void TFormSeq::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().window());
  PaintMatrix(p);
  PaintBelow(p);
  if (link_.DwaBanki()) PaintBanks(p);
}

void TFormSeq::PaintMatrix(QPainter& p) {
  const QRect whole = CellRect(0, 0).united(CellRect(channels_, channels_));
  p.drawText(QRect(kMatrix.x(), 8, whole.width(), kMatrix.y() - 12), Qt::AlignCenter,
             Q(LangText(1249)));
  p.save();
  p.translate(kMatrix.x() - 10, whole.center().y());
  p.rotate(-90);
  p.drawText(QRect(-whole.height() / 2, -24, whole.height(), 24), Qt::AlignCenter,
             Q(LangText(1244)));
  p.restore();
  for (int i = 1; i <= channels_; ++i) {
    if (sequence::OnPetrolOnly(link_, i)) p.fillRect(CellRect(0, i), kShaded);
    if (sequence::InputUnused(link_, i)) p.fillRect(CellRect(i, 0), kShaded);
    p.drawText(CellRect(0, i), Qt::AlignCenter, QString::number(i));
    p.drawText(CellRect(i, 0), Qt::AlignCenter, QString::number(i));
    for (int c = 1; c <= channels_; ++c) {
      const QRect cell = CellRect(i, c);
      if (sequence::Expected(link_, i, c)) p.fillRect(cell, kExpected);
      if (sequence::Assigned(link_, i, c)) p.fillRect(cell.adjusted(3, 3, -3, -3), Qt::black);
    }
  }
  p.setPen(Qt::gray);
  for (int i = 0; i <= channels_ + 1; ++i) {
    p.drawLine(whole.left(), whole.top() + i * kCell, whole.right(), whole.top() + i * kCell);
    p.drawLine(whole.left() + i * kCell, whole.top(), whole.left() + i * kCell, whole.bottom());
  }
  p.setPen(Qt::black);
}

void TFormSeq::PaintBelow(QPainter& p) {
  for (int c = 1; c <= channels_; ++c) {
    const QRect cell = BelowRect(c);
    p.setPen(Qt::gray);
    p.drawRect(cell.adjusted(0, 0, -1, -1));
    if (!sequence::OnPetrolOnly(link_, c)) continue;
    p.setPen(QPen(kCross, 3));
    p.drawLine(cell.topLeft() + QPoint(6, 6), cell.bottomRight() - QPoint(6, 6));
    p.drawLine(cell.topRight() + QPoint(-6, 6), cell.bottomLeft() + QPoint(6, -6));
  }
  p.setPen(Qt::black);
}

void TFormSeq::PaintBanks(QPainter& p) {
  const QRect title = BankRect(0, 0).united(BankRect(0, 2));
  p.drawText(title, Qt::AlignCenter, Q(LangText(1720)));
  for (int c = 1; c <= channels_; ++c) {
    p.drawText(BankRect(c, 0), Qt::AlignCenter, QString::number(c));
    for (int bank = 1; bank <= 2; ++bank) {
      const QRect cell = BankRect(c, bank);
      if (sequence::InBank2(link_, c) == (bank == 2))
        p.fillRect(cell.adjusted(3, 3, -3, -3), Qt::black);
      p.setPen(Qt::gray);
      p.drawRect(cell.adjusted(0, 0, -1, -1));
      p.setPen(Qt::black);
    }
  }
  for (int bank = 1; bank <= 2; ++bank)
    p.drawText(BankRect(channels_ + 1, bank).translated(0, kBelowGap), Qt::AlignCenter,
               QString::number(bank));
}

void TFormSeq::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  for (int c = 1; c <= channels_; ++c) {
    for (int r = 1; r <= channels_; ++r) {
      if (!CellRect(r, c).contains(at)) continue;
      sequence::ClickCell(link_, view_, r, c);
      return ChangedHere();
    }
    if (BelowRect(c).contains(at)) {
      sequence::ClickBelow(link_, view_, c);
      return ChangedHere();
    }
    for (int bank = 1; bank <= 2 && link_.DwaBanki(); ++bank) {
      if (!BankRect(c, bank).contains(at)) continue;
      sequence::SetBank(link_, view_, c, bank);
      return ChangedHere();
    }
  }
  Refresh();  // the order is checked again on any click
}
