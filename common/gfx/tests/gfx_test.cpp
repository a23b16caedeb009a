#include <gtest/gtest.h>
#include <windows.h>
#include <winspool.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "../../tests/testdir.h"
#include "gfx/gfx.h"
#include "gfx/gfxcalc.h"
#include "gfx_scene.h"

namespace {

// The scene's window: 600 x 300 pixels for a world of 1200 x 600, so a world unit is half a pixel.
constexpr int kW = 600, kH = 300;

struct Rgb {
  int r, g, b;
};

bool Near(Rgb a, Rgb b, int tolerance = 8) {
  return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}

Rgb FromColour(long c) { return Rgb{static_cast<int>(c & 255), static_cast<int>((c >> 8) & 255), static_cast<int>((c >> 16) & 255)}; }

std::string Show(Rgb c) {
  return "(" + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b) + ")";
}

// A picture read from a 24-bit BMP file or captured from the screen; pixels top-down.
struct Image {
  int width = 0, height = 0;
  std::vector<Rgb> pixels;
  Rgb At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  int Count(int x0, int y0, int x1, int y1, Rgb colour, int tolerance = 40) const {
    int n = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x)
        if (Near(At(x, y), colour, tolerance)) ++n;
    return n;
  }
  bool operator==(const Image& o) const {
    if (width != o.width || height != o.height) return false;
    for (size_t i = 0; i < pixels.size(); ++i)
      if (pixels[i].r != o.pixels[i].r || pixels[i].g != o.pixels[i].g || pixels[i].b != o.pixels[i].b) return false;
    return true;
  }
};

bool ReadBmp(const std::string& name, Image* img) {
  std::string bytes = ReadBytes(name);
  if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return false;
  auto u32 = [&](size_t at) {
    return static_cast<uint32_t>(static_cast<unsigned char>(bytes[at])) |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 3])) << 24;
  };
  uint32_t offset = u32(10);
  int w = static_cast<int>(u32(18)), h = static_cast<int>(u32(22));
  int bits = static_cast<unsigned char>(bytes[28]) | static_cast<unsigned char>(bytes[29]) << 8;
  if (bits != 24 || w <= 0 || h <= 0) return false;
  size_t stride = (static_cast<size_t>(w) * 3 + 3) & ~static_cast<size_t>(3);
  if (bytes.size() < offset + stride * h) return false;
  img->width = w;
  img->height = h;
  img->pixels.resize(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    const unsigned char* row = reinterpret_cast<const unsigned char*>(bytes.data()) + offset + stride * (h - 1 - y);
    for (int x = 0; x < w; ++x) img->pixels[static_cast<size_t>(y) * w + x] = Rgb{row[3 * x + 2], row[3 * x + 1], row[3 * x]};
  }
  return true;
}

// What a device context shows in a rectangle (the window's own pixels, or the screen's).
Image Capture(HDC from, int x, int y, int w, int h) {
  Image img;
  HDC mem = CreateCompatibleDC(from);
  BITMAPINFO bi;
  std::memset(&bi, 0, sizeof bi);
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, w, h, from, x, y, SRCCOPY);
  GdiFlush();
  img.width = w;
  img.height = h;
  img.pixels.resize(static_cast<size_t>(w) * h);
  const unsigned char* p = static_cast<const unsigned char*>(bits);
  for (size_t i = 0; i < img.pixels.size(); ++i) img.pixels[i] = Rgb{p[4 * i + 2], p[4 * i + 1], p[4 * i]};
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  return img;
}

Image CaptureWindow(HWND hwnd) {
  RECT r;
  GetClientRect(hwnd, &r);
  HDC dc = GetDC(hwnd);
  Image img = Capture(dc, 0, 0, r.right, r.bottom);
  ReleaseDC(hwnd, dc);
  return img;
}

void Pump(int milliseconds = 150) {
  DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(10);
  } while (GetTickCount() < end);
}

