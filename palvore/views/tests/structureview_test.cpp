// Palvore's structure views as drawn, read from the graphics trace: the pile and its nodes, the
// soil line's words, the heading and labels of each table kind.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "../../../common/tests/testdir.h"
#include "gfx/gfx.h"
#include "palvore/core/globals.h"
#include "palvore/views/views.h"
#include "win/testing/viewfixture.h"
#include "win/testing/wintest.h"

namespace {

using wintest::TraceCapture;

bool HasText(const TraceCapture& trace, const std::string& text) {
  return trace.Has("gfx DrawTextRowEx(0, \"" + text + "\"");
}

class PalvoreViewTest : public wintest::ViewTest {
 protected:
  PalvoreViewTest() : ViewTest("PalvoreViewsHost", 900, 700) { palvore::Geometry = palvore::PileGeometry(); }
  void Draw(const std::string& view, const std::string& kind) {
    trace_.Clear();
    palvore::DrawStructureView(host_, 10, 10, 610, 610, view, 1, kind);
  }
};

TEST_F(PalvoreViewTest, ElasticRestraintsOfASheetPile) {
  palvore::Geometry.sheetPile = true;
  Draw("Supp", "ELASTIC");
  for (const char* text : {"ELASTIC RESTRAINTS", "Dredge Line", "Nodal Line", "(kh)", "(kr)", "Pile's Top"})
    EXPECT_TRUE(HasText(trace_, text)) << text;
  EXPECT_FALSE(HasText(trace_, "Soil Surface"));
  // The pile, its nodes, the frame opened, held, shown on the background.
  EXPECT_TRUE(trace_.Has("gfx DrawLineEx(0, 500, 150, 500, 912)"));
  EXPECT_TRUE(trace_.Has("gfx OpenGfx("));
  EXPECT_TRUE(trace_.Has("gfx GfxWindow(5)"));
  EXPECT_TRUE(trace_.Has("gfx GfxWindow(3)"));
  EXPECT_TRUE(trace_.Has("gfx BrushColorEx(0, " + std::to_string(Hsw(40, 240, 180)) + ")"));
}

TEST_F(PalvoreViewTest, EveryTableKindHasItsPicture) {
  struct Case {
    const char *view, *kind, *heading, *label;
  } cases[] = {
      {"Geom", "GEOMETRY", "GEOMETRY IDEALIZATION", "B"},
      {"Supp", "UNYIELD", "UNYIELDING SUPPORTS", "Unyielding Support"},
      {"Supp", "WINKLER", "WINKLER SOIL", "(k=linear)"},
      {"Supp", "ANY", "WINKLER SOIL", "Winkler Soil "},
      {"Load", "TRAPEZOIDAL", "TRAPEZOIDAL LOAD", "qj"},
      {"Load", "NODAL", "NODAL LOADS", "Mi"},
      {"Load", "ANY", "NODAL LOADS", "Pi"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.heading);
    Draw(c.view, c.kind);
    EXPECT_TRUE(HasText(trace_, c.heading));
    EXPECT_TRUE(HasText(trace_, c.label));
    EXPECT_TRUE(HasText(trace_, "Soil Surface"));
    EXPECT_TRUE(HasText(trace_, "Node"));
    GfxWindowEx(0, kGfxClose);
  }
}

// The moment arc is drawn of straight segments.
TEST_F(PalvoreViewTest, TheMomentArcIsSegments) {
  Draw("Load", "NODAL");
  EXPECT_FALSE(trace_.Has("gfx DrawArc"));
  EXPECT_TRUE(trace_.Has("gfx DrawMultiLineEx(0, 13,"));  // 120 degrees in steps of 10
}

TEST_F(PalvoreViewTest, AnUnknownViewDrawsTheSchematicOnly) {
  Draw("Other", "");
  EXPECT_TRUE(HasText(trace_, "Pile's Top"));
  EXPECT_FALSE(HasText(trace_, "GEOMETRY IDEALIZATION"));
}

}  // namespace
