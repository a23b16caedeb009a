// Murelo's structure views as drawn, read from the graphics trace: the heading of each picture,
// the side of the node labels along the edited substructure and the words of the table kinds.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "../../../common/tests/testdir.h"
#include "gfx/gfx.h"
#include "murelo/core/globals.h"
#include "murelo/views/views.h"
#include "win/testing/viewfixture.h"
#include "win/testing/wintest.h"

namespace {

using wintest::TraceCapture;

// Where the text was drawn from (the first time), or (-1, -1).
std::pair<int, int> TextAt(const TraceCapture& trace, const std::string& text) {
  const std::string start = "gfx DrawTextRowEx(0, \"" + text + "\"";
  for (const std::string& line : trace.Lines()) {
    if (line.rfind(start, 0) != 0) continue;
    double x = 0, y = 0;
    size_t at = line.find(" at(");
    if (at != std::string::npos && std::sscanf(line.c_str() + at, " at(%lf, %lf)", &x, &y) == 2)
      return {static_cast<int>(x), static_cast<int>(y)};
  }
  return {-1, -1};
}

class MureloViewTest : public wintest::ViewTest {
 protected:
  MureloViewTest() : ViewTest("MureloViewsHost", 900, 700) {}
  void Draw(const std::string& substructure, const std::string& view, const std::string& kind) {
    murelo::CurrentSubstructure = substructure;
    trace_.Clear();
    murelo::DrawStructureView(host_, 10, 10, 610, 610, view, 1, kind);
  }
};

TEST_F(MureloViewTest, TrapezoidalLoadOfTheStemAndOfThePlate) {
  Draw("WALL", "Load", "TRAPEZOIDAL");
  EXPECT_TRUE(trace_.Has("gfx DrawTextRowEx(0, \"TRAPEZOIDAL HORIZONTAL LOAD\""));
  // Labels on top: left of the stem (x 400).
  std::pair<int, int> i = TextAt(trace_, "i");
  EXPECT_LT(i.first, 400);
  EXPECT_TRUE(trace_.Has("gfx DrawTextRowEx(0, \"qi\""));
  EXPECT_TRUE(trace_.Has("gfx DrawTextRowEx(0, \"qj\""));

  Draw("BASE PLATE", "Load", "TRAPEZOIDAL");
  EXPECT_TRUE(trace_.Has("gfx DrawTextRowEx(0, \"TRAPEZOIDAL LOAD\""));
  EXPECT_FALSE(trace_.Has("gfx DrawTextRowEx(0, \"TRAPEZOIDAL HORIZONTAL LOAD\""));
  // Labels below the plate (y 780).
  EXPECT_GT(TextAt(trace_, "i").second, 780);
  EXPECT_GT(TextAt(trace_, "n").second, 780);

  Draw("WALL", "Load", "TRAPEZOIDAL (Vertical)");
  EXPECT_TRUE(trace_.Has("gfx DrawTextRowEx(0, \"TRAPEZOIDAL VERTICAL LOAD\""));
}

// The stem's geometry names its sample element at the element and again as a key in the column of
// the nodes' key, behind the element's mark, not as a label standing alone under the picture.
TEST_F(MureloViewTest, TheStemsElementKeyHasItsMarkBesideTheNodesKey) {
  Draw("WALL", "Geom", "GEOMETRY");
  int keys = 0;
  double lastX = -1, lastY = -1;
  for (const std::string& line : trace_.Lines()) {
    double x = 0, y = 0;
    const size_t at = line.find(" at(");
    if (line.rfind("gfx DrawTextRowEx(0, \"Element \"", 0) == 0 && at != std::string::npos &&
        std::sscanf(line.c_str() + at, " at(%lf, %lf)", &x, &y) == 2 && y > 800) {
      ++keys;
      lastX = x;
      lastY = y;
    }
  }
  EXPECT_EQ(keys, 1);
  EXPECT_EQ(lastX, TextAt(trace_, "Designates ").first);
  EXPECT_TRUE(trace_.Has("gfx DrawLineEx(0, 100, 897, 128, 897)")) << lastY;
}

TEST_F(MureloViewTest, NodalLoadsOfEachSubstructure) {
  Draw("WALL", "Load", "NODAL");
  EXPECT_TRUE(trace_.Has("gfx DrawTextRowEx(0, \"NODAL LOADS\""));
  for (const char* word : {"Ph", "Qv", "M"}) EXPECT_TRUE(trace_.Has(std::string("gfx DrawTextRowEx(0, \"") + word + "\"")) << word;
  Draw("BASE PLATE", "Load", "NODAL");
  EXPECT_TRUE(trace_.Has("gfx DrawTextRowEx(0, \"Pv\""));
  EXPECT_FALSE(trace_.Has("gfx DrawTextRowEx(0, \"Ph\""));
}

TEST_F(MureloViewTest, RestraintsReadKvOnThePlateAndKhOnTheStem) {
  Draw("BASE PLATE", "Supp", "ELASTIC");
  EXPECT_TRUE(trace_.Has("gfx DrawTextRowEx(0, \"ELASTIC RESTRAINTS\""));
  EXPECT_TRUE(trace_.Has("gfx DrawTextRowEx(0, \"(kv)\""));
  EXPECT_FALSE(trace_.Has("gfx DrawTextRowEx(0, \"(kh)\""));
  EXPECT_TRUE(trace_.Has("gfx DrawTextRowEx(0, \"(kr)\""));
  // Labels above the plate.
  EXPECT_LT(TextAt(trace_, "i").second, 780);
  Draw("WALL", "Supp", "ELASTIC");
  EXPECT_TRUE(trace_.Has("gfx DrawTextRowEx(0, \"(kh)\""));
  EXPECT_TRUE(trace_.Has("gfx DrawTextRowEx(0, \"(kr)\""));
  EXPECT_FALSE(trace_.Has("gfx DrawTextRowEx(0, \"(kv)\""));
}

TEST_F(MureloViewTest, UnyieldingWinklerAndGeometryPictures) {
  Draw("BASE PLATE", "Supp", "UNYIELD");
  EXPECT_TRUE(trace_.Has("gfx DrawTextRowEx(0, \"UNYIELDING SUPPORTS\""));
  EXPECT_TRUE(trace_.Has("gfx DrawTextRowEx(0, \"Unyielding Support\""));
  Draw("BASE PLATE", "Supp", "WINKLER");
  EXPECT_TRUE(trace_.Has("gfx DrawTextRowEx(0, \"WINKLER FOUNDATION\""));
  EXPECT_TRUE(trace_.Has("gfx DrawTextRowEx(0, \"Winkler Found.\""));
  EXPECT_TRUE(trace_.Has("gfx DrawTextRowEx(0, \"(k=linear)\""));
  Draw("WALL", "Geom", "GEOMETRY");
  EXPECT_TRUE(trace_.Has("gfx DrawTextRowEx(0, \"GEOMETRY IDEALIZATION\""));
  EXPECT_TRUE(trace_.Has("gfx DrawTextRowEx(0, \"t\""));
  EXPECT_TRUE(trace_.Has("gfx DrawTextRowEx(0, \"s\""));
  EXPECT_TRUE(trace_.Has("gfx DrawTextRowEx(0, \"Backfill\""));
  EXPECT_TRUE(trace_.Has("gfx DrawTextRowEx(0, \"Nodal Line\""));
}

}  // namespace
