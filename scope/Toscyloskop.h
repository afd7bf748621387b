#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QWidget>
#include <string>

#include "scope/LivePacing.h"
#include "scope/ScopeNavigation.h"
#include "scope/ScopeTraces.h"

class TSterownik;
class UiServices;
struct DecodedStatus;

// The scope view: draws the link's recording as traces over time with the work state along
// the bottom, an overview strip, the logic-analyser rows of long records and a measuring cursor
// whose instant is replayed into the rest of the program. Everything is drawn into a picture
// that goes to the screen at once; the arithmetic is the core's.
class TScope : public QWidget {
  Q_OBJECT

 public:
  TScope(TSterownik& link, UiServices& ui, QWidget* parent);

  const scope::ViewState& View() const { return view_; }
  void SetDocumentsFolder(const std::string& folder) { documentsFolder_ = folder; }
  void SetColours(const scope::ScopeColours& colours);
  // Every status frame: a record while live or paused, then a redraw.
  void AddRecord(const DecodedStatus& status);
  // A button's tool command.
  void Tool(int tool);
  // Opens a recording (asked for when path names no file) and shows its end.
  int OpenFile(const std::string& path);
  void SetDisplayKind(scope::DisplayKind kind);
  // A whole redraw; the main window's timer and resizes call it.
  void Redraw();
  // Arrow keys passed on by the main window; false for another key.
  bool ArrowKey(int qtKey);
  // The measuring cursor at view x, as a mouse move over the plot puts it.
  void MoveCursor(int x);

 signals:
  // The trace selection or the record size changed: the channel list follows.
  void ChannelsChanged();

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  scope::PlotFrame Frame() const;
  // The traces' band height and where each analogue trace sits, for one picture.
  struct Bands {
    int height = 1;
    std::vector<scope::TracePlace> places;
  };
  Bands BandsOf(const scope::PlotFrame& f) const;
  void DrawBackground(QPainter& p, const scope::PlotFrame& f, int bandHeight);
  void DrawStrip(QPainter& p, const scope::PlotFrame& f);
  void DrawTraces(QPainter& p, const scope::PlotFrame& f, const Bands& bands, int record);
  void DrawLegends(QPainter& p, const scope::PlotFrame& f,
                   const std::vector<scope::TracePlace>& places, int record);
  void DrawTimeAxis(QPainter& p, const scope::PlotFrame& f, int record);
  void DrawBottomLine(QPainter& p, const scope::PlotFrame& f, int record, bool atCursor);
  void DrawDigitalRows(QPainter& p, const scope::PlotFrame& f, int record);
  void DrawPetrolInput(QPainter& p);
  void ShowCursorReadout(int x);
  void DrawCursorReadout(QPainter& p, const scope::PlotFrame& f, int x);
  bool OverMarker(int x) const;
  void JumpTo(int x);

  TSterownik& link_;
  UiServices& ui_;
  std::string documentsFolder_;
  scope::ViewState view_;
  scope::ShownTraces traces_;
  scope::ScopeColours colours_{};
  scope::LivePacing pacing_;
  QImage picture_;
  double lastRedrawMs_ = 0;
  bool skipNextLiveRedraw_ = false;
  bool replaying_ = false;
  scope::Marker marker_;
  bool pressed_ = false;
  bool dragging_ = false;
};
