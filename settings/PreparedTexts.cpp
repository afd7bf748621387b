#include "settings/PreparedTexts.h"

#include <QPainter>

namespace {

// Values come and go as settings are stepped; past this many the cache starts again.
constexpr qsizetype kMostTexts = 2048;

}  // namespace

const QStaticText& PreparedTexts::Get(const QFont& font, const QString& text) {
  const QString key = font.key() + QChar(0x1F) + text;
  if (const auto found = texts_.constFind(key); found != texts_.cend()) return *found;
  if (texts_.size() >= kMostTexts) texts_.clear();
  QStaticText prepared(text);
  prepared.setTextFormat(Qt::PlainText);
  prepared.setPerformanceHint(QStaticText::AggressiveCaching);
  prepared.prepare(QTransform(), font);
  return *texts_.insert(key, prepared);
}

void PreparedTexts::Draw(QPainter& p, const QRect& area, int alignment, const QString& text) {
  const QStaticText& prepared = Get(p.font(), text);
  const QSizeF size = prepared.size();
  qreal x = area.left();
  if (alignment & Qt::AlignHCenter) x += (area.width() - size.width()) / 2;
  if (alignment & Qt::AlignRight) x = area.left() + area.width() - size.width();
  qreal y = area.top();
  if (alignment & Qt::AlignVCenter) y += (area.height() - size.height()) / 2;
  // Whole pixels keep the glyphs as sharp as QPainter::drawText draws them.
  p.drawStaticText(QPoint(qRound(x), qRound(y)), prepared);
}
