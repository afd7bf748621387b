#include "app/QtUiServices.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QStringList>
#include <QUrl>

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

// Qt reads a filter's patterns from the parentheses of its caption; a caption that does not
// show them gets them added.
QString NameFilter(const FileFilter& filter) {
  const QString caption = QString::fromStdString(filter.caption);
  const QString pattern = QString::fromStdString(filter.pattern);
  if (caption.contains("(" + pattern + ")")) return caption;
  return caption + " (" + pattern + ")";
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

void QtUiServices::StartProgram(const std::string& name) {
  QProcess::startDetached(QString::fromStdString(name), {});
}

void QtUiServices::OpenAddress(const std::string& address) {
  const QString text = QString::fromStdString(address);
  QDesktopServices::openUrl(text.startsWith('/') ? QUrl::fromLocalFile(text) : QUrl(text));
}

std::string QtUiServices::OpenFileDialog(const FileDialogRequest& request) {
  return FileDialog(request, false);
}

std::string QtUiServices::SaveFileDialog(const FileDialogRequest& request) {
  return FileDialog(request, true);
}

std::string QtUiServices::FileDialog(const FileDialogRequest& request, bool save) {
  QFileDialog dialog(parent_, QString::fromStdString(request.title),
                     QString::fromStdString(request.folder));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  QStringList filters;
  for (const FileFilter& filter : request.filters)
    filters << NameFilter(filter);
  dialog.setNameFilters(filters);
  if (!filters.isEmpty()) dialog.selectNameFilter(filters.front());
  dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front().toStdString();
}
