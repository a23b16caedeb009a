#include "core/spline.h"

#include <algorithm>
#include <cmath>

void SplineSecondDerivatives(const std::vector<double>& xa, const std::vector<double>& ya, int n, double slopeStart,
                             double slopeEnd, std::vector<double>& y2) {
  size_t size = static_cast<size_t>(std::max(n, 0)) + 1;
  y2.assign(size, 0.0);
  if (n < 2) return;
  std::vector<double> u(size, 0.0);
  if (slopeStart <= kNaturalSplineEnd) {
    y2[1] = -0.5;
    u[1] = (3 / (xa[2] - xa[1])) * ((ya[2] - ya[1]) / (xa[2] - xa[1]) - slopeStart);
  }
  // Decomposition of the tridiagonal system.
  for (int i = 2; i <= n - 1; ++i) {
    double sig = (xa[i] - xa[i - 1]) / (xa[i + 1] - xa[i - 1]);
    double p = sig * y2[i - 1] + 2;
    y2[i] = (sig - 1) / p;
    u[i] = (ya[i + 1] - ya[i]) / (xa[i + 1] - xa[i]) - (ya[i] - ya[i - 1]) / (xa[i] - xa[i - 1]);
    u[i] = (6 * u[i] / (xa[i + 1] - xa[i - 1]) - sig * u[i - 1]) / p;
  }
  double qn = 0, un = 0;
  if (slopeEnd <= kNaturalSplineEnd) {
    qn = 0.5;
    un = (3 / (xa[n] - xa[n - 1])) * (slopeEnd - (ya[n] - ya[n - 1]) / (xa[n] - xa[n - 1]));
  }
  y2[n] = (un - qn * u[n - 1]) / (qn * y2[n - 1] + 1);
  // Back-substitution.
  for (int k = n - 1; k >= 1; --k) y2[k] = y2[k] * y2[k + 1] + u[k];
}

bool SplineValue(const std::vector<double>& xa, const std::vector<double>& ya, const std::vector<double>& y2a, int n,
                 double x, double& y) {
  if (n < 2) return false;
  int klo = 1, khi = n;
  while (khi - klo > 1) {
    int k = (khi + klo) / 2;
    if (xa[k] > x) {
      khi = k;
    } else {
      klo = k;
    }
  }
  double h = xa[khi] - xa[klo];
  if (h == 0) return false;
  double a = (xa[khi] - x) / h, b = (x - xa[klo]) / h;
  y = a * ya[klo] + b * ya[khi] + ((a * a * a - a) * y2a[klo] + (b * b * b - b) * y2a[khi]) * (h * h) / 6;
  return true;
}

std::vector<SplineRun> SplineRuns(const GraphPoints& points, int count) {
  std::vector<SplineRun> runs;
  count = std::min<int>(count, static_cast<int>(std::min(points.x.size(), points.y.size())) - 1);
  if (count < 1) return runs;
  int start = 1;
  for (int i = 1; i <= count - 1; ++i) {
    if (std::fabs(static_cast<double>(points.x[i + 1]) - points.x[i]) < 1.0E-4) {
      runs.push_back({start, i});
      start = i + 1;
    }
  }
  runs.push_back({start, count});
  return runs;
}

namespace {

GraphWorldPoint Map(const GraphPoints& p, int i, const GraphAxis& axis, const GraphFrame& frame) {
  return {GraphWorldX(p.x[static_cast<size_t>(i)], axis, frame), GraphWorldY(p.y[static_cast<size_t>(i)], axis, frame)};
}

}  // namespace

std::vector<GraphWorldPoint> GraphCurvePath(const GraphPoints& points, int count, const GraphAxis& axis, bool spline,
                                            const GraphFrame& frame, int* badInput) {
  std::vector<GraphWorldPoint> path;
  if (badInput) *badInput = 0;
  count = std::min<int>(count, static_cast<int>(std::min(points.x.size(), points.y.size())) - 1);
  if (count < 1) return path;
  if (!spline) {
    for (int i = 2; i <= count; ++i) path.push_back(Map(points, i, axis, frame));
    return path;
  }
  const double span = static_cast<double>(axis.last) - axis.first;
  double lastX = Map(points, 1, axis, frame).x;
  std::vector<SplineRun> runs = SplineRuns(points, count);
  for (size_t r = 0; r < runs.size(); ++r) {
    const SplineRun& run = runs[r];
    if (r > 0) {
      // The curve jumps at a node: straight down (or up) to the run's first point.
      path.push_back(Map(points, run.first, axis, frame));
      lastX = path.back().x;
    }
    int m = run.last - run.first + 1;
    if (m < 4) {
      for (int i = run.first + 1; i <= run.last; ++i) path.push_back(Map(points, i, axis, frame));
      if (m > 1) lastX = path.back().x;
      continue;
    }
    std::vector<double> xa(static_cast<size_t>(m) + 1, 0.0), ya(xa), y2;
    for (int i = 1; i <= m; ++i) {
      xa[i] = points.x[static_cast<size_t>(run.first + i - 1)];
      ya[i] = points.y[static_cast<size_t>(run.first + i - 1)];
    }
    double slopeStart = (ya[2] - ya[1]) / (xa[2] - xa[1]), slopeEnd = (ya[m] - ya[m - 1]) / (xa[m] - xa[m - 1]);
    SplineSecondDerivatives(xa, ya, m, slopeStart, slopeEnd, y2);
    for (int i = 1; i <= m - 1; ++i) {
      double width = xa[i + 1] - xa[i];
      // One sample per 4 world units across; an interval narrower than that still reaches its end.
      double k = span == 0 ? 0 : std::floor(frame.width * width / span / 4);
      k = std::min(std::max(k, 0.0), 100000.0);
      int K = static_cast<int>(k);
      int samples = K == 0 ? 1 : K + 1;
      for (int j = 1; j <= samples; ++j) {
        double x = K == 0 ? xa[i + 1] : xa[i] + (j - 1) * width / K;
        if (x > xa[i + 1]) continue;
        double y = 0;
        if (!SplineValue(xa, ya, y2, m, x, y)) {
          if (badInput) ++*badInput;
          continue;
        }
        double wx = GraphWorldX(x, axis, frame), wy = GraphWorldY(y, axis, frame);
        if (wx > lastX && wx > 0 && wx <= frame.left + frame.width && wy >= 0 && wy <= frame.top + frame.height) {
          path.push_back({wx, wy});
          lastX = wx;
        }
      }
    }
  }
  return path;
}
