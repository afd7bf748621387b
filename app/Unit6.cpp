#include "app/Unit6.h"

#include <QCloseEvent>
#include <QVBoxLayout>

TForm6::TForm6(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint) {
  setWindowTitle(QStringLiteral("MALVER"));
  setMinimumSize(300, 200);
  resize(800, 500);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
}

void TForm6::Hold(QWidget* content) {
  layout()->addWidget(content);
  content->show();
}

void TForm6::closeEvent(QCloseEvent* event) {
  event->accept();
  emit Closed();
}
