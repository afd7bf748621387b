#include "charts/Fitting.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace chart {
namespace {

constexpr int kMaxDegree = 3;
using Row = std::array<double, kMaxDegree + 2>;  // coefficients and the right side

// Solves the normal equations in place; nothing when a step gives no finite number.
std::optional<std::array<double, kMaxDegree + 1>> Solve(std::array<Row, kMaxDegree + 1>& m, int n) {
  for (int col = 0; col < n; ++col) {
    if (m[col][col] == 0.0) {
      // Only a zero pivot is exchanged, for the largest one below it.
      int best = col;
      for (int r = col + 1; r < n; ++r)
        if (std::abs(m[r][col]) > std::abs(m[best][col])) best = r;
      std::swap(m[col], m[best]);
    }
    if (m[col][col] == 0.0) continue;
    for (int r = col + 1; r < n; ++r) {
      const double f = m[r][col] / m[col][col];
      for (int c = col; c <= n; ++c)
        m[r][c] -= f * m[col][c];
    }
  }
  std::array<double, kMaxDegree + 1> coef{};
  for (int r = n - 1; r >= 0; --r) {
    if (m[r][r] == 0.0) continue;  // an unknown the points do not fix stays 0
    double sum = m[r][n];
    for (int c = r + 1; c < n; ++c)
      sum -= m[r][c] * coef[c];
    coef[r] = sum / m[r][r];
    if (!std::isfinite(coef[r])) return std::nullopt;
  }
  return coef;
}

double Power(double x, int e) {
  double p = 1.0;
  while (e-- > 0)
    p *= x;
  return p;
}

}  // namespace

std::vector<Point> DopasujWielomian(std::span<const Point> points, int degree,
                                    const PlotGeometry& plot) {
  if (points.empty() || degree < 1 || degree > kMaxDegree) return {};
  const int n = degree + 1;
  std::array<Row, kMaxDegree + 1> m{};
  for (const Point& p : points) {
    for (int i = 0; i < n; ++i) {
      for (int j = 0; j < n; ++j)
        m[i][j] += Power(p.x, i + j);
      m[i][n] += Power(p.x, i) * p.y;
    }
  }
  const auto coef = Solve(m, n);
  if (!coef) return {};
  const auto [lo, hi] =
      std::minmax_element(points.begin(), points.end(), [](Point a, Point b) { return a.x < b.x; });
  std::vector<Point> line;
  for (int x = lo->x; x <= hi->x; ++x) {
    double y = 0.0;
    for (int i = n - 1; i >= 0; --i)
      y = y * x + (*coef)[i];
    if (!std::isfinite(y)) return {};
    if (x > plot.Right() || y > plot.yb) continue;
    if (y < plot.Top() + 1) break;
    line.push_back({x, static_cast<int>(y)});
  }
  return line;
}

std::optional<LineFit> DopasujProsta(std::span<const Point> points, const PlotGeometry& plot) {
  if (points.empty()) return std::nullopt;
  double sx = 0, sy = 0, sxy = 0, sxx = 0;
  int lo = points.front().x, hi = points.front().x;
  for (const Point& p : points) {
    sx += p.x;
    sy += p.y;
    sxy += double(p.x) * p.y;
    sxx += double(p.x) * p.x;
    lo = std::min(lo, p.x);
    hi = std::max(hi, p.x);
  }
  const double n = static_cast<double>(points.size());
  const double denominator = n * sxx - sx * sx;
  if (denominator == 0.0) return std::nullopt;
  LineFit fit;
  fit.slope = (n * sxy - sx * sy) / denominator;
  fit.intercept = (sy * sxx - sxy * sx) / denominator;
  const int x1 = std::max(lo, plot.x0);
  const int x2 = std::min(hi, plot.Right());
  fit.from = {x1, static_cast<int>(fit.At(x1))};
  fit.to = {x2, static_cast<int>(fit.At(x2))};
  return fit;
}

}  // namespace chart