LRESULT CALLBACK PlainProc(HWND h, UINT m, WPARAM w, LPARAM l) { return DefWindowProcA(h, m, w, l); }

// A plain top-level window as the graphics window's parent, client area 640 x 360: a popup that is
// never activated, because under Wine without a window manager destroying an active or a framed
// window waits two seconds.
HWND MakeParent(const char* caption = "gfx test") {
  static bool registered = false;
  if (!registered) {
    WNDCLASSA wc;
    std::memset(&wc, 0, sizeof wc);
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = "GfxTestParent";
    RegisterClassA(&wc);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = "GfxTestCover";
    RegisterClassA(&wc);
    registered = true;
  }
  RECT r{0, 0, 640, 360};
  AdjustWindowRectEx(&r, WS_POPUP | WS_BORDER, FALSE, WS_EX_NOACTIVATE);
  HWND h = CreateWindowExA(WS_EX_NOACTIVATE, "GfxTestParent", caption, WS_POPUP | WS_BORDER, 40, 40, r.right - r.left,
                           r.bottom - r.top, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ShowWindow(h, SW_SHOWNOACTIVATE);
  Pump(50);
  return h;
}

HWND GraphicsChild(HWND parent) { return FindWindowExA(parent, nullptr, kGfxWindowClass, nullptr); }

class TraceFile {
 public:
  explicit TraceFile(const std::filesystem::path& dir) : name_((dir / "trace.txt").string()) {
    _putenv_s("SUITE_TRACE", name_.c_str());
  }
  ~TraceFile() { _putenv_s("SUITE_TRACE", ""); }
  std::vector<std::string> Lines() const {
    std::vector<std::string> out;
    std::ifstream in(name_);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
  }
  bool Has(const std::string& line) const {
    for (const std::string& l : Lines())
      if (l == line) return true;
    return false;
  }

 private:
  std::string name_;
};

class GfxTest : public ::testing::Test {
 protected:
  void TearDown() override {
    // Every test leaves no graphics window behind.
    for (int i = 0; i < 20; ++i) GfxWindowEx(0, kGfxClose);
    if (parent_ && IsWindow(parent_)) DestroyWindow(parent_);
    Pump(30);
  }
  long OpenScene() {
    parent_ = MakeParent();
    long n = OpenGfxEx(1, parent_, 20, 30, kW, kH);
    gfxscene::DrawScene(n);
    Pump();
    return n;
  }
  TestDirectory dir_;
  HWND parent_ = nullptr;
};

TEST_F(GfxTest, SceneSavedAsBmpHasTheDrawnColoursAtKnownPixels) {
  long n = OpenScene();
  ASSERT_EQ(n, 1);
  ASSERT_EQ(SaveGfxWindowEx(1, "Scene.bmp"), 1);
  Image img;
  ASSERT_TRUE(ReadBmp("Scene.bmp", &img));
  ASSERT_EQ(img.width, kW);
  ASSERT_EQ(img.height, kH);
  const Rgb cream = FromColour(Hsw(40, 240, 180));
  struct Probe {
    const char* what;
    int x, y;
    Rgb colour;
  };
  const Probe probes[] = {
      {"background, bottom right corner", kW - 1, kH - 1, cream},
      {"background, right edge middle", kW - 2, 170, cream},
      {"thick red axis between nodes", 320, 200, {255, 0, 0}},
      {"thick red axis, 4 pixels off its middle", 320, 196, {255, 0, 0}},
      {"thin blue line", 200, 150, {0, 0, 255}},
      {"inside the second node circle", 110, 200, {0, 255, 255}},
      {"inside the grey triangle", 230, 228, {128, 128, 128}},
      {"inside the round ellipse", 410, 260, {255, 0, 255}},
  };
  for (const Probe& p : probes)
    EXPECT_TRUE(Near(img.At(p.x, p.y), p.colour)) << p.what << ": " << Show(img.At(p.x, p.y));
  // Line widths: the axis (20 units) is 10 pixels thick, the blue line (2 units) one pixel.
  EXPECT_EQ(img.Count(320, 190, 321, 211, {255, 0, 0}, 8), 10);
  EXPECT_EQ(img.Count(200, 145, 201, 156, {0, 0, 255}, 8), 1);
  // The gradient box (style 8, black to grey downwards) darkens towards its top.
  Rgb top = img.At(500, 77), bottom = img.At(500, 133);
  EXPECT_LT(top.r, 15) << Show(top);
  EXPECT_GT(bottom.r, 110) << Show(bottom);
  EXPECT_TRUE(Near(img.At(500, 105), FromColour(gfxcalc::GradientColour(8, 0.5)), 6)) << Show(img.At(500, 105));
  // The heading band is the gradient of style 4: gold at its top edge, ivory in its middle.
  EXPECT_TRUE(Near(img.At(kW - 3, 5), FromColour(gfxcalc::GradientColour(4, 0)), 20)) << Show(img.At(kW - 3, 5));
  // The panel of style 5 runs dark blue to light blue from left to right.
  EXPECT_LT(img.At(2, 45).b - img.At(2, 45).r, 200);
  EXPECT_GT(img.At(2, 45).b, 120);
  EXPECT_GT(img.At(kW - 3, 45).r, img.At(2, 45).r + 60);
  // The hatch leaves the cream between blue lines.
  EXPECT_GT(img.Count(290, 211, 350, 225, {0, 0, 255}), 20);
  EXPECT_GT(img.Count(290, 211, 350, 225, cream, 10), 50);
  // Text: red "Designates " and blue "Node" after it on one row; purple text reading upwards,
  // taller than wide, in the left margin.
  EXPECT_GT(img.Count(50, 250, 120, 270, {255, 0, 0}), 30);
  EXPECT_GT(img.Count(120, 250, 180, 270, {0, 0, 255}), 30);
  EXPECT_EQ(img.Count(50, 250, 120, 270, {0, 0, 255}, 40), 0);
  int purple = img.Count(0, 150, 30, 300, {128, 0, 128});
  EXPECT_GT(purple, 60);
  EXPECT_EQ(img.Count(30, 280, 200, 300, {128, 0, 128}), 0);
  // The heading's blue text sits in the band.
  EXPECT_GT(img.Count(150, 5, 450, 25, {0, 0, 255}), 40);
}

bool ReadJpegSize(const std::string& bytes, int* w, int* h) {
  auto b = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
  size_t i = 2;
  while (i + 9 < bytes.size()) {
    if (b(i) != 0xFF) return false;
    int marker = b(i + 1);
    size_t len = static_cast<size_t>(b(i + 2)) << 8 | b(i + 3);
    if (marker >= 0xC0 && marker <= 0xC3) {
      *h = b(i + 5) << 8 | b(i + 6);
      *w = b(i + 7) << 8 | b(i + 8);
      return true;
    }
    i += 2 + len;
  }
  return false;
}

TEST_F(GfxTest, JpegModeWritesOneJfifOfTheWindowsSizeThenBmpAgain) {
  OpenScene();
  EXPECT_EQ(SaveGfxModeEx(1, kGfxSaveJpeg), kGfxSaveJpeg);
  ASSERT_EQ(SaveGfxWindowEx(1, "Linear.JPG"), 1);
  std::string jpg = ReadBytes("Linear.JPG");
  ASSERT_GT(jpg.size(), 20u);
  EXPECT_EQ(static_cast<unsigned char>(jpg[0]), 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(jpg[1]), 0xD8);
  EXPECT_NE(jpg.find(std::string("JFIF\0", 5)), std::string::npos);
  EXPECT_EQ(static_cast<unsigned char>(jpg[jpg.size() - 2]), 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(jpg[jpg.size() - 1]), 0xD9);
  int w = 0, h = 0;
  ASSERT_TRUE(ReadJpegSize(jpg, &w, &h));
  EXPECT_EQ(w, kW);
  EXPECT_EQ(h, kH);
  // The mode was for that save only.
  ASSERT_EQ(SaveGfxWindowEx(1, "CSpline.BMP"), 1);
  EXPECT_EQ(ReadBytes("CSpline.BMP").substr(0, 2), "BM");
}

TEST_F(GfxTest, ClipboardReceivesTheWindowAsABitmap) {
  OpenScene();
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
  ASSERT_EQ(SaveGfxWindowEx(1, "CLIPBOARD"), 1);
  // A JPEG mode before a clipboard copy still gives a bitmap there.
  SaveGfxModeEx(1, kGfxSaveJpeg);
  ASSERT_EQ(SaveGfxWindowEx(1, "clipboard"), 1);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
  HANDLE dib = GetClipboardData(CF_DIB);
  ASSERT_NE(dib, nullptr);
  auto* bh = static_cast<BITMAPINFOHEADER*>(GlobalLock(dib));
  ASSERT_NE(bh, nullptr);
  EXPECT_EQ(bh->biWidth, kW);
  EXPECT_EQ(bh->biHeight, kH);
  // The bottom right pixel (first row of the bottom-up bitmap, last pixel) is the background.
  const unsigned char* px = reinterpret_cast<const unsigned char*>(bh + 1) + 3 * (kW - 1);
  EXPECT_TRUE(Near(Rgb{px[2], px[1], px[0]}, FromColour(Hsw(40, 240, 180))));
  GlobalUnlock(dib);
  CloseClipboard();
}

TEST_F(GfxTest, ScreenShowsThePictureAndRepaintsItAfterBeingCovered) {
  OpenScene();
  HWND child = GraphicsChild(parent_);
  ASSERT_NE(child, nullptr);
  ASSERT_EQ(SaveGfxWindowEx(1, "Saved.bmp"), 1);
  Image saved;
  ASSERT_TRUE(ReadBmp("Saved.bmp", &saved));
  Image shown = CaptureWindow(child);
  ASSERT_EQ(shown, saved);

  // A window laid over it and taken away again.
  RECT r;
  GetWindowRect(child, &r);
  HWND cover = CreateWindowExA(WS_EX_TOPMOST | WS_EX_NOACTIVATE, "GfxTestCover", "", WS_POPUP, r.left, r.top,
                               r.right - r.left, r.bottom - r.top, nullptr, nullptr, GetModuleHandleA(nullptr),
                               nullptr);
  ASSERT_NE(cover, nullptr);
  ShowWindow(cover, SW_SHOWNOACTIVATE);
  UpdateWindow(cover);
  Pump();
  HDC screen = GetDC(nullptr);
  Image covered = Capture(screen, r.left, r.top, kW, kH);
  EXPECT_EQ(covered.Count(0, 0, kW, kH, {0, 0, 0}, 0), kW * kH);
  DestroyWindow(cover);
  Pump();
  Image uncovered = Capture(screen, r.left, r.top, kW, kH);
  ReleaseDC(nullptr, screen);
  EXPECT_TRUE(uncovered == saved);
  ASSERT_TRUE(CaptureWindow(child) == saved);

  // Its pixels wiped without the library knowing, then a repaint as after an uncovering.
  HDC dc = GetDC(child);
  RECT all{0, 0, kW, kH};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  ReleaseDC(child, dc);
  Image wiped = CaptureWindow(child);
  ASSERT_EQ(wiped.Count(0, 0, kW, kH, {0, 0, 0}, 0), kW * kH);
  InvalidateRect(child, nullptr, TRUE);
  Pump();
  Image repainted = CaptureWindow(child);
  // Saved again after the repaint: the same picture.
  ASSERT_EQ(SaveGfxWindowEx(1, "Again.bmp"), 1);
  Image again;
  ASSERT_TRUE(ReadBmp("Again.bmp", &again));
  EXPECT_TRUE(repainted == saved);
  EXPECT_TRUE(again == saved);
}

TEST_F(GfxTest, TraceListsEveryCallWithItsArguments) {
  TraceFile trace(dir_.path());
  OpenScene();
  std::vector<std::string> lines = trace.Lines();
  ASSERT_FALSE(lines.empty());
  for (const std::string& l : lines) EXPECT_EQ(l.rfind("gfx ", 0), 0u) << l;
  // One line per call: OpenGfxEx and the scene's 80 calls (Hsw and the squareness included).
  EXPECT_EQ(lines.size(), 81u);
  const char* expected[] = {
      "gfx GfxWorldEx(1, 0, 0, 1200, 600) w1",
      "gfx GfxWindowEx(1, 5) w1",
      "gfx Hsw(40, 240, 180) -> 11986429",
      "gfx BrushColorEx(1, 11986429) w1",
      "gfx GfxCLSEx(1) w1",
      "gfx GfxFontEx(1, \"Arial\", 40, 40, 500, 16711680, 0, 0) w1",
      "gfx DrawTextRowEx(1, \"GEOMETRY IDEALIZATION\", 285212673) w1 at(0, 10)",
      "gfx GradientPanel(1, \"Gradient panel, style 5\", \"Arial\", 5, 0) w1 at(0, 80)",
      "gfx DrawRectEx(1, 200, 120) w1 at(900, 150)",
      "gfx PenEx(1, 255, 0, 20) w1",
      "gfx DrawLineEx(1, 100, 400, 1100, 400) w1",
      "gfx DrawToEx(1, 700, 330) w1 at(100, 330)",
      "gfx DrawCircleEx(1, 12) w1 at(220, 400)",
      "gfx DrawPolygonEx(1, 3, [(460, 412) (430, 470) (490, 470)]) w1",
      "gfx BrushHatchEx(1, 5) w1",
      "gfx GfxSquarenessEx(1) w1 -> 1",
      "gfx DrawArcEx(1, 60, 60, 135, 45) w1 at(340, 400)",
      "gfx DrawTextRowEx(1, \"Designates \", 1048576) w1 at(100, 500)",
      "gfx GfxFontEx(1, \"Arial\", 30, 30, 700, 8388736, 90, 0) w1",
      "gfx DrawTextRowEx(1, \"Turned text\", 0) w1 at(20, 580)",
      "gfx GfxWindowEx(1, 3) w1",
  };
  for (const char* e : expected) EXPECT_TRUE(trace.Has(e)) << e;
  EXPECT_EQ(lines.front(), "gfx OpenGfxEx(1, " + [&] {
    char buf[32];
    std::snprintf(buf, sizeof buf, "0x%llx", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(parent_)));
    return std::string(buf);
  }() + ", 20, 30, 600, 300) w1 -> 1");
  // "Node" continues the row where "Designates " ended.
  bool found = false;
  for (const std::string& l : lines) {
    if (l.rfind("gfx DrawTextRowEx(1, \"Node\", 0) w1 at(", 0) == 0) {
      found = true;
      double x = std::atof(l.c_str() + std::strlen("gfx DrawTextRowEx(1, \"Node\", 0) w1 at("));
      EXPECT_GT(x, 200);
      EXPECT_LT(x, 400);
      EXPECT_NE(l.find(", 500)"), std::string::npos) << l;
    }
  }
  EXPECT_TRUE(found);
}

