// The half-space rule of the job checks: each modulus above 0, each Poisson's ratio above 0 and at
// most 0.5, the first value that fails named with the half-space's support item.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/correction.h"

namespace {

TEST(HalfSpaceDataProblem, NamesTheItemAndTheFirstValueThatFails) {
  const std::string iso5 = " INCORRECT SUPPORT DATA OF ITEM 5 \r\n (HALF-SPACE: ";
  const std::string cross6 = " INCORRECT SUPPORT DATA OF ITEM 6 \r\n (HALF-SPACE: ";
  const std::string positive = "; it must be bigger than 0)";
  const std::string ratio = "; it must be above 0 and at most 0.5)";
  const struct {
    int item;
    std::vector<std::string> texts;
    std::string message;  // "" when the values pass
  } cases[] = {
      {5, {"2.0E+4", "0.3"}, ""},
      {5, {"2.0E+4", "0.5"}, ""},  // an incompressible soil
      {5, {"0", "0"}, iso5 + "Modulus of Elasticity, E[kPa]= 0" + positive},  // what Ok without data wrote
      {5, {"", ""}, iso5 + "Modulus of Elasticity, E[kPa]= 0" + positive},
      {5, {"-2.0E+4", "0.3"}, iso5 + "Modulus of Elasticity, E[kPa]= -20000" + positive},
      {5, {"2.0E+4", "0"}, iso5 + "Poisson's Ratio, Nu= 0" + ratio},
      {5, {"2.0E+4", "0.51"}, iso5 + "Poisson's Ratio, Nu= .51" + ratio},
      {5, {"2.0E+4", "-0.2"}, iso5 + "Poisson's Ratio, Nu= -.2" + ratio},
      {4, {" 3E4 ", " .25 "}, ""},
      {4, {"3E4", "x"}, " INCORRECT SUPPORT DATA OF ITEM 4 \r\n (HALF-SPACE: Poisson's Ratio, Nu= 0" + ratio},
      {6, {"2E4", "4E4", "8E3", "0.2", "0.15"}, ""},
      {6, {"0", "0", "0", "0", "0"}, cross6 + "Vertical Modulus of Elasticity, Ev[kPa]= 0" + positive},
      {6, {"2E4", "0", "8E3", "0.2", "0.15"}, cross6 + "Horizontal Modulus of Elasticity, Eh[kPa]= 0" + positive},
      {6, {"2E4", "4E4", "0", "0.2", "0.15"}, cross6 + "Quasi Shear Modulus, Gv[kPa]= 0" + positive},
      {6, {"2E4", "4E4", "8E3", "0.6", "0.15"},
       cross6 + "Poisson's Ratio for Complementary Horizontal Strain, NUh= .6" + ratio},
      {6, {"2E4", "4E4", "8E3", "0.2", "0"}, cross6 + "Poisson's Ratio for Vertical Strain, NUv= 0" + ratio},
  };
  for (const auto& c : cases) {
    std::string label = "item " + std::to_string(c.item);
    for (const std::string& t : c.texts) label += " '" + t + "'";
    EXPECT_EQ(HalfSpaceDataProblem(c.item, c.texts), c.message) << label;
  }
}

}  // namespace
