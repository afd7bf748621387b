#pragma once

#include <QImage>
#include <QRegion>
#include <QWidget>
#include <functional>
#include <optional>

#include "charts/ChartColours.h"
#include "charts/ChartPictures.h"
#include "charts/DiagnosticCharts.h"
#include "charts/LiveCursor.h"
#include "charts/MultiplierNodes.h"
#include "charts/PlotGeometry.h"

class QLineEdit;
class TSterownik;
struct DecodedStatus;

// The map view: draws the chart kind the main window picks. The background picture is drawn
// only when the data or the size change; the data are composed over a copy of it; the live
// cursor is drawn straight on the screen and erased by drawing it again. Every number it draws
// comes from the core's pictures; the widget paints them and forwards the mouse and the keys.
// Created hidden; the main window shows it with a chart kind.
class TGrafika : public QWidget {
  Q_OBJECT

 public:
  TGrafika(TSterownik& link, QWidget* parent = nullptr);

  // The chart kind (-1 shows only the window background).
  void UstawRodzaj(int kind);
  int RodzajWykresu() const { return rodzajWykresu_; }
  void RysujTlo();
  void Odswiez();
  // RysujTlo and Odswiez when shown: the data changed.
  void Przerysuj();
  void Ukryj();
  // 0 petrol, 1 gas, 2 deviation (clamped).
  void UstawWidok(int view);
  int Widok() const { return widok_; }
  void UstawFlagiAdmin(int flags);
  void SetColours(const chart::ChartColours& colours);
  // Options kept in the configuration.
  void SetDeviationPoints(bool on);
  bool DeviationPoints() const { return punktyOdchylki_; }
  void SetGasPressureShown(bool on);
  bool GasPressureShown() const { return pokazCisnienieGazu_; }
  int GornaTabela() const { return gornaTabela_; }
  void SetGornaTabela(int table) { gornaTabela_ = table; }

  // The live cursor from every status frame.
  void PokazBiezace(const DecodedStatus& status);
  // Keys the main window forwards; true when the view took the key. The plot kinds take keys
  // only while their key sink has the focus, and the sink forwards its own keys: the main
  // window forwards the keys that reach other widgets than KeySink().
  bool KlawiszWidoku(int key, bool shift, bool ctrl);
  QWidget* KeySink() const;
  // The multiplier of the bank in view back to neutral (after the installer's Yes).
  void KasujMnoznikBanku();
  // The correction curve shown back to a flat line without correction (after the installer's
  // Yes); nothing for the other kinds.
  void KasujKrzywa();
  // Focus to the keyboard sink of the plot kinds.
  void DajFokus();

  // For window tests: the last composed picture as the screen shows it.
  QImage Snapshot() const { return composite_; }
  chart::PlotGeometry Geometry() const { return plot_; }
  int WybranyWezel() const { return wybranyWezel_; }
  int WybranyPunkt() const { return wybranyPunkt_; }
  // Where the live cursor is drawn over the picture, if anywhere.
  std::optional<chart::LiveCursor> LiveCursorShown() const { return cursor_; }

 signals:
  // The installer changed data the other views show (a multiplier node, a correction curve).
  void DataChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  chart::ViewState State() const;
  void ParkujEdytor();
  void PressOnMap(QPoint at, bool rightButton);
  // Carries out what a node edit asks: a store through the link, a repaint or a beep.
  void Apply(chart::Edit edit, const std::function<void()>& store);
  // The correction curves' keys, presses and the repair of a record that cannot be drawn
  // (TgrafikaCurves.cpp).
  void KeyOnCurve(chart::NodeKey key, bool ctrl);
  void PressOnCurve(QPoint at, bool rightButton);
  void RepairCurve();
  QRegion CursorRegion(const std::optional<chart::LiveCursor>& cursor) const;

  TSterownik& link_;
  int rodzajWykresu_ = 1;
  int widok_ = 2;
  int gornaTabela_ = 0;
  int wybranyWezel_ = -1;
  int wybranyPunkt_ = -1;
  int flagiAdmin_ = 0;
  bool punktyOdchylki_ = false;
  bool pokazCisnienieGazu_ = false;
  chart::ChartColours colours_;
  chart::PlotGeometry plot_;
  chart::DiagnosticState diagnosticState_;
  QImage background_;
  QImage composite_;
  QLineEdit* keySink_ = nullptr;
  bool painting_ = false;
  std::optional<chart::LiveCursor> cursor_;
};
