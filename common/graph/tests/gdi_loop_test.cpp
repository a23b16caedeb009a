// Each drawing, picture-saving, graph-window and print-preview path run 20,000 times in one
// process. Windows lets a process hold 10,000 GDI objects, so a path that keeps one object a run
// fails there within the loop; Wine's table holds about 65,000, so after each loop the test also
// asks for room for 50,000 more at once. Every creation must still succeed and every picture must
// come out as the first one did.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "../../doc/tests/docfixture.h"
#include "../../gfx/tests/gfx_scene.h"
#include "../../tests/testdir.h"
#include "beamprofile.h"
#include "doc/win/docwin.h"
#include "graph/graphwindow.h"
#include "win/dialogs.h"
#include "win/handles.h"
#include "win/startup.h"
#include "win/testing/wintest.h"

namespace {

constexpr int kRuns = 20000;
constexpr int kRoomAfter = 50000;

// The process's GDI objects as Windows counts them (0 where that count is not kept, as in Wine).
DWORD GdiObjects() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

// Checks, after a loop, that nothing piled up.
class GdiLoopTest : public ::testing::Test {
 protected:
  void SetUp() override { before_ = GdiObjects(); }
  void TearDown() override {
    EXPECT_TRUE(wintest::RoomForGdiObjects(kRoomAfter)) << "GDI objects were kept by the loop";
    if (before_ > 0) {
      EXPECT_LE(GdiObjects(), before_ + 8) << "GDI objects before the loop: " << before_;
    }
  }
  HWND Parent() {
    if (!parent_)
      parent_ = CreateWindowExA(0, "STATIC", "GDI loop", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    return parent_;
  }
  ~GdiLoopTest() override {
    if (parent_) DestroyWindow(parent_);
  }
  TestDirectory dir_;
  DWORD before_ = 0;
  HWND parent_ = nullptr;
};

// Opens, draws the scene that uses every kind of drawing call (pens of every style and width,
// solid, hatched and gradient brushes, plain, stretched and turned text) and closes one graphics
// window a run; one run in four the window is a child window that paints itself. Pictures are
// saved as BMP one run in ten, as JPEG one in fifty (GDI+ holds those, not GDI), and copied to
// the clipboard one in five hundred.
TEST_F(GdiLoopTest, GraphicsWindowsDrawnSavedAndClosed) {
  ASSERT_NE(Parent(), nullptr);
  std::string firstBmp, firstJpeg;
  for (int i = 0; i < kRuns; ++i) {
    ASSERT_EQ(OpenGfxEx(7, i % 4 == 0 ? Parent() : nullptr, 0, 0, 120, 60), 7) << "run " << i;
    gfxscene::DrawScene(7);
    if (i % 10 == 0) {
      ASSERT_EQ(SaveGfxWindowEx(7, "loop.bmp"), 1) << "run " << i;
      if (i == 0) firstBmp = ReadBytes("loop.bmp");
      ASSERT_TRUE(ReadBytes("loop.bmp") == firstBmp) << "run " << i << ": the BMP picture came out different";
    }
    if (i % 50 == 0) {
      SaveGfxModeEx(7, 1075);
      ASSERT_EQ(SaveGfxWindowEx(7, "loop.jpg"), 1) << "run " << i;
      if (i == 0) firstJpeg = ReadBytes("loop.jpg");
      ASSERT_TRUE(ReadBytes("loop.jpg") == firstJpeg) << "run " << i << ": the JPEG picture came out different";
    }
    if (i % 500 == 0) {
      ASSERT_EQ(SaveGfxWindowEx(7, "CLIPBOARD"), 1) << "run " << i;
      PrintGfxWindowEx(7);  // no printer here: returns at once, quietly
    }
    GfxWindowEx(7, kGfxClose);
  }
  EXPECT_GT(firstBmp.size(), 120u * 60 * 3);
}

GraphPoints Arch(int count) {
  GraphPoints p;
  for (int i = 1; i <= count; ++i) p.Set(i, static_cast<float>(i), static_cast<float>((i - 1) * (count - i)));
  return p;
}

void Repaint(HWND w) { RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW); }

// The graph window's own drawing, as its controls ask for it: each owner-drawn tab and button
// (plain, selected, focused) and the colours of the strip above the tabs.
void DrawControls(HWND g, int run) {
  const UINT states[] = {0, ODS_SELECTED, ODS_FOCUS};
  HWND tabs = GetDlgItem(g, kGraphTabs);
  for (int id : {0, 1, int(kGraphCloseButton), int(kGraphFileButton), int(kGraphClipboardButton), int(kGraphPrintButton)}) {
    bool tab = id < 2;
    HWND control = tab ? tabs : GetDlgItem(g, id);
    WindowDc dc(control);
    DRAWITEMSTRUCT di = {};
    di.CtlType = tab ? ODT_TAB : ODT_BUTTON;
    di.CtlID = tab ? kGraphTabs : id;
    di.itemID = tab ? id : 0;
    di.itemAction = ODA_DRAWENTIRE;
    di.itemState = states[run % 3];
    di.hwndItem = control;
    di.hDC = dc.get();
    if (tab)
      SendMessageA(tabs, TCM_GETITEMRECT, id, reinterpret_cast<LPARAM>(&di.rcItem));
    else
      GetClientRect(control, &di.rcItem);
    SendMessageA(g, WM_DRAWITEM, di.CtlID, reinterpret_cast<LPARAM>(&di));
  }
  for (int id : {59, 60}) {
    HWND strip = GetDlgItem(g, id);
    WindowDc dc(strip);
    SendMessageA(g, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()), reinterpret_cast<LPARAM>(strip));
  }
}

