#pragma once

#include <optional>
#include <vector>

#include "settings/EditorView.h"

class TSterownik;

// What the settings editor shows where: cells of settings and of page elements, laid out by
// mode, view level, family and firmware.

// Page elements in a layout's cells; settings are 0..511.
namespace element {
inline constexpr int Empty = -1;
inline constexpr int HeaderEngine = -2;     // spans both columns
inline constexpr int HeaderInjectors = -3;  // left column
inline constexpr int HeaderSensors = -4;    // right column
inline constexpr int HeaderToGas = -5;
inline constexpr int HeaderToPetrol = -6;
inline constexpr int HeaderOptions = -7;  // spans both columns
inline constexpr int CloseFrame = -8;     // closes a frame over both columns
inline constexpr int CloseFrames = -9;    // closes the two one-column frames above
inline constexpr int Buttons = -10;       // "Corrections for injectors" / "Calculator"
inline constexpr int NozzleIndicator = -11;

inline bool IsHeader(int cell) {
  return cell <= HeaderEngine && cell >= HeaderOptions;
}
inline bool SpansBothColumns(int cell) {
  return cell == HeaderEngine || cell == HeaderOptions || cell == CloseFrame;
}
// The help video a header's button opens.
inline int VideoOf(int header) {
  return -header;
}
}  // namespace element

struct EditorLayout {
  int columns = 2;
  std::vector<int> cells;  // row by row

  int Rows() const { return static_cast<int>(cells.size()) / columns; }
  int Cell(int row, int column) const;
};

// The cells for the view as it stands; the view level the family imposes must be applied
// first (ImposedViewLevel).
EditorLayout LayoutFor(const TSterownik& link, const EditorView& view);

// The KAVI family and the "DuzOzed" special version have one main page, the advanced one.
int ImposedViewLevel(const TSterownik& link, const EditorView& view);

// A cell the installer can select: a setting that is visible.
bool Selectable(const TSterownik& link, const EditorLayout& layout, int row, int column);

struct CellPosition {
  int row;
  int column;
};
// Up (-1) or Down (+1) from a selected cell: the next selectable row, passing over at most two
// rows that are empty or hidden, and from the foot of the left column to the head of the right
// one and back; none past the first or last row.
std::optional<CellPosition> MoveSelection(const TSterownik& link, const EditorLayout& layout,
                                          CellPosition from, int direction);
