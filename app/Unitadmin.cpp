#include "app/Unitadmin.h"

#include <QEvent>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCharFormat>
#include <QVBoxLayout>

TFormAdmin::TFormAdmin(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
  setWindowTitle(QStringLiteral("MALVER"));
  resize(640, 360);
  log_ = new QPlainTextEdit(this);
  log_->setReadOnly(true);
  log_->setLineWrapMode(QPlainTextEdit::NoWrap);
  log_->setMaximumBlockCount(20000);
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPixelSize(11);
  log_->setFont(font);
  log_->viewport()->installEventFilter(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(log_);
}

void TFormAdmin::Clear() {
  log_->clear();
}

void TFormAdmin::AddLine(const QString& text, const QColor& colour) {
  QTextCharFormat format;
  format.setForeground(colour);
  QTextCursor cursor(log_->document());
  cursor.movePosition(QTextCursor::End);
  if (!log_->document()->isEmpty()) cursor.insertBlock();
  cursor.insertText(text, format);
  log_->verticalScrollBar()->setValue(log_->verticalScrollBar()->maximum());
}

QString TFormAdmin::Text() const {
  return log_->toPlainText();
}

bool TFormAdmin::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    log_->clear();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}
