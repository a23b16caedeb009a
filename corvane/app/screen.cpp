// The structure screen: a picture of the current structure type over the main window's client
// area, drawn with the graphics library once a job is open.
#include <string>
#include <utility>
#include <vector>

#include "corvane/app/app.h"
#include "gfx/gfx.h"

namespace corvane {

namespace {

constexpr double kWorldWidth = 1000, kWorldHeight = 750;

// A cylinder seen from slightly above: bottom rim, shaded wall, lit top.
void DrawCylinder(long w, double centreX, double top, double width, double height, double rimHeight) {
  PenStyleEx(w, 99);
  GradientBrushEx(w, 5);
  DrawFromEx(w, centreX, top + height);
  DrawEllipseEx(w, width / 2, rimHeight);
  DrawFromEx(w, centreX - width / 2, top);
  DrawRectEx(w, width, height);
  GradientBrushEx(w, 1);
  PenEx(w, RGB(0, 0, 128), 0, 2);
  DrawFromEx(w, centreX, top);
  DrawEllipseEx(w, width / 2, rimHeight);
  GradientBrushEx(w, 0);
}

// A row of text pieces in their colours, centred across the panel's world at y.
void CentredRow(long w, double y, const std::vector<std::pair<std::string, long>>& pieces) {
  double total = 0;
  for (const auto& p : pieces) {
    double width = 0, height = 0;
    DrawTextBoxEx(w, p.first, width, height, kGfxTextMeasure | kGfxTextSingleLine);
    total += width;
  }
  DrawFromEx(w, (400 - total) / 2, y);
  for (const auto& p : pieces) {
    GfxFontEx(w, "Arial", 17, 26, 700, p.second);
    DrawTextRowEx(w, p.first, kGfxTextAdvance);
  }
}

// The warning beside the beam: symmetry cannot be used on an elastic half-space.
void WarningPanel(int screenWidth, int screenHeight) {
  long w = OpenGfxEx(kPanelWindow, MainWindow, screenWidth * 60 / 100, screenHeight * 30 / 100, screenWidth * 36 / 100,
                     screenHeight * 26 / 100);
  GfxWorldEx(w, 0, 0, 400, 200);
  GfxWindowEx(w, kGfxHold);
  GradientBrushEx(w, 9);
  GfxCLSEx(w);
  GfxFontEx(w, "Arial", 30, 40, 800, RGB(128, 0, 0));
  GfxFontEffectsEx(w, kGfxBold);
  DrawFromEx(w, 0, 12);
  GradientPanel(w, "WARNING!", "Arial", 4);
  GfxFontEffectsEx(w, 0);
  GfxFontEx(w, "Arial", 17, 26, 700, RGB(255, 255, 255));
  CentredRow(w, 80, {{"Symmetry of the Structure ", RGB(255, 255, 255)}, {"CAN NOT", RGB(255, 255, 0)}});
  CentredRow(w, 115, {{"be utilized if it is founded on an", RGB(255, 255, 255)}});
  CentredRow(w, 150, {{"ELASTIC HALF SPACE!!!", RGB(255, 255, 0)}});
  GfxWindowEx(w, kGfxShow);
}

}  // namespace

void StructureScreen() {
  int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  GfxWindowEx(kPanelWindow, kGfxClose);
  long w = OpenGfxEx(kScreenWindow, MainWindow, 0, 0, width, height);
  GfxWorldEx(w, 0, 0, kWorldWidth, kWorldHeight);
  GfxWindowEx(w, kGfxHold);
  GradientBrushEx(w, 9);
  GfxCLSEx(w);
  GradientBrushEx(w, 0);
  if (StructureType == "TANK") {
    DrawCylinder(w, 500, 110, 800, 500, 70);
  } else if (StructureType == "PLATE") {
    DrawCylinder(w, 500, 300, 800, 40, 150);
  } else {
    // The beam: a shaded box of depth 135 on the left, the warning panel beside it.
    PenEx(w, RGB(0, 0, 128), 0, 2);
    GradientBrushEx(w, 7);
    DrawFromEx(w, 30, 250);
    DrawRectEx(w, 540, 135);
    GradientBrushEx(w, 0);
  }
  GfxWindowEx(w, kGfxShow);
  if (StructureType == "BEAM/STRIP") WarningPanel(width, height);
}

void HideScreen() {
  GfxWindowEx(kScreenWindow, kGfxHide);
  GfxWindowEx(kPanelWindow, kGfxHide);
}

void ShowScreen() {
  // A command's own pictures may have taken the screen's window numbers (the graph's are 1 and 2)
  // and closed them, and a command may have opened the job: the open job's picture is drawn anew.
  if (!JobSpec.empty() && !StructureType.empty()) {
    StructureScreen();
    return;
  }
  GfxWindowEx(kScreenWindow, kGfxShow);
  GfxWindowEx(kPanelWindow, kGfxShow);
}

void CloseScreen() {
  GfxWindowEx(kPanelWindow, kGfxClose);
  GfxWindowEx(kScreenWindow, kGfxClose);
}

}  // namespace corvane
