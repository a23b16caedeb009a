// Each drawing, picture-saving, graph-window and print-preview path run again and again in one
// process. Each test measures the free room in GDI's table exactly (and, under Windows, the
// process's object count), after a first run and again after the loop: a path that keeps more
// than a handful of objects in the whole loop fails, so a path that keeps one object a run (or one
// each time a window is opened) shows within a loop only a little longer than that handful, and
// every rarer branch of a run (a child window, a repaint, a page turned) runs more often than the
// handful too. Every creation must still succeed and every picture must come out as the first one
// did.
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

// Objects a loop may leave behind without being wrong (Wine hands out a window's cached device
// contexts and a font's realisation as it needs them).
constexpr int kKeptAtMost = 4;
// Runs of each path: an object kept by every run, or by every run of a branch taken one run in
// kEvery, is kept more than kKeptAtMost times.
constexpr int kRuns = 20 * (kKeptAtMost + 1);
constexpr int kEvery = kRuns / (2 * (kKeptAtMost + 1));
// The graph window and the preview are opened and closed this many times; each open must keep
// nothing, so the room measured after all of them is the room before.
constexpr int kOpens = 4 * (kKeptAtMost + 1);

// The process's GDI objects as Windows counts them (0 where that count is not kept, as in Wine).
DWORD GdiObjects() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

