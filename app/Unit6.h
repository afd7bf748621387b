#pragma once

#include <QWidget>

// The detached scope's own window: empty until the scope is moved into it; closing it takes
// the scope back to the main window.
class TForm6 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm6(QWidget* parent);
  void Hold(QWidget* content);

 signals:
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
};
