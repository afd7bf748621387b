#pragma once

#include <QWidget>
#include <array>

class QToolButton;

// The scope's tool buttons (Panel50): start, pause, stop and the loaded file form one radio
// group, the recording file is a toggle of its own, then open, delete, CSV, the three layouts,
// the two time-base steps and the detached window. Pictures only; the hints name them.
class ScopeToolPanel : public QWidget {
  Q_OBJECT

 public:
  explicit ScopeToolPanel(QWidget* parent);

  void ApplyTexts();
  // The button of a tool command (1..7, 10..12, 20..22); null for another.
  QToolButton* Button(int tag) const;
  // Shows a button pressed without running its command.
  void ShowPressed(int tag, bool pressed);

 signals:
  void ToolChosen(int tag);

 private:
  struct Entry {
    int tag;
    QToolButton* button;
  };
  std::array<Entry, 13> buttons_{};
};