class GdiLoopTest : public ::testing::Test {
 protected:
  // Takes the room GDI has now: called after the loop's path has run once, so that what GDI and
  // the kit make once for the process is not counted as kept by the loop.
  void MeasureRoom() {
    roomBefore_ = wintest::GdiRoom();
    objectsBefore_ = GdiObjects();
  }
  void TearDown() override {
    if (HasFatalFailure()) return;
    ASSERT_GT(roomBefore_, 0) << "the test took no measure of GDI's room before its loop";
    int roomAfter = wintest::GdiRoom();
    EXPECT_LE(roomBefore_ - roomAfter, kKeptAtMost)
        << "GDI objects kept by the loop: room for " << roomBefore_ << " before it, " << roomAfter << " after";
    if (objectsBefore_ > 0) {
      EXPECT_LE(GdiObjects(), objectsBefore_ + kKeptAtMost) << "GDI objects before the loop: " << objectsBefore_;
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
  int roomBefore_ = 0;
  DWORD objectsBefore_ = 0;
  HWND parent_ = nullptr;
};

// One graphics window opened, drawn with the scene that uses every kind of drawing call (pens of
// every style and width, solid, hatched and gradient brushes, plain, stretched and turned text)
// and closed; one run in four the window is a child window that paints itself.
void DrawAndClose(HWND parent, int run) {
  ASSERT_EQ(OpenGfxEx(7, run % 4 == 0 ? parent : nullptr, 0, 0, 120, 60), 7) << "run " << run;
  gfxscene::DrawScene(7);
  GfxWindowEx(7, kGfxClose);
}

TEST_F(GdiLoopTest, GraphicsWindowsOpenedDrawnAndClosed) {
  ASSERT_NE(Parent(), nullptr);
  DrawAndClose(Parent(), 0);
  MeasureRoom();
  for (int i = 0; i < kRuns; ++i) {
    DrawAndClose(Parent(), i);
    if (HasFatalFailure()) return;
  }
}

// One drawn window's picture saved again and again in one way (a file name, "CLIPBOARD") in save
// mode `mode` (set before each save: a JPEG mode holds for one save); every file the same as the
// first.
void SaveAgainAndAgain(long mode, const std::string& target, int runs, const std::function<void()>& measure) {
  ASSERT_EQ(OpenGfxEx(7, nullptr, 0, 0, 120, 60), 7);
  gfxscene::DrawScene(7);
  const bool file = target != "CLIPBOARD";
  SaveGfxModeEx(7, mode);
  ASSERT_EQ(SaveGfxWindowEx(7, target), 1);
  const std::string first = file ? ReadBytes(target) : std::string();
  if (file) {
    ASSERT_GT(first.size(), 100u);
  }
  measure();
  for (int i = 0; i < runs; ++i) {
    SaveGfxModeEx(7, mode);
    ASSERT_EQ(SaveGfxWindowEx(7, target), 1) << "run " << i;
    if (file && i % 10 == 0) {
      ASSERT_TRUE(ReadBytes(target) == first) << "run " << i << ": the picture came out different";
    }
  }
  GfxWindowEx(7, kGfxClose);
}

TEST_F(GdiLoopTest, PicturesSavedAsBmp) {
  SaveAgainAndAgain(0, "loop.bmp", kRuns, [this] { MeasureRoom(); });
  EXPECT_EQ(ReadBytes("loop.bmp").size(), 54u + ((120 * 3 + 3) & ~3) * 60);
}

TEST_F(GdiLoopTest, PicturesSavedAsJpeg) { SaveAgainAndAgain(1075, "loop.jpg", kRuns, [this] { MeasureRoom(); }); }

// Copied to the clipboard; printing, with no printer here, returns at once and quietly.
TEST_F(GdiLoopTest, PicturesCopiedToTheClipboardAndPrinted) {
  SaveAgainAndAgain(0, "CLIPBOARD", kRuns, [this] { MeasureRoom(); });
  ASSERT_EQ(OpenGfxEx(7, nullptr, 0, 0, 120, 60), 7);
  gfxscene::DrawScene(7);
  for (int i = 0; i < kRuns; ++i) PrintGfxWindowEx(7);
  GfxWindowEx(7, kGfxClose);
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
  for (int id : {kGraphStripEnd, kGraphStripStart}) {
    HWND strip = GetDlgItem(g, id);
    WindowDc dc(strip);
    SendMessageA(g, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()), reinterpret_cast<LPARAM>(strip));
  }
}

// The graph window shown and closed kOpens times, the first time before the room is measured;
// in the second its controls are drawn run after run (the whole window repainted now and then:
// it must look as it did at first), in the others a few times.
TEST_F(GdiLoopTest, GraphWindowDrawnAndReopened) {
  GraphProfile profile = BeamProfile();
  GraphPoints points = Arch(11);
  const std::string caption = GraphWindowCaption(profile);
  std::vector<DWORD> first;
  bool same = true;
  int shown = 0, runs = 0;
  for (int n = 0; n < kOpens; ++n) {
    const int draws = n == 1 ? kRuns : 10;
    auto run = wintest::RunScript({wintest::WhenDialog(caption,
                                                       [&](HWND g) {
                                                         ++shown;
                                                         for (int i = 0; i < draws; ++i, ++runs) {
                                                           DrawControls(g, i);
                                                           if (i % kEvery == 0) {
                                                             Repaint(g);
                                                             std::vector<DWORD> now = wintest::ClientPixels(g);
                                                             if (first.empty()) first = now;
                                                             same = same && now == first;
                                                           }
                                                         }
                                                         wintest::PostClick(g, kGraphCloseButton);
                                                       })},
                                  [&] { ShowGraphWindow(nullptr, profile, 1, points, 11); }, 120000, 10);
    ASSERT_TRUE(run.finished) << "window " << n;
    if (n == 0) MeasureRoom();
  }
  EXPECT_EQ(shown, kOpens);
  EXPECT_EQ(runs, kRuns + (kOpens - 1) * 10);
  EXPECT_FALSE(first.empty());
  EXPECT_TRUE(same) << "the graph window looked different after its controls were drawn again and again";
}

// The print preview of the two-page sample (texts in three fonts, a picture) opened, painted and
// closed kOpens times, the first time before the room is measured; in the second its page view is
// painted run after run, turning pages (the device contexts that paints would leave behind go
// only with their window), in the others a few times.
TEST_F(GdiLoopTest, PrintPreviewPaintedAndReopened) {
  WriteBytes("graph.bmp", docfixture::MakeBitmap(16, 8, 0x0000FF));
  ddoc::Document doc;
  int started = docfixture::StartTwoPageDocument("", "graph.bmp");
  ASSERT_GE(started, 1);
  ASSERT_EQ(ddoc::CloseDocument(started, doc), 0);
  std::vector<DWORD> firstPage;
  bool same = true;
  int paints = 0;
  for (int n = 0; n < kOpens; ++n) {
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
      for (int i = 0; i < (n == 1 ? kRuns : 10); ++i, ++paints) {
        if (i % (2 * kEvery) == kEvery) SendMessageA(GetDlgItem(f, ddoc::kPreviewNext), BM_CLICK, 0, 0);
        if (i % (2 * kEvery) == 0) SendMessageA(GetDlgItem(f, ddoc::kPreviewPrevious), BM_CLICK, 0, 0);
        InvalidateRect(view, nullptr, FALSE);
        UpdateWindow(view);
        if (i % (2 * kEvery) == 0) {
          std::vector<DWORD> now = wintest::ClientPixels(view);
          if (firstPage.empty()) firstPage = now;
          same = same && now == firstPage;
        }
      }
      SendMessageA(GetDlgItem(f, ddoc::kPreviewClose), BM_CLICK, 0, 0);
    };
    timer = SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR, DWORD) { step(); });
    EXPECT_EQ(ddoc::ShowPreview(doc, nullptr, "GDI loop"), 0);
    KillTimer(nullptr, timer);
    if (n == 0) MeasureRoom();
  }
  EXPECT_EQ(paints, kRuns + (kOpens - 1) * 10);
  EXPECT_FALSE(firstPage.empty());
  EXPECT_TRUE(same) << "the page looked different after repaints";
}

// The kit's small drawing paths: the start-up background (200 brushes a time) and a text measured
// in a dialog's font (a hidden dialog made and destroyed each time).
TEST_F(GdiLoopTest, BackgroundPaintedAndTextMeasured) {
  ASSERT_NE(Parent(), nullptr);
  PaintBackground(Parent());
  DialogTemplate d = NewDialog("Measure", 0, 0, 100, 50);
  int height = 0;
  const int width = DialogTextWidth(d, "&PLOT the SELECTED ACTION", height);
  ASSERT_GT(width, 0);
  MeasureRoom();
  for (int i = 0; i < kRuns; ++i) PaintBackground(Parent());
  for (int i = 0; i < kRuns; ++i) {
    int h = 0;
    ASSERT_EQ(DialogTextWidth(d, "&PLOT the SELECTED ACTION", h), width) << "run " << i;
    ASSERT_EQ(h, height) << "run " << i;
  }
}

}  // namespace
