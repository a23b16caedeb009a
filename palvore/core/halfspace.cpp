#include "palvore/core/halfspace.h"

#include <cmath>

namespace palvore {

namespace {

long double LogRatio(long double a, long double b) { return std::log(std::fabs(a / b)); }

}  // namespace

long double HalfSpacePointLoad(long double c, long double b, long double e, long double y, long double nu) {
  const long double z = 2 * c + y;
  const long double t1 = std::atan(b / z), t2 = std::atan(e / z);
  const long double rb = std::sqrt(b * b + z * z), re = std::sqrt(e * e + z * z);
  const long double first = (3 - 4 * nu) * LogRatio(b + std::sqrt(b * b + y * y), e + std::sqrt(e * e + y * y));
  const long double second = LogRatio(b + rb, e + re);
  const long double third = 2 * c * (c + y) * (b / (z * z * rb) - e / (z * z * re));
  const long double fourth = 4 * (1 - nu) * (1 - 2 * nu) *
                             (LogRatio(1 / std::cos(t1) + std::tan(t1), 1 / std::cos(t2) + std::tan(t2)) -
                              std::tan(t1 / 2) + std::tan(t2 / 2));
  return first + second + third + fourth;
}

long double HalfSpaceInfluence(long double b, long double z, int s, long double nu, long double a, long double dz,
                               bool sheetPile) {
  // At the surface node load and observation point would both lie on the surface.
  const long double t0 = z == 0 ? a / 1000 : 0;
  const long double h = (a - t0) / 100;
  // The inner half-width keeps the load off the line of the observation point.
  const long double e = sheetPile ? 0.0005L : b / 1000;
  auto f = [&](long double t) { return HalfSpacePointLoad(z + s * t, b, e, dz - s * t, nu); };
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
