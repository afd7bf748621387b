#include "app/QtUiServices.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::Icon IconOf(int flags) {
  switch (flags & 0xF0) {
    case mb::kIconStop:
      return QMessageBox::Critical;
    case mb::kIconQuestion:
      return QMessageBox::Question;
    case mb::kIconExclamation:
      return QMessageBox::Warning;
    case mb::kIconInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

}  // namespace

int QtUiServices::MessageBox(const std::string& text, int flags) {
  const bool yesNo = (flags & 0x0F) == mb::kYesNo;
  QMessageBox box(IconOf(flags), QStringLiteral("MALVER"), QString::fromStdString(text),
                  yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok, parent_);
  const int answer = box.exec();
  if (!yesNo) return mb::kIdOk;
  return answer == QMessageBox::Yes ? mb::kIdYes : mb::kIdNo;
}

void QtUiServices::ProcessEvents() {
  QApplication::processEvents();
}
