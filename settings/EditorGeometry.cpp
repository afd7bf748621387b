#include "settings/EditorGeometry.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int kLeastRowHeight = 18;
constexpr int kPanelRowHeight = 22;
constexpr int kHelpRowHeights[2] = {18, 25};
constexpr int kNarrowerWhenCramped = 10;

int RowHeightFor(const EditorView& view, int rows, int height, bool& cramped) {
  cramped = false;
  if (view.HelpPanel())
    return std::clamp(height / std::max(rows, 1), kHelpRowHeights[0], kHelpRowHeights[1]);
  if (view.mode != EditorView::kMainPage && view.mode != EditorView::kObdPanel)
    return kPanelRowHeight;
  const int fitting = height / std::max(rows, 1);
  cramped = fitting < kLeastRowHeight;
  return cramped ? kLeastRowHeight : fitting;
}

}  // namespace

EditorGeometry GeometryFor(const EditorView& view, const EditorLayout& layout, int width,
                           int height) {
  EditorGeometry g;
  bool cramped = false;
  g.columns = layout.columns;
  g.rowHeight = RowHeightFor(view, layout.Rows(), height, cramped);
  g.columnWidth = width / g.columns - (cramped ? kNarrowerWhenCramped : 0);
  g.valueLeft = g.columnWidth / 2 + 18;
  g.valueRight = g.columnWidth - 7;
  g.buttonSize = std::min({g.rowHeight, 50, g.columnWidth / 10});
  return g;
}

int FittingFontSize(const std::function<int(int size)>& widthAt,
                    const std::function<int(int size)>& heightAt, int room, int rowHeight,
                    int largest) {
  constexpr int kSmallest = 7;
  for (int size = largest; size > kSmallest; --size)
    if (widthAt(size) < room && heightAt(size) < rowHeight) return size;
  return kSmallest;
}

int RepeatInterval(int repeats) {
  if (repeats >= 30) return 30;
  if (repeats >= 10) return 100;
  if (repeats >= 3) return 300;
  return 600;
}

double NozzleMarker(int setting90) {
  // Nozzle factors at the boundaries of the indicator's six parts.
  static constexpr double kFactors[] = {-1.56, -1.0, -0.5, 1.5, 2.3, 3.54};
  static constexpr double kParts[] = {0, 1, 2, 4, 5, 6};
  const double f = 1 + (setting90 - 128) * 0.02;
  if (f <= kFactors[0]) return 0.0;
  for (size_t i = 1; i < std::size(kFactors); ++i)
    if (f <= kFactors[i])
      return (kParts[i - 1] + (f - kFactors[i - 1]) / (kFactors[i] - kFactors[i - 1]) *
                                  (kParts[i] - kParts[i - 1])) /
             6.0;
  return 1.0;
}
