#pragma once

#include <QString>
#include <span>

class QFontMetrics;
class QToolButton;

// A caption broken into lines at its blanks so that each line fits `width`.
QString Wrapped(const QString& text, const QFontMetrics& metrics, int width);

// The buttons of a tab row share one font: the largest from `largest` down to 7 at which every
// shown caption fits its button, else 6. A row high enough for two lines (`twoLines`) breaks
// the captions that still do not fit at 7 points instead.
void FitRowFont(std::span<QToolButton* const> buttons, int width, int largest, bool twoLines);
