#include "palvore/core/halfspace.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace palvore {

namespace {

template <class Real>
Real LogRatio(Real a, Real b) {
  return std::log(std::fabs(a / b));
}

// Gauss-Legendre rules of 1 .. kMaxPoints points on [-1, 1], in extended precision: the nodes by
// Newton's method on the Legendre polynomial, started from the usual cosine estimates.
constexpr int kMaxPoints = 16;

struct GaussRule {
  int points = 0;
  long double x[kMaxPoints] = {}, w[kMaxPoints] = {};
};

const std::array<GaussRule, kMaxPoints + 1>& GaussRules() {
  static const std::array<GaussRule, kMaxPoints + 1> rules = [] {
    std::array<GaussRule, kMaxPoints + 1> r{};
    const long double pi = 4 * std::atan(1.0L);
    for (int n = 1; n <= kMaxPoints; ++n) {
      r[n].points = n;
      for (int i = 0; i < n; ++i) {
        long double x = std::cos(pi * (i + 0.75L) / (n + 0.5L)), dp = 1;
        for (int step = 0; step < 100; ++step) {
          long double p0 = 1, p1 = x;
          for (int k = 2; k <= n; ++k) {
            const long double p2 = ((2 * k - 1) * x * p1 - (k - 1) * p0) / k;
            p0 = p1;
            p1 = p2;
          }
          dp = n * (x * p1 - p0) / (x * x - 1);
          const long double dx = p1 / dp;
          x -= dx;
          if (std::fabs(dx) < 1E-19L) break;
        }
        r[n].x[i] = x;
        r[n].w[i] = 2 / ((1 - x * x) * dp * dp);
      }
    }
    return r;
  }();
  return rules;
}

// Points of the Gauss-Legendre rule that integrates a function analytic inside the ellipse with
// foci at the ends of [lo, hi] and passing through the nearest singularity at `pole` (on the
// real line) to a relative 1E-13: the error falls as rho^(-2n), rho the ellipse's size. 0 when
// the interval comes too near the singularity for any rule here.
int GaussPoints(long double lo, long double hi, long double pole) {
  const long double half = (hi - lo) / 2, centre = (hi + lo) / 2;
  const long double r = std::fabs(centre - pole) / half;
  if (!(r > 1.5L)) return 0;
  const long double rho = r + std::sqrt(r * r - 1);
  const int n = static_cast<int>(std::ceil(std::log(1E13L) / (2 * std::log(rho))));
  return std::clamp(n, 1, kMaxPoints);
}

template <class Real>
Real PointLoad(Real c, Real b, Real e, Real y, Real nu) {
  const Real z = 2 * c + y, az = std::fabs(z), sz = z < 0 ? Real(-1) : Real(1);
  const Real rb = std::sqrt(b * b + z * z), re = std::sqrt(e * e + z * z);
  const Real first = (3 - 4 * nu) * LogRatio(b + std::sqrt(b * b + y * y), e + std::sqrt(e * e + y * y));
  const Real second = LogRatio(b + rb, e + re);
  const Real third = 2 * c * (c + y) * (b / (z * z * rb) - e / (z * z * re));
  // With t = atan(x / z): sec t + tan t = (r + x sgn z) / |z| and tan(t / 2) = x sgn z / (|z| + r),
  // r = sqrt(x^2 + z^2); below the surface (z > 0) the logarithm is the second term's.
  const Real log4 = z > 0 ? second : LogRatio(rb + sz * b, re + sz * e);
  const Real fourth = 4 * (1 - nu) * (1 - 2 * nu) * (log4 - sz * b / (az + rb) + sz * e / (az + re));
  return first + second + third + fourth;
}

}  // namespace

long double HalfSpacePointLoad(long double c, long double b, long double e, long double y, long double nu) {
  return PointLoad(c, b, e, y, nu);
}

double HalfSpacePointLoad(double c, double b, double e, double y, double nu) { return PointLoad(c, b, e, y, nu); }

long double HalfSpaceInfluence(long double b, long double z, int s, long double nu, long double a, long double dz,
                               bool sheetPile) {
  // At the surface node load and observation point would both lie on the surface.
  const long double t0 = z == 0 ? a / 1000 : 0;
  // The inner half-width keeps the load off the line of the observation point.
  const long double e = sheetPile ? 0.0005L : b / 1000;
  auto f = [&](long double t) { return HalfSpacePointLoad(z + s * t, b, e, dz - s * t, nu); };
  // Away from the node the integrand is smooth: it is singular only where the observation point
  // meets the load's line (y = dz - s t = 0) or its image above the surface (2 z + dz + s t = 0).
  // A Gauss-Legendre rule sized to the distance of the nearer one gives the integral to rounding.
  if (dz != 0) {
    const long double pole = s > 0 ? dz : -dz;                   // t where y = 0
    const long double image = s > 0 ? -(2 * z + dz) : 2 * z + dz;  // t where the image meets it
    const int near = GaussPoints(t0, a, pole), far = GaussPoints(t0, a, image);
    if (near > 0 && far > 0) {
      const int points = std::max(near, far);
      const GaussRule& rule = GaussRules()[points];
      const long double half = (a - t0) / 2, centre = (a + t0) / 2;
      long double sum = 0;
      for (int i = 0; i < points; ++i) sum += rule.w[i] * f(centre + half * rule.x[i]);
      return half * sum;
    }
  }
  // The self term: composite Simpson's rule, 100 intervals, across the node's own singularity.
  const long double h = (a - t0) / 100;
  long double sum = 0;
  for (int m = 1; m <= 50; ++m) sum += f(t0 + (2 * m - 2) * h) + 4 * f(t0 + (2 * m - 1) * h) + f(t0 + 2 * m * h);
  return h / 3 * sum;
}

void HalfSpaceSoilMatrix(SoilMatrix& f, const PileModel& m, long double nu) {
  const int first = m.above + 1, count = m.nodes - m.above;
  f.Resize(count, count);
  const long double surface = m.depth[first];
  for (int i = first; i <= m.nodes; ++i) {
    const int row = i - m.above;
    const long double z = static_cast<long double>(m.depth[i]) - surface;
    // The element below (none at the tip) and the embedded element above (none at the surface).
    const bool below = i < m.nodes, above = i > first;
    const long double bb = below ? static_cast<long double>(m.width[i]) / 2 : 0;
    const long double ba = above ? static_cast<long double>(m.width[i - 1]) / 2 : 0;
    const long double wb = below ? (m.sheetPile ? 0.5L : bb) : 0;
    const long double wa = above ? (m.sheetPile ? 0.5L : ba) : 0;
    const long double lb = below ? m.length[i] : 0, la = above ? m.length[i - 1] : 0;
    auto entry = [&](long double part, long double dz) {
      const long double ab = lb * part, aa = la * part;
      long double g = 0;
      if (below) g += HalfSpaceInfluence(bb, z, +1, nu, ab, dz, m.sheetPile);
      if (above) g += HalfSpaceInfluence(ba, z, -1, nu, aa, dz, m.sheetPile);
      return g / (ab * wb + aa * wa);
    };
    f(row, row) = entry(1.0L / 3, 0);
    for (int j = i + 1; j <= m.nodes; ++j) {
      const long double v = entry(1.0L / 5, static_cast<long double>(m.depth[j]) - m.depth[i]);
      f(row, j - m.above) = f(j - m.above, row) = v;
    }
  }
}

}  // namespace palvore
