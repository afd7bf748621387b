#include "app/ScopeToolPanel.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

#include "app/QtColours.h"
#include "lang/Langtext.h"

namespace {

constexpr int kSide = 28;
constexpr int kPerRow = 6;

struct ToolSpec {
  int tag;
  int hintId;  // 0: the picture says it all
};
constexpr ToolSpec kTools[] = {{1, 1261}, {2, 1262}, {3, 1263}, {4, 1106}, {5, 1105},
                               {6, 1259}, {7, 1107}, {10, 0},   {11, 0},   {12, 0},
                               {20, 0},   {21, 0},   {22, 0}};

// The button's picture, drawn so that no image file is needed.
QIcon Picture(int tag) {
  QPixmap pixmap(20, 20);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 1.5));
  switch (tag) {
    case 1:
      p.setBrush(QColor(0, 150, 0));
      p.drawPolygon(QPolygon({{5, 3}, {16, 10}, {5, 17}}));
      break;
    case 2:
      p.setBrush(QColor(60, 60, 200));
      p.drawRect(4, 3, 4, 14);
      p.drawRect(12, 3, 4, 14);
      break;
    case 3:
      p.setBrush(QColor(200, 0, 0));
      p.drawRect(4, 4, 12, 12);
      break;
    case 4:
      p.setBrush(QColor(220, 0, 0));
      p.drawEllipse(4, 4, 12, 12);
      break;
    case 5: {
      p.setBrush(QColor(230, 190, 60));
      p.drawPolygon(QPolygon({{2, 5}, {8, 5}, {10, 7}, {18, 7}, {18, 16}, {2, 16}}));
      break;
    }
    case 6:
      p.setPen(QPen(QColor(200, 0, 0), 2.5));
      p.drawLine(4, 4, 16, 16);
      p.drawLine(16, 4, 4, 16);
      break;
    case 7:
      p.setFont(QFont(QStringLiteral("Sans"), 6, QFont::Bold));
      p.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("CSV"));
      break;
    case 10:
    case 11:
    case 12: {
      const int lines = tag == 10 ? 1 : tag == 11 ? 3 : 5;
      for (int i = 0; i < lines; ++i) {
        const int y = 10 + (i - lines / 2) * 3;
        p.drawLine(3, y, 17, y);
      }
      break;
    }
    case 20:
    case 21:
      p.drawEllipse(3, 3, 10, 10);
      p.drawLine(12, 12, 17, 17);
      p.drawLine(5, 8, 11, 8);
      if (tag == 21) p.drawLine(8, 5, 8, 11);
      break;
    case 22:
      p.setBrush(Qt::white);
      p.drawRect(2, 4, 16, 13);
      p.fillRect(3, 5, 15, 3, QColor(60, 60, 200));
      break;
    default:
      break;
  }
  return QIcon(pixmap);
}

}  // namespace

ScopeToolPanel::ScopeToolPanel(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(2, 2, 2, 2);
  grid->setSpacing(1);
  auto* tools = new QButtonGroup(this);
  auto* layouts = new QButtonGroup(this);
  for (size_t i = 0; i < std::size(kTools); ++i) {
    const int tag = kTools[i].tag;
    auto* b = new QToolButton(this);
    b->setFixedSize(kSide, kSide);
    b->setIcon(Picture(tag));
    b->setAutoRaise(true);
    b->setObjectName(QStringLiteral("SpeedButton%1").arg(tag));
    const bool radio = tag <= 3 || tag == 5;
    b->setCheckable(radio || tag == 4 || (tag >= 10 && tag <= 12) || tag == 22);
    if (radio) tools->addButton(b);
    if (tag >= 10 && tag <= 12) layouts->addButton(b);
    connect(b, &QToolButton::clicked, this, [this, tag] { emit ToolChosen(tag); });
    grid->addWidget(b, static_cast<int>(i) / kPerRow, static_cast<int>(i) % kPerRow);
    buttons_[i] = {tag, b};
  }
  Button(1)->setChecked(true);
  Button(12)->setChecked(true);
}

void ScopeToolPanel::ApplyTexts() {
  for (size_t i = 0; i < std::size(kTools); ++i)
    if (kTools[i].hintId) buttons_[i].button->setToolTip(Q(LangText(kTools[i].hintId)));
}

QToolButton* ScopeToolPanel::Button(int tag) const {
  for (const Entry& e : buttons_)
    if (e.tag == tag) return e.button;
  return nullptr;
}

void ScopeToolPanel::ShowPressed(int tag, bool pressed) {
  if (QToolButton* b = Button(tag)) b->setChecked(pressed);
}
