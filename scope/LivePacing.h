#pragma once

// Live drawing that keeps up on a slow machine: when a redraw takes too long, the traces are
// spread over up to five repaints, each drawing one group; quick redraws bring them together
// again. Outside live following every redraw is whole.
namespace scope {

class LivePacing {
 public:
  // Before a redraw: the last one's time decides the grouping, and the next group comes up.
  void Next(bool following, double lastRedrawMs) {
    if (!following) {
      level_ = counter_ = 0;
      return;
    }
    if (lastRedrawMs > 90 && level_ < 4) ++level_;
    if (lastRedrawMs < 40 && level_ > 0) --level_;
    counter_ = counter_ >= level_ ? 0 : counter_ + 1;
  }
  // This redraw starts the picture afresh.
  bool Starts() const { return counter_ == 0; }
  // This redraw finishes the picture, which then goes to the screen.
  bool Completes() const { return counter_ >= level_; }
  // Trace k of n is drawn in this redraw.
  bool Draws(int k, int n) const {
    const int groups = level_ + 1;
    return level_ == 0 || (counter_ * n / groups <= k && k < (counter_ + 1) * n / groups);
  }
  int Level() const { return level_; }

 private:
  int level_ = 0;
  int counter_ = 0;
};

}  // namespace scope
