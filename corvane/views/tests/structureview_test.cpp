// Corvane's structure views as drawn, read from the graphics trace: the structure line and its
// nodes of a beam, a plate and a tank (flat and shell roof), the axis of symmetry, the headings
// and legends of the table kinds, the enlarged nodes of a tank substructure, the shell roof's
// load labels by load type, and the size of a view beside a table window.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "../../../common/tests/testdir.h"
#include "corvane/core/globals.h"
#include "corvane/core/slots.h"
#include "corvane/views/views.h"
#include "gfx/gfx.h"
#include "win/testing/viewfixture.h"
#include "win/testing/wintest.h"

namespace corvane {
namespace {

using wintest::TraceCapture;

struct Circle {
  int x, y, radius;
  bool operator==(const Circle& o) const { return x == o.x && y == o.y && radius == o.radius; }
};

class StructureViewTest : public wintest::ViewTest {
 protected:
  StructureViewTest() : ViewTest("CorvaneViewsTestHost", 900, 800) { GeometryAnswers.assign(8, "N"); }
  // Draws view of the structure with the table kind (and a shell roof's load type).
  void Draw(const std::string& type, const std::string& substructure, const std::string& view,
            const std::string& kind, bool shell = false, const std::string& loadType = "") {
    StructureType = type;
    Substructure = substructure;
    GeometryAnswers[kShellRoofSlot] = shell ? "Y" : "N";
    GeometryAnswers[kRoofLoadKindSlot] = loadType;
    TableViewKind = kind;
    trace_.Clear();
    long width = 610, height = type == "TANK" ? 610 : 305;
    HWND host = host_.get();  // the view takes its window by reference
    DrawStructureView(host, 10, 10, width, height, view, 1);
  }
  std::vector<std::string> Lines() const { return trace_.Lines(); }
  bool Has(const std::string& prefix) const { return trace_.Has(prefix); }
  // A text drawn from (x, y).
  bool HasTextAt(const std::string& text, int x, int y) const {
    std::string call = "gfx DrawTextRowEx(0, \"" + text + "\"";
    std::string at = "at(" + std::to_string(x) + ", " + std::to_string(y) + ")";
    for (const std::string& line : Lines())
      if (line.rfind(call, 0) == 0 && line.find(at) != std::string::npos) return true;
    return false;
  }
  std::vector<Circle> Circles() const {
    std::vector<Circle> circles;
    for (const std::string& line : Lines()) {
      double r = 0, x = 0, y = 0;
      if (std::sscanf(line.c_str(), "gfx DrawCircleEx(0, %lf) w%*d at(%lf, %lf)", &r, &x, &y) == 3)
        circles.push_back({static_cast<int>(x), static_cast<int>(y), static_cast<int>(r)});
    }
    return circles;
  }
  bool HasCircle(int x, int y, int radius) const {
    for (const Circle& c : Circles())
      if (c == Circle{x, y, radius}) return true;
    return false;
  }
};

const char* const kAxis = "gfx DrawLineEx(0, 99, 265, 99, 110)";

TEST_F(StructureViewTest, ABeamsUnyieldingSupports) {
  Draw("BEAM/STRIP", "BEAM", "Supp", "UNYIELD");
  EXPECT_TRUE(Has("gfx GfxWorldEx(0, 0, 0, 1023, 511)"));
  EXPECT_TRUE(Has("gfx DrawLineEx(0, 100, 400, 940, 400)"));
  for (int k = 0; k <= 7; ++k) EXPECT_TRUE(HasCircle(100 + 120 * k, 400, 6)) << k;
  EXPECT_TRUE(Has("gfx DrawTextRowEx(0, \"UNYIELDING SUPPORTS\", 285212673)"));
  EXPECT_TRUE(Has("gfx DrawTextRowEx(0, \"Designates Node\""));
  EXPECT_TRUE(Has("gfx DrawTextRowEx(0, \"Unyielding Support\""));
  EXPECT_TRUE(Has("gfx DrawPolygonEx(0, 3, [(100, 407) (70, 452) (130, 452)])"));
  EXPECT_FALSE(Has(kAxis));
  EXPECT_FALSE(Has("gfx DrawLineEx(0, 820, "));  // no wall
  EXPECT_TRUE(Has("gfx GfxWindowEx(0, 3)"));
}

TEST_F(StructureViewTest, APlateHasTheAxisOfSymmetryAndNodalLines) {
  Draw("PLATE", "PLATE", "Geom", "");
  EXPECT_TRUE(Has("gfx PenEx(0, 16711680, 3, 1)"));
  EXPECT_TRUE(Has(kAxis));
  EXPECT_TRUE(HasTextAt("C", 94, 90));
  EXPECT_TRUE(HasTextAt("L", 98, 98));
  EXPECT_TRUE(Has("gfx DrawTextRowEx(0, \"GEOMETRY IDEALISATION\", 285212673)"));
  EXPECT_TRUE(Has("gfx DrawTextRowEx(0, \"Designates Nodal Line\""));
  EXPECT_FALSE(Has("gfx DrawTextRowEx(0, \"Designates Node\""));
  EXPECT_FALSE(HasCircle(460, 400, 9));  // only a tank's nodes are enlarged
}

// An annular plate's axis stands left of its inner edge (node 1 at x 100), across the hole.
TEST_F(StructureViewTest, AnAnnularPlatesAxisStandsClearOfItsInnerEdge) {
  JobDataTable.Redim(8, 6);
  JobDataTable(1, 2) = 1.5;
  Draw("PLATE", "PLATE", "Geom", "");
  JobDataTable(1, 2) = 0;
  EXPECT_FALSE(Has(kAxis));
  EXPECT_TRUE(Has("gfx DrawLineEx(0, 40, 265, 40, 110)"));
  EXPECT_TRUE(HasTextAt("C", 35, 90));
  EXPECT_TRUE(HasTextAt("L", 39, 98));
}

// The geometry view names the element's dimensions as its table's columns do, one name each: a
// beam's L and h, a strip's L and t.
TEST_F(StructureViewTest, TheGeometryViewNamesTheTablesDimensions) {
  const struct {
    const char* sub;
    std::vector<std::string> shown, not_shown;
  } cases[] = {{"BEAM", {"L", "h"}, {"s", "t"}}, {"STRIP", {"L", "t"}, {"s", "h"}}};
  for (const auto& c : cases) {
    Draw("BEAM/STRIP", c.sub, "Geom", "");
    for (const std::string& t : c.shown) EXPECT_TRUE(Has("gfx DrawTextRowEx(0, \"" + t + "\"")) << c.sub << " " << t;
    for (const std::string& t : c.not_shown) EXPECT_FALSE(Has("gfx DrawTextRowEx(0, \"" + t + "\"")) << c.sub << " " << t;
  }
}

// A beam's trapezoidal load: the label "Element i" (about 110 units wide) ends left of "qi".
TEST_F(StructureViewTest, TheTrapezoidalLoadsElementLabelStandsClearOfQi) {
  Draw("BEAM/STRIP", "BEAM", "Load", "TRAPEZOIDAL");
  auto at = [this](const std::string& text) {
    const std::string start = "gfx DrawTextRowEx(0, \"" + text + "\"";
    for (const std::string& line : Lines()) {
      double x = 0, y = 0;
      const size_t p = line.find(" at(");
      if (line.rfind(start, 0) == 0 && p != std::string::npos && std::sscanf(line.c_str() + p, " at(%lf, %lf)", &x, &y) == 2)
        return x;
    }
    return -1.0;
  };
  const double element = at("Element "), qi = at("qi");
  ASSERT_GE(element, 0);
  ASSERT_GE(qi, 0);
  EXPECT_LE(element + 110, qi);
}

TEST_F(StructureViewTest, ATanksWallAndRoofWithTheirNodes) {
  Draw("TANK", "BASE PLATE", "Supp", "ELASTIC");
  EXPECT_TRUE(Has("gfx GfxWorldEx(0, 0, 0, 1023, 1023)"));
  EXPECT_TRUE(Has("gfx DrawLineEx(0, 100, 912, 940, 912)"));
  EXPECT_TRUE(Has("gfx DrawLineEx(0, 820, 912, 820, 252)"));
  EXPECT_TRUE(Has("gfx DrawLineEx(0, 220, 252, 890, 252)"));  // a flat roof
  for (int y = 802; y >= 252; y -= 110) EXPECT_TRUE(HasCircle(820, y, 6)) << y;
  EXPECT_TRUE(HasCircle(890, 252, 6));
  for (int x = 220; x <= 700; x += 120) EXPECT_TRUE(HasCircle(x, 252, 6)) << x;
  EXPECT_TRUE(Has(kAxis));
  EXPECT_TRUE(Has("gfx DrawTextRowEx(0, \"ELASTIC SUPPORTS\", 285212673)"));
  EXPECT_TRUE(Has("gfx DrawTextRowEx(0, \"ROOF PLATE\""));

  Draw("TANK", "ROOF STRUCTURE", "Supp", "WINKLER", true);
  EXPECT_TRUE(Has("gfx DrawMultiLineEx(0, 7, [(220, 140) (340, 144) (460, 156) (580, 176) (700, 212) (820, 252) "
                  "(890, 276)])"));
  EXPECT_FALSE(Has("gfx DrawLineEx(0, 220, 252, 890, 252)"));
  EXPECT_TRUE(HasCircle(580, 176, 6));
  EXPECT_TRUE(Has("gfx DrawTextRowEx(0, \"WINKLER FOUNDATION\", 285212673)"));
  EXPECT_TRUE(Has("gfx DrawTextRowEx(0, \"(k=const.)\""));
  EXPECT_FALSE(Has("gfx DrawTextRowEx(0, \"(k=linear)\""));  // a beam's second bed only
}

TEST_F(StructureViewTest, TheGeometryViewOfATankSubstructureEnlargesItsNodes) {
  Draw("TANK", "WALL", "Geom", "");
  for (int k = 0; k <= 6; ++k) EXPECT_TRUE(HasCircle(820, 912 - 110 * k, 9)) << k;
  EXPECT_FALSE(HasCircle(460, 912, 9));
  EXPECT_TRUE(Has("gfx BrushColorEx(0, 16711935)"));
  Draw("TANK", "BASE PLATE", "Geom", "");
  for (int k = 0; k <= 7; ++k) EXPECT_TRUE(HasCircle(100 + 120 * k, 912, 9)) << k;
  EXPECT_FALSE(HasCircle(820, 802, 9));
}

TEST_F(StructureViewTest, AShellRoofsTrapezoidalLabelsFollowTheLoadType) {
  const struct {
    const char* type;
    const char* i;
    const char* j;
    const char* note;
  } cases[] = {
      {"3", "qvi", "qvj", "(LOAD Intensity being related to Element Width)"},
      {"4", "pvi", "pvj", "(LOAD Intensity being related to Element Horiz. Projection)"},
      {"5", "phi", "phj", "(LOAD Intensity being related to Element Vert. Projection)"},
      {"6", "qni", "qnj", "(LOAD Intensity being related to Element Width)"},
      {"7", "qti", "qtj", "(LOAD Intensity being related to Element Width)"},
  };
  for (const auto& c : cases) {
    Draw("TANK", "ROOF STRUCTURE", "Load", "TRAPEZOIDAL", true, c.type);
    EXPECT_TRUE(Has(std::string("gfx DrawTextRowEx(0, \"") + c.i + "\"")) << c.type;
    EXPECT_TRUE(Has(std::string("gfx DrawTextRowEx(0, \"") + c.j + "\"")) << c.type;
    EXPECT_TRUE(Has(std::string("gfx DrawTextRowEx(0, \"") + c.note + "\"")) << c.type;
    EXPECT_TRUE(Has(std::string("gfx DrawTextRowEx(0, \"Current LOAD Type: ") + c.type + "\"")) << c.type;
    EXPECT_FALSE(Has("gfx DrawTextRowEx(0, \"qi\"")) << c.type;
    EXPECT_TRUE(HasCircle(340, 144, 9)) << c.type;
  }
  // The roof load table may name its type as its kind.
  Draw("TANK", "ROOF STRUCTURE", "Load", "5", true, "");
  EXPECT_TRUE(Has("gfx DrawTextRowEx(0, \"phj\""));
  EXPECT_TRUE(Has("gfx DrawTextRowEx(0, \"TRAPEZOIDAL LOAD\", 285212673)"));
  // A flat roof and a beam keep qi and qj.
  Draw("TANK", "ROOF STRUCTURE", "Load", "TRAPEZOIDAL", false, "3");
  EXPECT_TRUE(Has("gfx DrawTextRowEx(0, \"qi\""));
  EXPECT_FALSE(Has("gfx DrawTextRowEx(0, \"qvi\""));
  Draw("BEAM/STRIP", "STRIP", "Load", "TRAPEZOIDAL");
  EXPECT_TRUE(Has("gfx DrawTextRowEx(0, \"TRAPEZOIDAL LOAD\", 285212673)"));
  EXPECT_TRUE(Has("gfx DrawTextRowEx(0, \"qj\""));
}

TEST_F(StructureViewTest, NodalLoadSymbolsOfEachLayoutAndTheTemperatureView) {
  const struct {
    const char* type;
    const char* substructure;
    bool shell;
    std::vector<std::string> symbols;
    std::vector<std::string> absent;
  } cases[] = {
      {"BEAM/STRIP", "BEAM", false, {"Pv", "M"}, {"Ph", "Qh"}},
      {"TANK", "WALL", false, {"Ph", "Qv", "M"}, {"Pv", "Qh"}},
      {"TANK", "ROOF STRUCTURE", true, {"Qh", "Pv", "M"}, {"Ph", "Qv"}},
      {"TANK", "ROOF STRUCTURE", false, {"Pv", "M"}, {"Ph", "Qh"}},
  };
  for (const auto& c : cases) {
    Draw(c.type, c.substructure, "Load", "NODAL", c.shell);
    EXPECT_TRUE(Has("gfx DrawTextRowEx(0, \"NODAL LOADS\", 285212673)")) << c.substructure;
    for (const std::string& s : c.symbols) EXPECT_TRUE(Has("gfx DrawTextRowEx(0, \"" + s + "\"")) << s;
    for (const std::string& s : c.absent) EXPECT_FALSE(Has("gfx DrawTextRowEx(0, \"" + s + "\"")) << s;
  }
  Draw("BEAM/STRIP", "BEAM", "Load", "TEMPERATURE");
  EXPECT_TRUE(Has("gfx DrawTextRowEx(0, \"TEMPERATURE CHANGE\", 285212673)"));
  EXPECT_TRUE(Has("gfx DrawTextRowEx(0, \"Element \""));
}

TEST_F(StructureViewTest, TheRestraintsOfABeamAndOfAWall) {
  Draw("BEAM/STRIP", "BEAM", "Supp", "ELASTIC");
  EXPECT_TRUE(Has("gfx DrawTextRowEx(0, \"Translational Restraint \""));
  EXPECT_TRUE(Has("gfx DrawTextRowEx(0, \"(kv)\""));
  EXPECT_TRUE(Has("gfx DrawTextRowEx(0, \"(kr)\""));
  Draw("PLATE", "PLATE", "Supp", "ELASTIC");
  EXPECT_TRUE(Has("gfx DrawTextRowEx(0, \"(kv)\""));
  EXPECT_FALSE(Has("gfx DrawTextRowEx(0, \"(kr)\""));
  Draw("TANK", "WALL", "Supp", "ELASTIC");
  EXPECT_TRUE(Has("gfx DrawTextRowEx(0, \"(kh)\""));
  EXPECT_TRUE(Has("gfx DrawTextRowEx(0, \"(kr)\""));
  EXPECT_FALSE(Has("gfx DrawTextRowEx(0, \"(kv)\""));
  Draw("BEAM/STRIP", "STRIP", "Supp", "WINKLER");
  EXPECT_TRUE(Has("gfx DrawTextRowEx(0, \"(k=linear)\""));
}

TEST_F(StructureViewTest, TheViewBesideATableFitsTheScreen) {
  const long screen = GetSystemMetrics(SM_CXSCREEN);
  long width = 0, height = 0;
  int mode = 0;
  StructureType = "BEAM/STRIP";
  StructureViewSize(0, width, height, mode);
  EXPECT_EQ(mode, screen >= 1024 ? 1 : 2);
  EXPECT_EQ(width, screen >= 1024 ? 610 : 470);
  EXPECT_EQ(height, width / 2);
  StructureViewSize(screen - 300, width, height, mode);
  EXPECT_EQ(width, 300);
  EXPECT_EQ(height, 150);
  StructureType = "TANK";
  StructureViewSize(screen - 300, width, height, mode);
  EXPECT_EQ(height, 300);
}

}  // namespace
}  // namespace corvane
