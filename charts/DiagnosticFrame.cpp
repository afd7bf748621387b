#include "charts/DiagnosticFrame.h"

#include <utility>

namespace chart {

namespace {

constexpr int kTickLength = 6;
constexpr int kLabelRaise = 6;         // a left or right label's top above its tick
constexpr int kBottomLabelShift = 4;   // a bottom label starts a little left of its tick
constexpr int kBottomTitleBelow = 20;  // below the plot's bottom edge
constexpr int kLeftTitleX = -2;

}  // namespace

void DiagnosticFrame::Box() {
  picture_.Add(Rect{0, 0, plot_.width, plot_.height, colours_.window});
  picture_.Add(Rect{plot_.x0 - 1, plot_.Top() - 1, plot_.Right() + 1, plot_.yb + 1,
                    colours_.plotBackground, true, colours_.frame});
}

void DiagnosticFrame::VerticalGridLine(int x) {
  picture_.Add(Line{{x, plot_.Top()}, {x, plot_.yb}, colours_.grid, 1, Pen::Dotted});
}

void DiagnosticFrame::HorizontalGridLine(int y) {
  picture_.Add(Line{{plot_.x0, y}, {plot_.Right(), y}, colours_.grid, 1, Pen::Dotted});
}

void DiagnosticFrame::BottomTick(int x, std::string label) {
  Tick({x, plot_.yb}, {x, plot_.yb + kTickLength});
  Label({x - kBottomLabelShift, plot_.yb + kTickLength}, std::move(label), Align::Left);
}

void DiagnosticFrame::BottomTitle(std::string title) {
  Label({plot_.width / 2, plot_.yb + kBottomTitleBelow}, std::move(title), Align::Centre);
}

void DiagnosticFrame::LeftTick(int y, std::string label) {
  Tick({plot_.x0, y}, {plot_.x0 - kTickLength, y});
  Label({plot_.x0 - kTickLength, y - kLabelRaise}, std::move(label), Align::Right);
}

void DiagnosticFrame::RightTick(int y, std::string label) {
  Tick({plot_.Right(), y}, {plot_.Right() + kTickLength, y});
  Label({plot_.Right() + kTickLength + 2, y - kLabelRaise}, std::move(label), Align::Left);
}

void DiagnosticFrame::LeftTitle(std::string title) {
  VerticalTitle(std::move(title), kLeftTitleX);
}

void DiagnosticFrame::RightTitle(std::string title, int x) {
  VerticalTitle(std::move(title), x);
}

void DiagnosticFrame::VerticalTitle(std::string title, int x) {
  Text text{{x, plot_.yb - plot_.h / 2}, std::move(title), colours_.text};
  text.vertical = true;
  picture_.Add(std::move(text));
}

void DiagnosticFrame::Tick(Point from, Point to) {
  picture_.Add(Line{from, to, colours_.text});
}

void DiagnosticFrame::Label(Point at, std::string text, Align align) {
  picture_.Add(Text{at, std::move(text), colours_.text, 8, align});
}

}  // namespace chart