TEST_F(GfxTest, PrintingWithoutAPrinterReturnsQuietly) {
  OpenScene();
  DWORD needed = 0, count = 0;
  EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed, &count);
  if (needed > 0) GTEST_SKIP() << "this machine has a printer";
  // Any dialog or message box that appeared would be cancelled and counted.
  static int boxes = 0;
  boxes = 0;
  UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) {
    HWND box = FindWindowA("#32770", nullptr);
    if (box) {
      ++boxes;
      PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    }
  });
  DWORD start = GetTickCount();
  EXPECT_EQ(GfxPrintDefaultsEx(1), 0);
  EXPECT_EQ(PrintGfxWindowEx(1), 0);
  EXPECT_EQ(PrintGfxWindow(), 0);
  Pump(300);
  KillTimer(nullptr, timer);
  EXPECT_EQ(boxes, 0);
  EXPECT_LT(GetTickCount() - start, 5000u);
}

TEST_F(GfxTest, ClosingTheCurrentWindowHandsBackThePreviousOne) {
  TraceFile trace(dir_.path());
  parent_ = MakeParent();
  long screen = OpenGfx(parent_, 0, 0, 640, 360);
  long view = OpenGfx(parent_, 10, 10, 200, 100);
  EXPECT_GE(screen, 1000);
  EXPECT_NE(view, screen);
  DrawFrom(1, 2);
  EXPECT_TRUE(trace.Has("gfx DrawFrom(1, 2) w" + std::to_string(view)));
  GfxWindowEx(0, kGfxClose);  // the view, being current
  DrawFrom(3, 4);
  EXPECT_TRUE(trace.Has("gfx DrawFrom(3, 4) w" + std::to_string(screen)));
  // Opening makes the new window current; selecting another makes that one current.
  long graph = OpenGfxEx(2, parent_, 0, 0, 100, 100);
  DrawFrom(9, 9);
  EXPECT_TRUE(trace.Has("gfx DrawFrom(9, 9) w2"));
  GfxWindowEx(screen, kGfxSelect);
  DrawFrom(5, 6);
  EXPECT_TRUE(trace.Has("gfx DrawFrom(5, 6) w" + std::to_string(screen)));
  GfxWindowEx(screen, kGfxClose);
  GfxWindowEx(graph, kGfxClose);
  DrawFrom(7, 8);
  EXPECT_TRUE(trace.Has("gfx DrawFrom(7, 8) w-"));
  EXPECT_EQ(SaveGfxWindow("none.bmp"), 0);
  EXPECT_FALSE(std::filesystem::exists("none.bmp"));
}

