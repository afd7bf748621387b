#pragma once

#include <QWidget>
#include <array>

#include "app/PanelColours.h"

class QLabel;
class QToolButton;
class TSterownik;
class ParameterGrid;
struct DecodedStatus;
class InjectionGrid;

// The right side of the main window: the controller picture with its LEDs, the OBD picture,
// the readings panel and the injection-time grid, filled from every status frame.
class RightPanel : public QWidget {
  Q_OBJECT

 public:
  RightPanel(TSterownik& link, QWidget* parent);

  void ApplyTexts();
  void ApplyColours(const PanelColours& colours, int scheme);
  // The link's definitions or injector count changed: rows anew, every value shown afresh.
  void Rebuild();
  // Values, times, LEDs and the OBD state of one status frame.
  void UpdateFromStatus(const DecodedStatus& status);
  void LayOut();
  void ForgetLeds();
  void SetVariants(int parameters, int injections);
  int ParameterVariant() const { return parameterVariant_; }
  int InjectionVariant() const { return injectionVariant_; }
  void ShowOption(const QString& text, const QColor& colour);
  // The emulators have no injection times to show.
  void SetInjectionsVisible(bool visible);

  ParameterGrid* parameters() const { return parameters_; }
  InjectionGrid* injections() const { return injections_; }
  QLabel* obdCaption() const { return obdText_; }
  // The OBD link's state (-1 no adapter, 0 adapter found, else the protocol found) and whether
  // its own page shows it already, so the caption stays empty.
  void SetElmState(int stanObd, bool shownOnElmPage);

 signals:
  void ParameterListRequested();
  void CollapseRequested();
  void ParameterRowDoubleClicked(int row);

 protected:
  void resizeEvent(QResizeEvent*) override;

 private:
  void DrawLeds(const std::array<uint32_t, 7>& leds);
  void UpdateObd(const DecodedStatus& status);
  void DrawObdPicture();
  int OtherItemsHeight() const;

  TSterownik& link_;
  QLabel* controllerImage_;
  QLabel* obdImage_;
  QLabel* obdText_;
  QLabel* readingsBanner_;
  QLabel* injectionBanner_;
  QLabel* optionsBanner_;
  QToolButton* listButton_;
  QToolButton* sizeButton_;
  QToolButton* parameterVariantButton_;
  QToolButton* injectionVariantButton_;
  QToolButton* collapseButton_;
  ParameterGrid* parameters_;
  InjectionGrid* injections_;
  QWidget* pictureRow_;
  PanelColours colours_{};
  int parameterVariant_ = 0;
  int injectionVariant_ = 0;
  std::array<uint32_t, 7> leds_{};
  bool ledsDrawn_ = false;
  int obdStatusWord_ = 0;
  int stanObd_ = -1;
  bool elmPageShown_ = false;
  int ecuCount_ = 0;
  std::array<uint32_t, 4> ecuAddresses_{};
};
