#pragma once

#include <functional>

#include "settings/EditorLayout.h"

// Where things go in the settings editor, in pixels.
struct EditorGeometry {
  int columns = 2;
  int columnWidth = 0;
  int rowHeight = 0;
  int nameLeft = 7;   // from the column's left edge
  int valueLeft = 0;  // the value field, from the column's left edge
  int valueRight = 0;
  int buttonSize = 0;  // the minus and plus buttons at the ends of the value field
};

EditorGeometry GeometryFor(const EditorView& view, const EditorLayout& layout, int width,
                           int height);

// The largest size from `largest` down to 7 at which a text of width widthAt(size) fits
// `room` and its height heightAt(size) fits the row; 7 when none does.
int FittingFontSize(const std::function<int(int size)>& widthAt,
                    const std::function<int(int size)>& heightAt, int room, int rowHeight,
                    int largest);

// The stepping timer: 600 ms, then 300 after 3 repeats, 100 after 10, 30 after 30.
int RepeatInterval(int repeats);

// Where the nozzle size indicator's marker stands, 0 (too large) to 1 (too small), for
// setting 90.
double NozzleMarker(int setting90);
