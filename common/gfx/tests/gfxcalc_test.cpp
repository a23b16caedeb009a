#include <gtest/gtest.h>

#include "gfx/gfxcalc.h"

namespace {

using gfxcalc::Colour;
using gfxcalc::MakeColour;

struct HswCase {
  double h, s, w;
  int r, g, b;
};

TEST(Hsw, MapsHueSaturationAndWhitenessOntoColours) {
  const HswCase cases[] = {
      {0, 255, 0, 255, 0, 0},       // pure red
      {120, 255, 0, 0, 255, 0},     // pure green
      {240, 255, 0, 0, 0, 255},     // pure blue
      {60, 255, 0, 255, 255, 0},    // yellow, between red and green
      {360, 255, 0, 255, 0, 0},     // hue wraps round
      {-120, 255, 0, 0, 0, 255},    // negative hue wraps too
      {200, 0, 0, 128, 128, 128},   // no saturation: middle grey
      {0, 255, 255, 255, 255, 255}, // full whiteness: white
      {40, 240, 180, 253, 229, 182},  // the views' pale cream background
      {28, 150, 0, 203, 123, 53},     // the analysis progress background
      {0, 999, -5, 255, 0, 0},        // out-of-range values are clamped
  };
  for (const HswCase& c : cases) {
    Colour col = gfxcalc::Hsw(c.h, c.s, c.w);
    EXPECT_EQ(gfxcalc::Red(col), c.r) << c.h << "," << c.s << "," << c.w;
    EXPECT_EQ(gfxcalc::Green(col), c.g) << c.h << "," << c.s << "," << c.w;
    EXPECT_EQ(gfxcalc::Blue(col), c.b) << c.h << "," << c.s << "," << c.w;
  }
}

TEST(Colour, KeepsRedInTheLowByteLikeTheProgramsValues) {
  EXPECT_EQ(MakeColour(255, 0, 0), 255u);
  EXPECT_EQ(MakeColour(0, 0, 255), 16711680u);
  EXPECT_EQ(MakeColour(0, 128, 128), 0x808000u);
}

TEST(DefaultWorld, Has1023UnitsAcrossAndSquareUnits) {
  gfxcalc::World w = gfxcalc::DefaultWorld(610, 305);
  EXPECT_DOUBLE_EQ(w.x2, 1023);
  EXPECT_DOUBLE_EQ(w.y2, 511.5);
  gfxcalc::Mapping m{w, 610, 305};
  EXPECT_DOUBLE_EQ(m.Squareness(), 1.0);
  // A tall table picture (610 x 438) still holds the beam pictures' 600 units of height.
  EXPECT_GT(gfxcalc::DefaultWorld(610, 438).y2, 700);
}

TEST(Mapping, PutsTheWorldRectangleOntoTheWholeWindow) {
  gfxcalc::Mapping m{{0, 0, 10000, 10000}, 1280, 1000};
  EXPECT_EQ(m.X(0), 0);
  EXPECT_EQ(m.X(10000), 1280);
  EXPECT_EQ(m.Y(5000), 500);
  EXPECT_EQ(m.X(1400), 179);  // 179.2
  EXPECT_EQ(m.Y(9300), 930);
  EXPECT_DOUBLE_EQ(m.LengthX(90), 11.52);
  EXPECT_DOUBLE_EQ(m.LengthY(-240), 24);
  // World y units per pixel over x units per pixel: a circle of radii 70 and 70 x 1.28 is round.
  EXPECT_DOUBLE_EQ(m.Squareness(), 1.28);
  EXPECT_DOUBLE_EQ(m.WorldX(640), 5000);
  EXPECT_DOUBLE_EQ(m.WorldLengthY(24), 240);
}

TEST(Mapping, HandlesOffsetAndReversedWorlds) {
  gfxcalc::Mapping m{{100, 600, 1100, 0}, 500, 300};  // y upwards
  EXPECT_EQ(m.X(100), 0);
  EXPECT_EQ(m.X(600), 250);
  EXPECT_EQ(m.Y(600), 0);
  EXPECT_EQ(m.Y(0), 300);
  EXPECT_EQ(m.Y(150), 225);
  EXPECT_DOUBLE_EQ(m.LengthY(100), 50);
  EXPECT_DOUBLE_EQ(m.WorldY(300), 0);
}

TEST(UsableWorld, RejectsEmptyRanges) {
  EXPECT_TRUE(gfxcalc::UsableWorld({0, 0, 1023, 511}));
  EXPECT_FALSE(gfxcalc::UsableWorld({5, 0, 5, 511}));
  EXPECT_FALSE(gfxcalc::UsableWorld({0, 7, 1023, 7}));
}

TEST(Gradient, RunsFromTheFirstToTheSecondColour) {
  for (long style = 1; style <= 9; ++style) {
    gfxcalc::GradientStyle g = gfxcalc::Gradient(style);
    EXPECT_EQ(gfxcalc::GradientColour(style, 0), g.from) << style;
    EXPECT_EQ(gfxcalc::GradientColour(style, 1), g.mirrored ? g.from : g.to) << style;
  }
  // The mirrored heading band: the second colour in the middle.
  EXPECT_EQ(gfxcalc::GradientColour(4, 0.5), gfxcalc::Gradient(4).to);
  // Half way along style 8 (black to grey) is dark grey.
  Colour mid = gfxcalc::GradientColour(8, 0.5);
  EXPECT_EQ(gfxcalc::Red(mid), 64);
  EXPECT_EQ(gfxcalc::Blue(mid), 64);
  EXPECT_FALSE(gfxcalc::GradientDefined(0));
  EXPECT_FALSE(gfxcalc::GradientDefined(10));
}

TEST(TraceSpelling, WritesWholeNumbersPlainAndTextsQuoted) {
  EXPECT_EQ(gfxcalc::TraceNumber(10000), "10000");
  EXPECT_EQ(gfxcalc::TraceNumber(-3), "-3");
  EXPECT_EQ(gfxcalc::TraceNumber(16711680), "16711680");
  EXPECT_EQ(gfxcalc::TraceNumber(1.28), "1.28");
  EXPECT_EQ(gfxcalc::TraceNumber(0.000125), "0.000125");
  EXPECT_EQ(gfxcalc::TraceText("C\"L\"\r\n"), "\"C\\\"L\\\"\\r\\n\"");
}

}  // namespace