TEST_F(GfxTest, HideShowAndHoldControlWhatTheScreenShows) {
  parent_ = MakeParent();
  long n = OpenGfxEx(3, parent_, 0, 0, 200, 100);
  HWND child = GraphicsChild(parent_);
  ASSERT_NE(child, nullptr);
  Pump();
  EXPECT_TRUE(IsWindowVisible(child));
  GfxWindowEx(n, kGfxHide);
  EXPECT_FALSE(IsWindowVisible(child));
  GfxWindowEx(n, kGfxShow);
  EXPECT_TRUE(IsWindowVisible(child));
  // Held: drawing, a gradient panel included, does not reach the screen until shown.
  GfxWindowEx(n, kGfxHold);
  BrushColorEx(n, 0);
  GfxCLSEx(n);
  GfxWorldEx(n, 0, 0, 200, 100);  // units are pixels
  DrawFromEx(n, 0, 30);
  GradientPanel(n, "", "Arial", 9, 20);
  Pump();
  EXPECT_EQ(CaptureWindow(child).Count(0, 0, 200, 100, {255, 255, 255}, 0), 200 * 100);
  GfxWindowEx(n, kGfxShow);
  Image shown = CaptureWindow(child);
  EXPECT_EQ(shown.Count(0, 0, 200, 25, {0, 0, 0}, 0), 200 * 25);
  EXPECT_TRUE(Near(shown.At(100, 30), FromColour(gfxcalc::GradientColour(9, 0)), 8)) << Show(shown.At(100, 30));
  EXPECT_TRUE(Near(shown.At(100, 49), FromColour(gfxcalc::GradientColour(9, 1)), 8)) << Show(shown.At(100, 49));
  EXPECT_EQ(shown.Count(0, 50, 200, 100, {0, 0, 0}, 0), 200 * 50);
  GfxWindowEx(n, kGfxClose);
  EXPECT_EQ(GraphicsChild(parent_), nullptr);
}

