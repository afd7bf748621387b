#pragma once

#include <QDialog>

#include "app/WindowRules.h"

class QLabel;
class TNastawy;
class TSterownik;
struct SettingChange;

// The settings help window: one group of settings (a setting and the ones it brings with it,
// or the per-injector corrections) in an editor of its own, over the main window.
class TForm2 : public QDialog {
  Q_OBJECT

 public:
  TForm2(TSterownik& link, QWidget* parent);

  // Shows the group of setting `group` (help panel 1000 + group).
  void ShowGroup(int group, const QString& caption, const ColourRoles& roles, int scheme,
                 int viewLevel, bool administrator);
  TNastawy& editor() { return *editor_; }

 signals:
  void Changed(const SettingChange& change);

 private:
  void FitToRows(int group);

  TNastawy* editor_;
  QLabel* hint_;
};
