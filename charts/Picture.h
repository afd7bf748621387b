#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// What a chart draws, as plain values in pixels and 0x00BBGGRR colours: the core works a chart
// out into pictures, the map view's widget replays them in order, and tests read them without a
// window.
namespace chart {

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

enum class Pen { Solid, Dotted, Dashed };

struct Line {
  Point from, to;
  uint32_t colour = 0;
  int width = 1;
  Pen pen = Pen::Solid;
};

struct Polyline {
  std::vector<Point> points;
  uint32_t colour = 0;
  int width = 1;
};

// Single pixels of one colour: the scatter of the diagnostic charts.
struct Pixels {
  std::vector<Point> points;
  uint32_t colour = 0;
};

// A rectangle from (left, top) to (right, bottom), right and bottom edges excluded; a radius
// above 0 rounds its corners.
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  uint32_t fill = 0;
  bool bordered = false;
  uint32_t border = 0;
  int radius = 0;
};

struct Circle {
  Point centre;
  int radius = 0;
  uint32_t fill = 0;
  uint32_t outline = 0;
};

// A filled polygon: the arrows of the arrow buttons.
struct Polygon {
  std::vector<Point> points;
  uint32_t fill = 0;
};

// Where x stands against the text: its left end, its right end or its middle.
enum class Align { Left, Right, Centre };

// A text whose top is at y. A vertical text reads upwards; its left side is at x and its middle
// at y. A background fills the text's box first.
struct Text {
  Point at;
  std::string text;
  uint32_t colour = 0;
  int points = 8;
  Align align = Align::Left;
  bool vertical = false;
  bool hasBackground = false;
  uint32_t background = 0;
  bool bold = false;
};

using Shape = std::variant<Line, Polyline, Pixels, Rect, Circle, Polygon, Text>;

struct Picture {
  std::vector<Shape> shapes;

  template <typename T>
  void Add(T shape) {
    shapes.emplace_back(std::move(shape));
  }
  void Append(const Picture& other) {
    shapes.insert(shapes.end(), other.shapes.begin(), other.shapes.end());
  }
};

// The width in pixels of a text at a font size: the widget measures with its font, the
// command line and the tests with TextWidthEstimate.
using TextWidth = std::function<int(std::string_view text, int points)>;
int TextWidthEstimate(std::string_view text, int points);

}  // namespace chart
