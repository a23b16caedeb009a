// The structure views as drawn, read from the graphics trace: the beam axis and its nodes, the
// headings and legends of each table kind, the strip's wording, the centre line of a symmetric
// half, an unknown view and a saved picture that holds the whole drawing.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "../../../common/tests/testdir.h"
#include "gfx/gfx.h"
#include "trabix/core/globals.h"
#include "trabix/core/slots.h"
#include "trabix/views/views.h"
#include "win/testing/viewfixture.h"
#include "win/testing/wintest.h"

namespace {

using wintest::TraceCapture;

// The x of every node circle on the axis, in drawing order.
std::vector<int> AxisCircles(const TraceCapture& trace) {
  std::vector<int> xs;
  for (const std::string& line : trace.Lines()) {
    double x = 0, y = 0;
    if (std::sscanf(line.c_str(), "gfx DrawCircleEx(0, 6) w%*d at(%lf, %lf)", &x, &y) == 2 && y == 400)
      xs.push_back(static_cast<int>(x));
  }
  return xs;
}

class StructureViewTest : public wintest::ViewTest {
 protected:
  StructureViewTest() : ViewTest("ViewsTestHost", 900, 600) { trabix::StructureFlags.assign(6, "N"); }
  void Draw(const std::string& view, const std::string& kind, long width = 610) {
    trabix::DrawStructureView(host_, 10, 10, width, static_cast<long>(width * 0.718), view, width > 500 ? 1 : 2,
                              kind);
  }
};

TEST_F(StructureViewTest, UnyieldingSupportsOfABeam) {
  Draw("Supp", "UNYIELD");
  EXPECT_TRUE(trace_.Has("gfx DrawLineEx(0, 100, 400, 920, 400)"));
  EXPECT_EQ(AxisCircles(trace_), (std::vector<int>{100, 220, 340, 460, 580, 700, 820, 920}));
  EXPECT_TRUE(trace_.Has("gfx DrawTextRowEx(0, \"UNYIELDING SUPPORTS\", 285212673)"));
  EXPECT_TRUE(trace_.Has("gfx DrawTextRowEx(0, \"Node \""));
  EXPECT_FALSE(trace_.Has("gfx DrawTextRowEx(0, \"Nodal Line \""));
  EXPECT_TRUE(trace_.Has("gfx DrawTextRowEx(0, \"Unyielding Support\""));
  EXPECT_FALSE(trace_.Has("gfx DrawLineEx(0, 920, 220, 920, 500)"));  // a whole structure
  // Opened, held while drawing, shown at the end, on the view's background.
  EXPECT_TRUE(trace_.Has("gfx OpenGfx("));
  EXPECT_TRUE(trace_.Has("gfx GfxWindow(5)"));
  EXPECT_TRUE(trace_.Has("gfx GfxWindow(3)"));
  EXPECT_TRUE(trace_.Has("gfx BrushColorEx(0, " + std::to_string(Hsw(40, 240, 180)) + ")"));
}

// Every table kind: its view, its heading and its own symbol text.
TEST_F(StructureViewTest, EveryTableKindHasItsHeading) {
  struct Case {
    const char* view;
    const char* kind;
    const char* heading;
    const char* label;
  } cases[] = {
      {"Geom", "", "GEOMETRY IDEALIZATION", "Element "},
      {"Supp", "ELASTIC", "ELASTIC RESTRAINTS", "Rotational Restraint "},
      {"Supp", "WINKLER", "WINKLER FOUNDATION", "Winkler Found. "},
      {"Load", "TRAPEZOIDAL", "TRAPEZOIDAL LOAD", "qj"},
      {"Load", "NODAL", "NODAL LOADS", "Pv"},
      {"Load", "TEMPERATURE", "TEMPERATURE CHANGE", "Element "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.heading);
    trace_.Clear();
    Draw(c.view, c.kind);
    EXPECT_TRUE(trace_.Has(std::string("gfx DrawTextRowEx(0, \"") + c.heading + "\", 285212673)"));
    EXPECT_TRUE(trace_.Has(std::string("gfx DrawTextRowEx(0, \"") + c.label + "\""));
    EXPECT_TRUE(trace_.Has("gfx DrawLineEx(0, 100, 400, 920, 400)"));
    GfxWindowEx(0, kGfxClose);
  }
}

TEST_F(StructureViewTest, TrapezoidalArrowsOutlineATrapezoid) {
  Draw("Load", "TRAPEZOIDAL");
  for (int k = 0; k <= 6; ++k) {
    int x = 460 + 20 * k;
    EXPECT_TRUE(trace_.Has("gfx DrawLineEx(0, " + std::to_string(x) + ", " + std::to_string(394 - 40 - 4 * k) +
                                ", " + std::to_string(x) + ", 394)"))
        << k;
  }
}

TEST_F(StructureViewTest, AStripShowsNodalLines) {
  trabix::StructureFlags[trabix::kStripSlot] = "Y";
  for (const char* kind : {"UNYIELD", "NODAL"}) {
    trace_.Clear();
    Draw(std::string(kind) == "NODAL" ? "Load" : "Supp", kind);
    EXPECT_TRUE(trace_.Has("gfx DrawTextRowEx(0, \"Nodal Line \"")) << kind;
    EXPECT_FALSE(trace_.Has("gfx DrawTextRowEx(0, \"Node \"")) << kind;
    GfxWindowEx(0, kGfxClose);
  }
}

TEST_F(StructureViewTest, ASymmetricHalfShowsTheCentreLineInEveryView) {
  trabix::StructureFlags[trabix::kSymmetricHalfSlot] = "Y";
  struct {
    const char* view;
    const char* kind;
  } views[] = {{"Geom", ""}, {"Supp", "UNYIELD"}, {"Supp", "WINKLER"}, {"Load", "NODAL"}, {"Other", ""}};
  for (const auto& v : views) {
    trace_.Clear();
    Draw(v.view, v.kind);
    EXPECT_TRUE(trace_.Has("gfx PenEx(0, 30000, 3, 10)")) << v.view << v.kind;
    EXPECT_TRUE(trace_.Has("gfx DrawLineEx(0, 920, 220, 920, 500)")) << v.view << v.kind;
    EXPECT_TRUE(trace_.Has("gfx DrawTextRowEx(0, \"C\"")) << v.view << v.kind;
    EXPECT_TRUE(trace_.Has("gfx DrawTextRowEx(0, \"L\"")) << v.view << v.kind;
    EXPECT_TRUE(trace_.Has("gfx PenEx(0, 0, 0, 1)")) << v.view << v.kind;
    GfxWindowEx(0, kGfxClose);
  }
}

TEST_F(StructureViewTest, AnUnknownViewDrawsBackgroundAndAxisOnly) {
  Draw("Nothing", "UNYIELD");
  EXPECT_TRUE(trace_.Has("gfx GfxCLS()"));
  EXPECT_TRUE(trace_.Has("gfx DrawLineEx(0, 100, 400, 920, 400)"));
  EXPECT_EQ(AxisCircles(trace_).size(), 8u);
  EXPECT_EQ(trace_.Count("gfx DrawTextRowEx("), 0);
  EXPECT_EQ(trace_.Count("gfx DrawPolygonEx("), 0);
  EXPECT_EQ(trace_.Count("gfx DrawLineEx("), 1);
}

// The saved picture holds the whole drawing at both window widths: the node circles (cyan) run
// from the left part to the right end of the axis at x = 920 without reaching the edge, and the
// blue heading stands in the top band.
TEST_F(StructureViewTest, ASavedPictureShowsTheWholeDrawing) {
  for (long width : {610L, 386L}) {
    SCOPED_TRACE(width);
    Draw("Supp", "UNYIELD", width);
    ASSERT_EQ(SaveGfxWindowEx(0, "view.bmp"), 1);
    std::string bytes = ReadBytes("view.bmp");
    ASSERT_GT(bytes.size(), 54u);
    int w = 0, h = 0, offset = 0;
    std::memcpy(&offset, &bytes[10], 4);
    std::memcpy(&w, &bytes[18], 4);
    std::memcpy(&h, &bytes[22], 4);
    EXPECT_EQ(w, width);
    EXPECT_EQ(h, static_cast<int>(width * 0.718));
    const int stride = (w * 3 + 3) / 4 * 4;
    ASSERT_GE(bytes.size(), static_cast<size_t>(offset + stride * h));
    int cyanLeft = w, cyanRight = -1, blueTop = h;
    for (int row = 0; row < h; ++row) {
      const int y = h - 1 - row;  // bottom-up
      for (int x = 0; x < w; ++x) {
        const unsigned char* px = reinterpret_cast<const unsigned char*>(&bytes[offset + row * stride + x * 3]);
        if (px[0] == 255 && px[1] == 255 && px[2] == 0) {
          cyanLeft = std::min(cyanLeft, x);
          cyanRight = std::max(cyanRight, x);
        }
        if (px[0] > 200 && px[1] < 60 && px[2] < 60) blueTop = std::min(blueTop, y);
      }
    }
    EXPECT_GT(cyanLeft, 0);
    EXPECT_LT(cyanLeft, w / 5);
    EXPECT_GT(cyanRight, w * 9 / 10);
    EXPECT_LT(cyanRight, w - 1);
    EXPECT_LT(blueTop, h / 8);
    GfxWindowEx(0, kGfxClose);
  }
}

}  // namespace
