#pragma once

#include <QDialog>
#include <QTimer>
#include <string>
#include <vector>

#include "app/PanelColours.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class TSterownik;
class UiServices;

// What the device window draws: section headers across it, rows of a label and a value box,
// and tiles with the label above the value.
struct DeviceItem {
  enum class Kind { Section, Row, Tile, Text };
  Kind kind = Kind::Row;
  QRect box;  // the value box, or the whole section, tile or text
  QString label;
  QString value;
  bool active = true;                     // the value in the active colour, else the inactive one
  int points = 9;                         // the text's size
  Qt::Alignment align = Qt::AlignCenter;  // of a text in its box
};

// The device window: device information, service, firmware update and password entry, one
// modal window in four modes over the controller link.
class TForm3 : public QDialog {
  Q_OBJECT

 public:
  enum Mode { kDeviceInfo = 1, kService = 2, kFirmware = 3, kPassword = 4 };

  TForm3(TSterownik& link, UiServices& ui, std::string firmwareFolder, QWidget* parent);
  ~TForm3() override;

  // Sets the mode and the title and lays the window out; the caller then shows it modally.
  void Prepare(Mode mode, const QString& title);
  void SetColours(const PanelColours& colours);
  // Draws the window again from the link's image.
  void Redraw();
  Mode mode() const { return mode_; }
  const std::vector<DeviceItem>& Items() const { return items_; }
  // The text of the first drawn item with this label, for tests and the log.
  QString ValueOf(const QString& label) const;

  // Service mode.
  QTableWidget* history() const { return history_; }
  QComboBox* interval() const { return interval_; }
  QCheckBox* reminder() const { return reminder_; }
  QCheckBox* gasBlock() const { return gasBlock_; }
  QCheckBox* passwordBox() const { return passwordBox_; }
  QPlainTextEdit* description() const { return description_; }
  QPushButton* eraseButton() const { return erase_; }
  // Firmware mode.
  QTableWidget* firmwareList() const { return firmwareList_; }
  QPushButton* uploadButton() const { return upload_; }
  // Tests fire it at once rather than wait its 5 seconds.
  QTimer& uploadWatchdog() { return watchdog_; }
  // The link's progress of an upload, 0..100; -1 closes the window.
  void Progress(int percent);
  // Password mode.
  QLineEdit* passwordField() const { return passwordField_; }
  QPushButton* passwordButton() const { return savePassword_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* closeButton() const { return close_; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void keyPressEvent(QKeyEvent* event) override;
  void done(int result) override;

 private:
  void BuildControls();
  void BuildServiceControls();
  void BuildFirmwareControls();
  void ShowPassword();
  void CancelUpload();
  void HideControls();
  int HeightOf(Mode mode) const;
  void AddSection(int y, const QString& text);
  void AddRow(int y, const QString& label, const QString& value, int valueX, bool active = true);
  void AddTile(const QRect& box, const QString& label, const QString& value);
  void AddText(const QRect& box, const QString& text, int points,
               Qt::Alignment align = Qt::AlignCenter);

  void DeviceInfoItems();
  void ServiceItems();
  void ShowService();
  void ShowCloseBox(bool shown);
  void FillHistory();
  void SetBoxesFromController();
  void IntervalChosen(int item);
  void ApplyReminderBoxes();
  void PasswordClicked();
  void DescriptionEdited();
  void EraseCounter();
  void FirmwareItems();
  void ShowFirmware();
  void FillFirmwareList();
  void UploadFirmware();
  void UploadWatchdog();
  void PasswordItems();
  void SavePassword();

  TSterownik& link_;
  UiServices& ui_;
  std::string firmwareFolder_;
  Mode mode_ = kDeviceInfo;
  PanelColours colours_{};
  std::vector<DeviceItem> items_;
  bool descriptionChanged_ = false;
  bool uploading_ = false;
  int progress_ = 0;

  QPushButton* ok_;
  QPushButton* close_;
  QTableWidget* history_;
  QComboBox* interval_;
  QCheckBox* reminder_;
  QCheckBox* gasBlock_;
  QCheckBox* passwordBox_;
  QPlainTextEdit* description_;
  QPushButton* erase_;
  QTableWidget* firmwareList_;
  QPushButton* upload_;
  QProgressBar* progressBar_;
  QLineEdit* passwordField_;
  QLabel* passwordLabel_;
  QPushButton* savePassword_;
  QTimer firstDrawing_;   // timer 1: the first drawing after showing
  QTimer redraw_;         // timer 2: redraws once the link has read what it was asked
  QTimer watchdog_;       // timer 3: an upload that stops acknowledging
  QTimer reminderDelay_;  // timer 4: the reminder boxes settle before they are written
};
