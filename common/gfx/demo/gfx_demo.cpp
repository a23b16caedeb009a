// Shows the graphics library's test scene in a main window, to look at; with the argument "graph"
// a response-graph-like picture in a 10000 x 10000 world over the whole client area instead.
#include <windows.h>

#include <cmath>
#include <string>

#include "gfx/gfx.h"
#include "win/demo/demowindow.h"
#include "../tests/gfx_scene.h"

namespace {

void DrawGraph(long n) {
  GfxWorldEx(n, 0, 0, 10000, 10000);
  GfxWindowEx(n, kGfxHold);
  BrushColorEx(n, RGB(255, 255, 255));
  GfxCLSEx(n);
  GfxFontEx(n, "Arial", 350, 450, 900, 255);
  GfxFontEffectsEx(n, 11);
  DrawFromEx(n, 0, 85);
  GradientPanel(n, "BEAM", "Arial", 1);
  GfxFontEffectsEx(n, 0);
  PenEx(n, RGB(0, 128, 128), 0, 2);
  GfxFontEx(n, "Arial", 250, 250, 600, 255);
  DrawFromEx(n, 0, 700);
  DrawTextRowEx(n, "JOB NAME: Z:\\TMP\\JOB1;      LOAD CASE: Dead load", 268435457);
  DrawFromEx(n, 1400, 1200);
  BrushStyleEx(n, kGfxBrushHollow);
  DrawRectEx(n, 8005, 7734);
  PenEx(n, 0, 2, 1);
  for (int i = 1; i <= 9; ++i) DrawLineEx(n, 1400 + 800 * i, 1200, 1400 + 800 * i, 8920);
  for (int i = 1; i <= 19; ++i) DrawLineEx(n, 1400, 1200 + 386 * i, 9400, 1200 + 386 * i);
  PenEx(n, 255, 0, 2);
  DrawLineEx(n, 1400, 5060, 9400, 5060);
  GfxFontEx(n, "Arial", 180, 240, 600, 0);
  for (int i = 0; i <= 10; ++i) {
    DrawFromEx(n, 1130 + 800 * i, 9020);
    DrawTextRowEx(n, i == 10 ? "10.000" : (i < 10 ? std::to_string(i) + ".000" : ""), 0);
  }
  PenEx(n, RGB(128, 0, 128), 0, 90);
  DrawFromEx(n, 1400, 5060);
  for (int i = 1; i <= 80; ++i) {
    double x = i / 80.0;
    DrawToEx(n, 1400 + 8000 * x, 5060 - 3400 * std::sin(3.14159 * x) * (1 - x));
  }
  BrushStyleEx(n, kGfxBrushSolid);
  BrushColorEx(n, RGB(0, 255, 255));
  PenEx(n, RGB(0, 128, 255), 0, 60);
  for (int i = 0; i <= 8; ++i) {
    double x = i / 8.0;
    DrawFromEx(n, 1400 + 8000 * x, 5060 - 3400 * std::sin(3.14159 * x) * (1 - x));
    DrawEllipseEx(n, 70, 70 * GfxSquarenessEx(n));
  }
  GfxFontEx(n, "Arial", 300, 300, 750, 0, 90);
  double w = 0, h = 0;
  DrawTextBoxEx(n, "Bending Moments [kN*m]", w, h, kGfxTextMeasure);
  DrawFromEx(n, 200, 9200 - std::floor((8000 - w * GfxSquarenessEx(n)) / 2));
  DrawTextRowEx(n, "Bending Moments [kN*m]", 0);
  GfxFontEx(n, "Arial", 300, 300, 700, 0);
  DrawFromEx(n, 1400, 9200);
  w = 8000;
  h = 0;
  DrawTextBoxEx(n, "Distance from Left [m]", w, h, 33);
  GfxWindowEx(n, kGfxShow);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
  HWND main =
      demo::OpenMainWindow(instance, "GfxDemo", "Graphics library demo", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 1000, 740, show);
  RECT client;
  GetClientRect(main, &client);
  if (lstrcmpiA(commandLine, "graph") == 0) {
    DrawGraph(OpenGfxEx(2, main, 0, 0, client.right, client.bottom));
  } else {
    gfxscene::DrawScene(OpenGfxEx(1, main, 10, 10, 960, 480));
  }
  demo::RunMessageLoop();
  GfxWindowEx(2, kGfxClose);
  GfxWindowEx(1, kGfxClose);
  return 0;
}
