#include "core/soillaw.h"

#include <cmath>

namespace soillaw {

bool ObeysSoilLaw(const ContactPoint& c, const SoilLaw& law) {
  const double p = c.pressure, y = c.yieldStress;
  if (!std::isfinite(p)) return false;
  switch (c.state) {
    case PointState::kElastic:
      if (!law.holdsTension && p < 0) return false;
      return !(y > 0) || std::fabs(p) - y < law.elasticAllowance;
    case PointState::kYielded:
      if (!(y > 0) || (!law.holdsTension && p < 0)) return false;
      if (std::fabs(std::fabs(p) - y) > law.yieldTolerance * y) return false;
      return c.excess >= -c.allowance;
    case PointState::kSeparated:
      return p == 0 && c.excess >= -c.allowance;
  }
  return false;
}

int FirstUnsoundPoint(const std::vector<ContactPoint>& points, const SoilLaw& law) {
  for (size_t i = 0; i < points.size(); ++i)
    if (!ObeysSoilLaw(points[i], law)) return static_cast<int>(i) + 1;
  return 0;
}

}  // namespace soillaw
