#pragma once

#include "scope/ScopeLayout.h"
#include "scope/TimeBase.h"

// The scope's view state and how tools, keys and the time-base buttons move it.
namespace scope {

// 1 live (follow the newest record), 2 pause (recording goes on), 3 stop, 5 a file is shown.
enum class Tool { Start = 1, Pause = 2, Stop = 3, File = 5 };

struct ViewState {
  Tool tool = Tool::Start;
  DisplayKind kind = DisplayKind::Normal;
  Layout layout = Layout::BandPerTrace;
  int timeBase = kDefaultTimeBase;
  int end = 0;      // Koniec: the record at the right edge
  int first = 0;    // Poczatek: the record at the left edge
  int cursor = -1;  // Kursor: x of the measuring line, -1 none

  bool Following() const { return tool == Tool::Start; }
  double Rate() const;
};

// Previous (-1) or next (+1) time base, keeping the record pixelsFromRight pixels left of the
// plot's right edge in place; false (nothing changed) beyond the first or last.
bool StepTimeBase(ViewState& view, int step, int pixelsFromRight);

enum class Arrow { Left, Right, Up, Down };
// An arrow key; false when it can do nothing (the caller beeps).
bool ArrowKey(ViewState& view, Arrow key, const PlotFrame& frame, int recordCount);

}  // namespace scope
