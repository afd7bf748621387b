#pragma once

#include <QWidget>

class QPlainTextEdit;

// The administrator's transmission log: coloured lines of both links, scrolled to the end;
// a double click clears it.
class TFormAdmin : public QWidget {
  Q_OBJECT

 public:
  explicit TFormAdmin(QWidget* parent = nullptr);
  void AddLine(const QString& text, const QColor& colour);
  void Clear();
  QString Text() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPlainTextEdit* log_;
};
