// The soil's law at the points of a final contact state, as the iterations check it.
#include <gtest/gtest.h>

#include <cmath>

#include "core/soillaw.h"

namespace soillaw {
namespace {

ContactPoint Point(PointState state, double pressure, double yieldStress, double excess = 0, double allowance = 0) {
  ContactPoint p;
  p.state = state;
  p.pressure = pressure;
  p.yieldStress = yieldStress;
  p.excess = excess;
  p.allowance = allowance;
  return p;
}

TEST(SoilLaw, EachStateAgainstTheLaw) {
  SoilLaw winkler;  // holds tension, no allowances
  SoilLaw wall;
  wall.holdsTension = false;
  SoilLaw halfSpace;
  halfSpace.elasticAllowance = 0.001;
  const struct {
    ContactPoint point;
    const SoilLaw* law;
    bool sound;
    const char* what;
  } cases[] = {
      {Point(PointState::kElastic, 99.9, 100), &winkler, true, "elastic below its yield stress"},
      {Point(PointState::kElastic, -99.9, 100), &winkler, true, "elastic in tension below it"},
      {Point(PointState::kElastic, 100, 100), &winkler, false, "elastic at its yield stress"},
      {Point(PointState::kElastic, 100.0005, 100), &halfSpace, true, "elastic within the allowance"},
      {Point(PointState::kElastic, 100.002, 100), &halfSpace, false, "elastic beyond the allowance"},
      {Point(PointState::kElastic, 5000, 0), &winkler, true, "elastic where the soil never yields"},
      {Point(PointState::kElastic, -1, 100), &wall, false, "tension in a soil that holds none"},
      {Point(PointState::kYielded, -100, 100, 3), &winkler, true, "yielded, resisting the motion"},
      {Point(PointState::kYielded, -100, 100, -3), &winkler, false, "yielded, pulling the way it moves"},
      {Point(PointState::kYielded, 100, 100, -0.05, 0.1), &winkler, true, "yielded, unloaded within the allowance"},
      {Point(PointState::kYielded, 90, 100, 1), &winkler, false, "yielded off its yield stress"},
      {Point(PointState::kYielded, 100, 0, 1), &winkler, false, "yielded without a yield stress"},
      {Point(PointState::kYielded, -100, 100, 1), &wall, false, "yielded in tension in a soil that holds none"},
      {Point(PointState::kSeparated, 0, 100, 0.002), &wall, true, "separated, moved away"},
      {Point(PointState::kSeparated, 0, 100, -0.002), &wall, false, "separated, pressed into the soil"},
      {Point(PointState::kSeparated, 4, 100, 0.002), &wall, false, "separated, carrying pressure"},
      {Point(PointState::kElastic, NAN, 100), &winkler, false, "no number"},
  };
  for (const auto& c : cases) EXPECT_EQ(ObeysSoilLaw(c.point, *c.law), c.sound) << c.what;
}

TEST(SoilLaw, FirstUnsoundPointOfAState) {
  std::vector<ContactPoint> state = {Point(PointState::kElastic, 10, 100), Point(PointState::kYielded, 100, 100, 1),
                                     Point(PointState::kYielded, 100, 100, -1), Point(PointState::kElastic, 120, 100)};
  EXPECT_EQ(FirstUnsoundPoint(state, SoilLaw{}), 3);
  state[2].excess = 1;
  EXPECT_EQ(FirstUnsoundPoint(state, SoilLaw{}), 4);
  state.pop_back();
  EXPECT_EQ(FirstUnsoundPoint(state, SoilLaw{}), 0);
  EXPECT_EQ(FirstUnsoundPoint({}, SoilLaw{}), 0);
}

}  // namespace
}  // namespace soillaw
