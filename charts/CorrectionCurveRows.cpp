// A correction curve as text rows for the command line, and nodes given as rows checked and
// turned back into a curve.

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

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
  // Far beyond the record stays beyond it, within what an int holds.
  return static_cast<int>(std::clamp(whole, -1.0, curve::kLastValue + 1.0));
}

double CorrectionOf(int y) {
  return y * curve::kPerCentPerUnit - 100;
}

// The value the view shows as this correction (whole per cent, truncated), nearest to it;
// limited to what a node may take. Rounding to the nearest value alone would not do: -33 %
// is 85.76 units, and 86 shows as -32.
int ValueOf(double perCent) {
  const double limited = std::clamp(perCent, -kMaxPerCent, kMaxPerCent);
  const double shown = std::trunc(limited);
  int nearest = 0;
  for (int y = curve::kLowestValue; y <= curve::kHighestValue; ++y) {
    if (CurveCorrectionShown(y) != shown) continue;
    if (nearest == 0 ||
        std::abs(CorrectionOf(y) - limited) < std::abs(CorrectionOf(nearest) - limited))
      nearest = y;
  }
  return nearest;
}

// The present node of the curve at a position, or -1.
int NodeAt(const CorrectionCurve& c, int x) {
  for (int i = 0; i < curve::kNodes; ++i)
    if (c.Present(i) && c.X(i) == x) return i;
  return -1;
}

// A node keeps the value it has where the row shows it as it stands: several values show as
// the same whole per cent, and the text alone cannot say which one the controller holds.
int ValueAt(const CorrectionCurve& current, int x, double perCent) {
  const int node = NodeAt(current, x);
  if (node >= 0 && CurveCorrectionShown(current.Y(node)) == std::trunc(perCent))
    return current.Y(node);
  return ValueOf(perCent);
}

// The slots of the current curve's present nodes when the rows hold exactly their positions,
// in order; nothing otherwise.
std::optional<std::vector<int>> CurrentSlots(const CorrectionCurve& current,
                                             const std::vector<int>& positions) {
  std::vector<int> slots;
  for (int i = 0; i < curve::kNodes; ++i)
    if (current.Present(i)) slots.push_back(i);
  if (slots.size() != positions.size()) return std::nullopt;
  for (size_t r = 0; r < positions.size(); ++r)
    if (current.X(slots[r]) != positions[r]) return std::nullopt;
  return slots;
}

// The first and the last row are the end nodes; the others fill the inner slots from below.
std::vector<int> FreshSlots(size_t rows) {
  std::vector<int> slots;
  for (size_t r = 0; r < rows; ++r)
    slots.push_back(r + 1 == rows ? curve::kLastNode : static_cast<int>(r));
  return slots;
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

CurveFromRows CurveNodesFromRows(const CorrectionCurve& current, std::span<const CurvePoint> rows) {
  const CurveKind& kind = *current.kind;
  if (rows.size() < 2 || rows.size() > static_cast<size_t>(curve::kNodes))
    return {std::nullopt, "a curve has 2 to 8 nodes, not " + std::to_string(rows.size())};
  std::vector<int> positions;
  if (std::string error = CheckPositions(kind, rows, positions); !error.empty())
    return {std::nullopt, error};
  for (size_t r = 0; r < rows.size(); ++r)
    if (!std::isfinite(rows[r].perCent))
      return {std::nullopt, RowError(r, "the correction is not a number")};
  // The same nodes keep the record as it is around them; other nodes start an empty one.
  const std::optional<std::vector<int>> kept = CurrentSlots(current, positions);
  const std::vector<int> slots = kept ? *kept : FreshSlots(rows.size());
  CorrectionCurve c = kept ? current : CorrectionCurve{&kind};
  c.record[0] = kind.curve.code;
  for (size_t r = 0; r < rows.size(); ++r)
    c.Set(slots[r], positions[r], ValueAt(current, positions[r], rows[r].perCent));
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

CurveFromRows ReadCurveCsv(const CorrectionCurve& current, std::string_view text) {
  const bool semicolons = text.find(';') != std::string_view::npos;
  TextRows lines = SplitRows(text, semicolons ? ';' : ',');
  if (!lines.empty() && lines.back().size() == 1 && lines.back()[0].empty()) lines.pop_back();
  // A first line that is not a node is the columns' titles; one with a number too large to read
  // is a node refused, not a line to pass over.
  const bool titled =
      !lines.empty() && ReadNumber(lines[0][0], semicolons).problem == NumberProblem::NotANumber;
  std::vector<CurvePoint> points;
  for (size_t l = titled ? 1 : 0; l < lines.size(); ++l) {
    const std::string line = "line " + std::to_string(l + 1);
    if (lines[l].size() != 2)
      return {std::nullopt, line + " has " + CountOf(lines[l].size(), "field") +
                                "; a node is its position and its correction in per cent"};
    const FieldNumber position = ReadNumber(lines[l][0], semicolons);
    const FieldNumber perCent = ReadNumber(lines[l][1], semicolons);
    if (!position || !perCent) {
      const size_t column = position ? 1 : 0;
      return {std::nullopt,
              line + ", column " + std::to_string(column + 1) + ": " +
                  NumberRefusal(lines[l][column], (position ? perCent : position).problem)};
    }
    points.push_back({position.value, perCent.value});
  }
  CurveFromRows read = CurveNodesFromRows(current, points);
  // The rows counted from the first node, as the lines of the file count them.
  if (!read.curve && titled && read.error.starts_with("row "))
    read.error = "the node " + read.error + " (after the titles' line)";
  return read;
}

}  // namespace chart
