#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "charts/ChartKinds.h"
#include "charts/MultiplierNodes.h"
#include "charts/PlotGeometry.h"
#include "controller/CorrectionCurves.h"

class TSterownik;

// Chart kinds 2, 3 and 4: a correction curve as the map view edits it. The installer adds,
// moves, removes and raises up to eight nodes with the mouse and the keys; the curve is a
// straight line between them, recomputed into the record after every edit and stored through
// the link, which writes it.
namespace chart {

// What a curve's axis counts in: °C (position - 128) or bar (position x 0.01).
enum class CurveUnit { Celsius, Bar };
inline constexpr int kCelsiusZero = 128;  // a temperature's position at 0 °C

struct CurveKind {
  int kind;
  const curve::Curve& curve;
  CurveUnit unit;
  int gridStep;       // positions between the grid lines and the ticks of the axis
  int titleText;      // the axis' title
  int markerSetting;  // the setting marked on the axis: where the controller starts to use gas
};

// The curve a chart kind shows; nothing for the other kinds.
const CurveKind* CurveKindOf(int kind);
inline bool IsCurveKind(int kind) {
  return CurveKindOf(kind) != nullptr;
}
// The code of the curve a kind shows (9, 10, 8), 0 for the other kinds.
int KodKrzywej(int kind);

// A position in the axis' unit: "-30" (°C), "1.20" (bar).
std::string CurvePositionText(const CurveKind& kind, int x, char decimalSeparator);
// A node's value as the correction the view shows: whole per cent, truncated toward zero.
int CurveCorrectionShown(int y);
// That correction as text, "+" when above none: "-12", "0", "+5".
std::string CurveCorrectionText(int y);
// The unit's name for a column's title.
const char* CurveUnitName(const CurveKind& kind);

// The record of a curve with its nodes: node i at (X(i), Y(i)), present when Y(i) is not 0.
struct CorrectionCurve {
  const CurveKind* kind = nullptr;
  curve::Record record{};

  int X(int i) const { return record[static_cast<size_t>(curve::NodeX(i))]; }
  int Y(int i) const { return record[static_cast<size_t>(curve::NodeY(i))]; }
  void Set(int i, int x, int y);
  bool Present(int i) const { return Y(i) != 0; }
  int PresentCount() const;
  int AxisMin() const { return kind->curve.axisMin; }
  int AxisMax() const { return kind->curve.axisMax; }
  // The curve's value at a position of the axis.
  int ValueAt(int x) const;
};

// The curve of a curve kind as the image holds it.
CorrectionCurve CurveInView(const TSterownik& link, const CurveKind& kind);

// A record with at most one node cannot be drawn: it is reset when shown. Not while the link
// still reads it: the write of the reset would go out first and replace the controller's curve.
bool CurveNeedsReset(const TSterownik& link, const CurveKind& kind);
// The curve back to a flat line without correction between the ends of its axis, written.
void KasujKrzywa(TSterownik& link, const CurveKind& kind);

// The inner nodes in order of position (the selection follows its node), the curve recomputed
// between the nodes and from the end nodes out to the ends of the record.
void PorzadkujPunkty(CorrectionCurve& curve, int& selected);
// Adds delta to the selected node's value, or to every present node's when none is selected.
Edit ZmienPunkty(CorrectionCurve& curve, int& selected, int delta);
Edit KeyOnCurve(CorrectionCurve& curve, int& selected, NodeKey key, bool ctrl);

// What a press on the chart asks of the view.
struct CurvePress {
  bool focus = false;  // the keys go to the nodes from now on
  Edit edit = Edit::None;
};
// The arrow buttons raise and lower; inside the plot the right button adds a node on the curve,
// the others select the node under the pointer (or none).
CurvePress PressOnCurve(CorrectionCurve& curve, int& selected, const PlotGeometry& plot, int x,
                        int y, bool rightButton);

void StoreCurve(TSterownik& link, const CorrectionCurve& curve);

// The curve as text rows, as the view shows it: each present node's position in the axis' unit
// and its correction in per cent.
struct CurveRow {
  int node;
  std::string position;
  std::string correction;
};
std::vector<CurveRow> CurveRows(const TSterownik& link, const CurveKind& kind,
                                char decimalSeparator);

// Nodes given as positions in the axis' unit and corrections in per cent: the first at the start
// of the axis, the last at its end, 2 to 8 in all, in increasing order. Either the curve with
// these nodes (not yet recomputed) or what is wrong, naming the row; nothing partial.
// A correction is read as the view shows one, in whole per cent truncated: the value stored is
// the one nearest to it among those the view then shows as that per cent (limited to -50 ..
// +50 %). Where the current curve has a node at the same position showing the same correction,
// that node keeps its value, and when the rows hold exactly the current nodes' positions every
// node keeps its slot: rows read back from the curve's own text change no byte.
struct CurvePoint {
  double position;
  double perCent;
};
struct CurveFromRows {
  std::optional<CorrectionCurve> curve;
  std::string error;
};
CurveFromRows CurveNodesFromRows(const CorrectionCurve& current, std::span<const CurvePoint> rows);
// Nodes from rows recomputed into their curve and stored, unless the link holds that curve
// already (false then, and nothing is to be written).
bool StoreCurveNodes(TSterownik& link, CorrectionCurve curve);

// The curves by the names of their areas: KorOdCis, KorOdTempRed, KorOdTempGazu.
const CurveKind* CurveNamed(std::string_view name);
std::vector<std::string_view> CurveNames();
// The nodes as CSV: a line of the columns' titles (the axis' unit, "%"), then one line per node
// with "." decimals.
std::string CurveCsv(const TSterownik& link, const CurveKind& kind);
// Nodes read back from such a CSV (or one saved with ";" and decimal commas; the titles' line
// may be left out) against the current curve, as CurveNodesFromRows reads them: the curve, or
// what is wrong with the file, naming its line.
CurveFromRows ReadCurveCsv(const CorrectionCurve& current, std::string_view text);

}  // namespace chart
