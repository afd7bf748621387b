#pragma once

#include <QWidget>

#include "app/PanelColours.h"
#include "obd/TroubleCodes.h"

class QTableWidget;
class QTextEdit;
class QToolButton;
class TObd;

// The OBD panel of the OBD tab: the adapter's status grid, the switch between trouble codes and
// PIDs, the trouble-code box and the PID grid. It shows what the OBD link holds and hands the
// installer's PID choices back to it.
class ObdPage : public QWidget {
  Q_OBJECT

 public:
  ObdPage(TObd& obd, QWidget* parent);

  void ApplyTexts();
  void ApplyColours(const PanelColours& colours);
  // The ELM sub-tab: status grid, switch, codes or PIDs. The Device sub-tab: the box alone.
  void ShowElm();
  void ShowDevice();
  // The trouble-code / PID switch.
  void ShowCodes(bool codes);
  // Whatever the link changed since the last call.
  void Refresh();
  // Lines from the gas controller's own OBD module replace the box's content.
  void ShowLines(const obd::ColouredLines& lines);
  void ClearBox();

  QTableWidget* statusGrid() const { return status_; }
  QTableWidget* pidGrid() const { return pids_; }
  QTextEdit* codeBox() const { return box_; }
  QToolButton* codesButton() const { return codesButton_; }
  QToolButton* pidsButton() const { return pidsButton_; }

 signals:
  // The installer changed which PIDs are polled.
  void SelectionChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildPidGrid();
  void ShowAdapter(bool shown);
  void RefreshStatus();
  void RefreshPids();
  void RefreshPidMarks();
  void TogglePid(int pid, bool doubleClick);
  static void SetCell(QTableWidget* grid, int row, int column, const QString& text);

  TObd& obd_;
  QTableWidget* status_;
  QToolButton* codesButton_;
  QToolButton* pidsButton_;
  QTextEdit* box_;
  QTableWidget* pids_;
  PanelColours colours_{};
  int shownCodeChange_ = 0;  // the adapter's codes as of this change are in the box, or cleared
  bool elmCodes_ = true;     // the box shows the adapter's codes, not the controller module's
};
