#include "app/CaptionFit.h"

#include <QFontMetrics>
#include <QStringList>
#include <QToolButton>

QString Wrapped(const QString& text, const QFontMetrics& metrics, int width) {
  QString wrapped;
  QString line;
  for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
    if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
      wrapped += line + QLatin1Char('\n');
      line = word;
    } else {
      line = longer;
    }
  }
  return wrapped + line;
}

namespace {

// A caption broken into lines keeps its own text beside them, for the next fitting.
const char* const kCaption = "caption";

QString CaptionOf(const QToolButton* b) {
  return b->text().contains('\n') ? b->property(kCaption).toString() : b->text();
}

}  // namespace

void FitRowFont(std::span<QToolButton* const> buttons, int width, int largest, bool twoLines) {
  QFont font = buttons.front()->font();
  int fitting = 0;
  for (int size = largest; size >= 7 && fitting == 0; --size) {
    font.setPointSize(size);
    const QFontMetrics metrics(font);
    bool all = true;
    for (const QToolButton* b : buttons)
      all &= b->isHidden() || metrics.horizontalAdvance(CaptionOf(b)) < width - 2;
    if (all) fitting = size;
  }
  const bool wrap = fitting == 0 && twoLines;
  font.setPointSize(fitting != 0 ? fitting : wrap ? 7 : 6);
  const QFontMetrics metrics(font);
  for (QToolButton* b : buttons) {
    const QString caption = CaptionOf(b);
    b->setProperty(kCaption, caption);
    b->setFont(font);
    b->setText(wrap && metrics.horizontalAdvance(caption) >= width - 2
                   ? Wrapped(caption, metrics, width - 2)
                   : caption);
  }
}
