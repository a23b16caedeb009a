#pragma once
// The soil's law at the contact points of a final contact state: what an elastic-plastic
// iteration checks before it reports its state as settled. Each solver describes its points in
// its own measures (a Winkler half by its end's pressure and trial pressure, a half-space node by
// its pressure and its slip against the soil surface, a plate node that has left the soil by its
// gap); the law is the same for all.
#include <vector>

namespace soillaw {

enum class PointState { kElastic, kYielded, kSeparated };

struct ContactPoint {
  PointState state = PointState::kElastic;
  double pressure = 0;     // the soil's pressure on the structure, positive against positive motion [kPa]
  double yieldStress = 0;  // at most 0: the soil there never yields
  // Yielded: how far the structure's motion goes, in the pressure's direction, beyond where the
  // soil yields (a Winkler half: its trial pressure past the yield stress; a half-space node: its
  // slip past the soil surface). Separated: how far the structure has moved away from the soil.
  // The law asks for 0 or more; `allowance` is how far below 0 it may fall.
  double excess = 0, allowance = 0;
};

struct SoilLaw {
  bool holdsTension = true;     // a soil that does not takes no pressure below 0
  double elasticAllowance = 0;  // by how much an elastic point's pressure may reach its yield stress [kPa]
  double yieldTolerance = 0;    // how far a yielded point's pressure may lie off its yield stress, relative
};

// Whether one point obeys the law: an elastic point below its yield stress (and free of tension
// where the soil holds none), a yielded one at its yield stress and resisting the motion that
// yields it, a separated one free of pressure and away from the soil.
bool ObeysSoilLaw(const ContactPoint& point, const SoilLaw& law);

// The first point (1-based) of a state that breaks the law, 0 when all obey it.
int FirstUnsoundPoint(const std::vector<ContactPoint>& points, const SoilLaw& law);

}  // namespace soillaw
