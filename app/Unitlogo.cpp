#include "app/Unitlogo.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/Pictures.h"

TFormLogo::TFormLogo(QWidget* parent) : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog) {
  setFixedSize(708, 490);
  auto* picture = new QLabel(this);
  picture->setPixmap(QPixmap::fromImage(SplashPicture()));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(picture);
}
