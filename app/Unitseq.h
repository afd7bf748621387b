#pragma once

#include <QDialog>
#include <array>
#include <map>

#include "settings/EditorView.h"
#include "settings/SequenceRules.h"

class QComboBox;
class QLabel;
class QLineEdit;
class TSterownik;
struct DecodedStatus;

// The injector sequence window: which petrol input drives which gas channel, the banks, the
// petrol injection lists and the injection order. It draws and forwards clicks; the rules are
// the core's (settings/SequenceRules).
class TFormSeq : public QDialog {
  Q_OBJECT

 public:
  TFormSeq(TSterownik& link, QWidget* parent);

  // Lays the window out for the controller as it stands; false when it does not apply.
  bool Prepare(const EditorView& view);
  // A status frame while the window is open: the detected firing order.
  void StatusFrame(const DecodedStatus& status);

  // Where things are drawn, rows and channels counted from 1; for tests.
  QRect CellRect(int row, int channel) const;
  QRect BelowRect(int channel) const;
  QRect BankRect(int channel, int bank) const;
  QComboBox* list(int setting) const { return lists_.at(setting); }
  QLineEdit* orderEdit(int channel) const { return order_[static_cast<size_t>(channel - 1)]; }
  QLabel* detection() const { return detection_; }

 signals:
  void Changed();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void BuildLists();
  void BuildOrderTable();
  void Refresh();
  void FillList(int setting);
  void ListChosen(int setting, int index);
  void Typed(int channel, const QString& text);
  void ChangedHere();
  void PaintMatrix(QPainter& p);
  void PaintBelow(QPainter& p);
  void PaintBanks(QPainter& p);

  TSterownik& link_;
  EditorView view_;
  sequence::DetectionDisplay detector_;
  int channels_ = 0;
  bool filling_ = false;  // the lists are being filled, not chosen from
  std::map<int, QComboBox*> lists_;
  std::map<int, QLabel*> listLabels_;
  QLabel* belowLabel_ = nullptr;
  QLabel* orderTitle_ = nullptr;
  QLabel* detection_ = nullptr;
  std::array<QLabel*, 8> orderChannels_{};
  std::array<QLineEdit*, 8> order_{};
};
