// The setting dialogs from the main window: the injector sequence, the gas level sensor and
// the nozzle calculator, opened by either settings editor, and the status frames they follow.
// They open window-modal without a nested event loop, so the link's timer keeps running.

#include "app/Unit2.h"
#include "app/Unitcal.h"
#include "app/Unitlevel.h"
#include "app/Unitmain.h"
#include "app/Unitseq.h"
#include "controller/Tsterownik.h"
#include "settings/Tnastawy.h"

void TForm1::BuildSettingDialogs() {
  sequence_ = new TFormSeq(*link_, this);
  level_ = new TFormLevel(*link_, this);
  calculator_ = new TFormCal(*link_, this);
  for (TNastawy* editor : {editor_, &settingsHelp_->editor()}) {
    connect(editor, &TNastawy::InjectorSequenceRequested, this, [this, editor] {
      if (sequence_->Prepare(editor->view())) sequence_->open();
    });
    connect(editor, &TNastawy::LevelSensorRequested, this, [this, editor] {
      level_->Prepare(editor->view());
      level_->open();
    });
    connect(editor, &TNastawy::CalculatorRequested, this, [this] {
      calculator_->Prepare();
      calculator_->open();
    });
  }
  connect(sequence_, &TFormSeq::Changed, this, &TForm1::SettingChanged);
  connect(level_, &TFormLevel::Changed, this, &TForm1::SettingChanged);
}

void TForm1::StatusToSettingDialogs(const DecodedStatus& status) {
  if (sequence_->isVisible()) sequence_->StatusFrame(status);
  level_->StatusFrame(status);
}
