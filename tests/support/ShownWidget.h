#pragma once

#include <QString>
#include <QTest>
#include <QWidget>

// A widget of a window test: brought to the front so that it takes the keys, and saved as a
// screenshot into the build folder for a developer to look at.
inline bool Activate(QWidget& widget) {
  widget.activateWindow();
  return QTest::qWaitForWindowActive(&widget);
}

inline bool SaveScreenshot(QWidget& widget, const char* name) {
  return widget.grab().save(QStringLiteral(SCREENSHOT_FOLDER "/") + name);
}