// The graph window shown and closed again, and its controls drawn run after run while it is open
// (the whole window repainted now and then: it must look as it did at first).
TEST_F(GdiLoopTest, GraphWindowDrawnAndReopened) {
  GraphProfile profile = BeamProfile();
  GraphPoints points = Arch(11);
  const std::string caption = GraphWindowCaption(profile);
  std::vector<DWORD> first;
  bool same = true;
  int shown = 0, runs = 0;
  const int windows = 20;
  for (int n = 0; n < windows; ++n) {
    auto run = wintest::RunScript({wintest::WhenDialog(caption,
                                                       [&](HWND g) {
                                                         ++shown;
                                                         for (int i = 0; i < kRuns / windows; ++i, ++runs) {
                                                           DrawControls(g, i);
                                                           if (i % 200 == 0) {
                                                             Repaint(g);
                                                             std::vector<DWORD> now = wintest::ClientPixels(g);
                                                             if (first.empty()) first = now;
                                                             same = same && now == first;
                                                           }
                                                         }
                                                         wintest::PostClick(g, kGraphCloseButton);
                                                       })},
                                  [&] { ShowGraphWindow(nullptr, profile, 1, points, 11); }, 120000);
    ASSERT_TRUE(run.finished) << "window " << n;
  }
  EXPECT_EQ(shown, windows);
  EXPECT_EQ(runs, kRuns);
  EXPECT_FALSE(first.empty());
  EXPECT_TRUE(same) << "the graph window looked different after its controls were drawn again and again";
}

// The print preview of the two-page sample (texts in three fonts, a picture): its page view
// painted run after run in one window, turning pages (the device contexts that paints would leave
// behind go only with their window), then the preview opened, painted and closed again.
TEST_F(GdiLoopTest, PrintPreviewPaintedAndReopened) {
  WriteBytes("graph.bmp", docfixture::MakeBitmap(16, 8, 0x0000FF));
  ddoc::Document doc;
  int started = docfixture::StartTwoPageDocument("", "graph.bmp");
  ASSERT_GE(started, 1);
  ASSERT_EQ(ddoc::CloseDocument(started, doc), 0);
  std::vector<DWORD> firstPage;
  bool same = true;
  int paints = 0;
  const int previews = 20;
  for (int n = 0; n < previews; ++n) {
    UINT_PTR timer = 0;
    static std::function<void()> step;
    step = [&] {
      HWND f = FindWindowA(ddoc::kPreviewClass, nullptr);
      if (!f) return;
      KillTimer(nullptr, timer);
      HWND view = GetDlgItem(f, ddoc::kPreviewPageView);
      // A small view: the same drawing, fewer pixels to fill.
      ShowWindow(f, SW_RESTORE);
      MoveWindow(f, 0, 0, 400, 300, TRUE);
      for (int i = 0; i < (n == 0 ? kRuns : 10); ++i, ++paints) {
        if (i % 500 == 250) SendMessageA(GetDlgItem(f, ddoc::kPreviewNext), BM_CLICK, 0, 0);
        if (i % 500 == 0) SendMessageA(GetDlgItem(f, ddoc::kPreviewPrevious), BM_CLICK, 0, 0);
        InvalidateRect(view, nullptr, FALSE);
        UpdateWindow(view);
        if (i % 500 == 0) {
          std::vector<DWORD> now = wintest::ClientPixels(view);
          if (firstPage.empty()) firstPage = now;
          same = same && now == firstPage;
        }
      }
      SendMessageA(GetDlgItem(f, ddoc::kPreviewClose), BM_CLICK, 0, 0);
    };
    timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) { step(); });
    EXPECT_EQ(ddoc::ShowPreview(doc, nullptr, "GDI loop"), 0);
    KillTimer(nullptr, timer);
  }
  EXPECT_EQ(paints, kRuns + (previews - 1) * 10);
  EXPECT_FALSE(firstPage.empty());
  EXPECT_TRUE(same) << "the page looked different after repaints";
}

// The kit's small drawing paths: the start-up background (200 brushes a time) and a text measured
// in a dialog's font (a hidden dialog made and destroyed each time: a tenth of the runs).
TEST_F(GdiLoopTest, BackgroundPaintedAndTextMeasured) {
  ASSERT_NE(Parent(), nullptr);
  for (int i = 0; i < kRuns; ++i) PaintBackground(Parent());
  DialogTemplate d = NewDialog("Measure", 0, 0, 100, 50);
  int height = 0;
  const int width = DialogTextWidth(d, "&PLOT the SELECTED ACTION", height);
  ASSERT_GT(width, 0);
  for (int i = 0; i < kRuns / 10; ++i) {
    int h = 0;
    ASSERT_EQ(DialogTextWidth(d, "&PLOT the SELECTED ACTION", h), width) << "run " << i;
    ASSERT_EQ(h, height) << "run " << i;
  }
}

}  // namespace