TEST_F(GfxTest, APictureOutlivesItsParentUntilClosed) {
  HWND table = MakeParent("table window");
  long n = OpenGfx(table, 0, 0, 120, 80);
  BrushColor(RGB(0, 128, 0));
  GfxCLS();
  DestroyWindow(table);
  Pump(50);
  EXPECT_EQ(SaveGfxWindowEx(0, "view.bmp"), 1);
  Image img;
  ASSERT_TRUE(ReadBmp("view.bmp", &img));
  EXPECT_TRUE(Near(img.At(60, 40), {0, 128, 0}, 0));
  // It can still be copied to the clipboard.
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
  EXPECT_EQ(SaveGfxWindowEx(0, "CLIPBOARD"), 1);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_DIB));
  CloseClipboard();
  GfxWindowEx(0, kGfxClose);
  EXPECT_EQ(SaveGfxWindowEx(n, "gone.bmp"), 0);
}

TEST_F(GfxTest, TextBoxMeasuresWithoutDrawingAndSquarenessFollowsTheWorld) {
  parent_ = MakeParent();
  long n = OpenGfxEx(4, parent_, 0, 0, 640, 320);
  GfxWorldEx(n, 0, 0, 10000, 10000);
  EXPECT_DOUBLE_EQ(GfxSquarenessEx(n), 2.0);
  GfxWorldEx(n, 0, 0, 0, 10000);  // empty range: ignored
  EXPECT_DOUBLE_EQ(GfxSquarenessEx(n), 2.0);
  GfxFontEx(n, "Arial", 300, 600, 400, 0);
  DrawFromEx(n, 1000, 1000);
  double wideW = 0, wideH = 0, thinW = 0, thinH = 0;
  DrawTextBoxEx(n, "WWWW", wideW, wideH, kGfxTextMeasure);
  DrawTextBoxEx(n, "iiii", thinW, thinH, kGfxTextMeasure);
  EXPECT_GT(wideW, 2 * thinW);
  EXPECT_NEAR(wideH, 600, 60);  // a row as high as the font's height
  ASSERT_EQ(SaveGfxWindowEx(n, "blank.bmp"), 1);
  Image blank;
  ASSERT_TRUE(ReadBmp("blank.bmp", &blank));
  EXPECT_EQ(blank.Count(0, 0, 640, 320, {255, 255, 255}, 0), 640 * 320);
  // Turned text measures the same along its row.
  GfxFontEx(n, "Arial", 300, 600, 400, 0, 90);
  double turnedW = 0, turnedH = 0;
  DrawTextBoxEx(n, "WWWW", turnedW, turnedH, kGfxTextMeasure);
  EXPECT_DOUBLE_EQ(turnedW, wideW);
  // A centred single-line box across a given width puts the text in the middle.
  GfxFontEx(n, "Arial", 300, 600, 700, RGB(255, 0, 0));
  DrawFromEx(n, 1400, 3000);
  double boxW = 8000, boxH = 0;
  DrawTextBoxEx(n, "X", boxW, boxH, kGfxTextCentre | kGfxTextSingleLine);
  EXPECT_LT(boxW, 1000);
  ASSERT_EQ(SaveGfxWindowEx(n, "box.bmp"), 1);
  Image box;
  ASSERT_TRUE(ReadBmp("box.bmp", &box));
  // The box spans pixels 90..602 across; its middle is pixel 346.
  EXPECT_GT(box.Count(330, 96, 362, 150, {255, 0, 0}), 20);
  EXPECT_EQ(box.Count(0, 96, 300, 150, {255, 0, 0}), 0);
}

}  // namespace
