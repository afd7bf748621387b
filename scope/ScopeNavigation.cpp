#include "scope/ScopeNavigation.h"

namespace scope {

namespace {

// The Up and Down keys keep the record under the measuring cursor; without a cursor the
// right edge stays.
int CursorFromRight(const ViewState& view, const PlotFrame& frame) {
  return view.cursor < 0 ? 0 : frame.width - view.cursor - 110;
}

}  // namespace

double ViewState::Rate() const {
  return RecordsPerPixel(timeBase);
}

bool StepTimeBase(ViewState& view, int step, int pixelsFromRight) {
  const int next = view.timeBase + step;
  if (next < 0 || next >= kTimeBases) return false;
  view.end = EndAfterRateChange(view.end, pixelsFromRight, view.Rate(), RecordsPerPixel(next));
  view.timeBase = next;
  return true;
}

bool ArrowKey(ViewState& view, Arrow key, const PlotFrame& frame, int recordCount) {
  switch (key) {
    case Arrow::Left:
      if (view.Following() || view.end <= frame.PlotWidth() * view.Rate()) return false;
      --view.end;
      return true;
    case Arrow::Right:
      if (view.Following() || view.end >= recordCount) return false;
      ++view.end;
      return true;
    case Arrow::Up:
    case Arrow::Down:
      if (view.kind != DisplayKind::Normal) return false;
      return StepTimeBase(view, key == Arrow::Up ? -1 : 1, CursorFromRight(view, frame));
  }
  return false;
}

}  // namespace scope
