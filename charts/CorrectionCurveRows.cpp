// A correction curve as text rows for the command line, and nodes given as rows checked and
// turned back into a curve.

#include <cmath>
#include <string>

#include "charts/CorrectionCurve.h"
#include "charts/TableText.h"
#include "controller/NumberText.h"
#include "controller/Tsterownik.h"
#include "files/PrintableText.h"

namespace chart {
namespace {

constexpr double kMaxPerCent = 50;

// The curves by the names of their areas.
struct NamedCurve {
  std::string_view name;
  int kind;
};
constexpr NamedCurve kCurveNames[] = {
    {"KorOdCis", kPressureCurveKind},
    {"KorOdTempRed", kReducerTemperatureKind},
    {"KorOdTempGazu", kGasTemperatureKind},
};

std::string RowError(size_t row, const std::string& what) {
  return "row " + std::to_string(row + 1) + ": " + what;
}

std::string Shown(double value) {
  return FormatNumber(value, 0);
}

// A position of the axis from the axis' unit; nothing when it is not a whole step of the axis
// (1 °C, 0.01 bar).
std::optional<int> PositionOf(const CurveKind& kind, double value) {
  const double units = kind.unit == CurveUnit::Celsius ? value + kCelsiusZero : value * 100;
  const double whole = std::round(units);
  if (!std::isfinite(units) || std::abs(units - whole) > 1e-6) return std::nullopt;
  return static_cast<int>(whole);
}

// The nearest value to a correction, limited to what a node may take.
int ValueOf(double perCent) {
  const double limited = std::fmin(std::fmax(perCent, -kMaxPerCent), kMaxPerCent);
  return static_cast<int>(std::lround(curve::kNeutral + limited / curve::kPerCentPerUnit));
}

// The node rows' positions, checked against the axis and each other.
std::string CheckPositions(const CurveKind& kind, std::span<const CurvePoint> rows,
                           std::vector<int>& positions) {
  const int first = kind.curve.axisMin, last = kind.curve.axisMax;
  const std::string unit = CurveUnitName(kind);
  const std::string axis = CurvePositionText(kind, first, '.') + " .. " +
                           CurvePositionText(kind, last, '.') + " " + unit;
  for (size_t r = 0; r < rows.size(); ++r) {
    const std::optional<int> x = PositionOf(kind, rows[r].position);
    const std::string given = Shown(rows[r].position) + " " + unit;
    if (!x) return RowError(r, given + " is not a position of the axis " + axis);
    if (*x < first || *x > last) return RowError(r, given + " is outside the axis " + axis);
    if (r == 0 && *x != first)
      return RowError(r, "the first node must be at the start of the axis, " +
                             CurvePositionText(kind, first, '.') + " " + unit);
    if (r + 1 == rows.size() && *x != last)
      return RowError(r, "the last node must be at the end of the axis, " +
                             CurvePositionText(kind, last, '.') + " " + unit);
    if (r > 0 && *x <= positions.back())
      return RowError(r, given + " does not come after the row before it");
    positions.push_back(*x);
  }
  return {};
}

}  // namespace

std::vector<CurveRow> CurveRows(const TSterownik& link, const CurveKind& kind,
                                char decimalSeparator) {
  const CorrectionCurve c = CurveInView(link, kind);
  std::vector<CurveRow> rows;
  for (int i = 0; i < curve::kNodes; ++i)
    if (c.Present(i))
      rows.push_back(
          {i, CurvePositionText(kind, c.X(i), decimalSeparator), CurveCorrectionText(c.Y(i))});
  return rows;
}

CurveFromRows CurveNodesFromRows(const CurveKind& kind, std::span<const CurvePoint> rows) {
  if (rows.size() < 2 || rows.size() > static_cast<size_t>(curve::kNodes))
    return {std::nullopt, "a curve has 2 to 8 nodes, not " + std::to_string(rows.size())};
  std::vector<int> positions;
  if (std::string error = CheckPositions(kind, rows, positions); !error.empty())
    return {std::nullopt, error};
  for (size_t r = 0; r < rows.size(); ++r)
    if (!std::isfinite(rows[r].perCent))
      return {std::nullopt, RowError(r, "the correction is not a number")};
  CorrectionCurve c;
  c.kind = &kind;
  c.record[0] = kind.curve.code;
  // The first and the last node are the end nodes; the others fill the inner slots from below.
  const size_t last = rows.size() - 1;
  for (size_t r = 0; r < rows.size(); ++r) {
    const int slot = r == last ? curve::kLastNode : static_cast<int>(r);
    c.Set(slot, positions[r], ValueOf(rows[r].perCent));
  }
  return {c, {}};
}

const CurveKind* CurveNamed(std::string_view name) {
  for (const NamedCurve& c : kCurveNames)
    if (c.name == name) return CurveKindOf(c.kind);
  return nullptr;
}

std::vector<std::string_view> CurveNames() {
  std::vector<std::string_view> names;
  for (const NamedCurve& c : kCurveNames)
    names.push_back(c.name);
  return names;
}

std::string CurveCsv(const TSterownik& link, const CurveKind& kind) {
  std::string csv = std::string(CurveUnitName(kind)) + ",%\n";
  for (const CurveRow& row : CurveRows(link, kind, '.'))
    csv += row.position + "," + row.correction + "\n";
  return csv;
}

CurveFromRows ReadCurveCsv(const CurveKind& kind, std::string_view text) {
  const bool semicolons = text.find(';') != std::string_view::npos;
  TextRows lines = SplitRows(text, semicolons ? ';' : ',');
  if (!lines.empty() && lines.back().size() == 1 && lines.back()[0].empty()) lines.pop_back();
  // A first line that is not a node is the columns' titles.
  const bool titled = !lines.empty() && !ReadNumber(lines[0][0], semicolons);
  std::vector<CurvePoint> points;
  for (size_t l = titled ? 1 : 0; l < lines.size(); ++l) {
    const std::string line = "line " + std::to_string(l + 1);
    if (lines[l].size() != 2)
      return {std::nullopt, line + " has " + CountOf(lines[l].size(), "field") +
                                "; a node is its position and its correction in per cent"};
    const std::optional<double> position = ReadNumber(lines[l][0], semicolons);
    const std::optional<double> perCent = ReadNumber(lines[l][1], semicolons);
    if (!position || !perCent)
      return {std::nullopt, line + ", column " + (position ? "2" : "1") + ": \"" +
                                Printable(lines[l][position ? 1 : 0]) + "\" is not a number"};
    points.push_back({*position, *perCent});
  }
  CurveFromRows read = CurveNodesFromRows(kind, points);
  // The rows counted from the first node, as the lines of the file count them.
  if (!read.curve && titled && read.error.starts_with("row "))
    read.error = "the node " + read.error + " (after the titles' line)";
  return read;
}

}  // namespace chart
