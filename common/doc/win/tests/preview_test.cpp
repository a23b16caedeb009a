#include <gtest/gtest.h>
#include <objidl.h>
#include <windows.h>
#include <gdiplus.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "../../tests/docfixture.h"
#include "doc/ddoc.h"
#include "doc/win/docwin.h"
#include "win/handles.h"
#include "win/testing/layout.h"
#include "win/testing/wintest.h"

using namespace ddoc;
using docfixture::MakeBitmap;

namespace {

using wintest::WindowText;

// A script of steps run by a thread timer inside whatever modal loop is running (the preview's,
// a message box's, the print dialog's). A step returns false when the script is done.
std::function<bool()> g_step;
UINT_PTR g_timer = 0;
bool g_inStep = false;

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (g_inStep || !g_step) return;  // a step that opened a modal loop is still running
  g_inStep = true;
  bool more = g_step();
  g_inStep = false;
  if (!more) {
    KillTimer(nullptr, g_timer);
    g_step = nullptr;
  }
}

void RunScript(std::function<bool()> step) {
  g_step = std::move(step);
  g_timer = SetTimer(nullptr, 0, 100, Tick);
}


void Click(HWND frame, int id) { SendMessageA(GetDlgItem(frame, id), BM_CLICK, 0, 0); }

void PickBookmark(HWND frame, int index) {
  HWND list = GetDlgItem(frame, kPreviewBookmarks);
  SendMessageA(list, LB_SETCURSEL, index, 0);
  SendMessageA(frame, WM_COMMAND, MAKEWPARAM(kPreviewBookmarks, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

// How many pixels of the window's client area on screen have exactly this colour.
int CountColour(HWND w, COLORREF colour) {
  UpdateWindow(w);
  RECT rc;
  GetClientRect(w, &rc);
  HDC screen = GetDC(w);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO bmi = {};
  bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), rc.right, -rc.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(screen, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, dib);
  BitBlt(mem, 0, 0, rc.right, rc.bottom, screen, 0, 0, SRCCOPY);
  GdiFlush();
  int n = 0;
  const DWORD want = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
  for (long i = 0; i < static_cast<long>(rc.right) * rc.bottom; ++i)
    if ((static_cast<const DWORD*>(bits)[i] & 0xFFFFFF) == want) ++n;
  SelectObject(mem, old);
  DeleteObject(dib);
  DeleteDC(mem);
  ReleaseDC(w, screen);
  return n;
}

// A page drawn into memory at `perCm` pixels a centimetre, for looking at its pixels.
class PageImage {
 public:
  PageImage(const Document& doc, int page, double perCm) {
    width_ = static_cast<int>(doc.pages[page].width * perCm);
    height_ = static_cast<int>(doc.pages[page].height * perCm);
    perCm_ = perCm;
    BITMAPINFO bmi = {};
    bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    dc_ = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    dib_ = CreateDIBSection(dc_, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<const DWORD*>(bits);
    old_ = SelectObject(dc_, dib_);
    RECT all = {0, 0, width_, height_};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    PageMapping map;
    map.perCmX = map.perCmY = perCm;
    PictureCache cache;
    RenderPage(dc_, doc, page, map, cache);
    GdiFlush();
  }
  ~PageImage() {
    SelectObject(dc_, old_);
    DeleteObject(dib_);
    DeleteDC(dc_);
  }
  // The pixel at (x, y) cm as 0x00BBGGRR.
  COLORREF At(double x, double y) const {
    DWORD v = bits_[static_cast<int>(y * perCm_) * width_ + static_cast<int>(x * perCm_)];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
  }
  // Pixels that are not white within the box (cm).
  int Inked(double left, double top, double right, double bottom) const {
    int n = 0;
    for (int y = static_cast<int>(top * perCm_); y < static_cast<int>(bottom * perCm_) && y < height_; ++y)
      for (int x = static_cast<int>(left * perCm_); x < static_cast<int>(right * perCm_) && x < width_; ++x)
        if ((bits_[y * width_ + x] & 0xFFFFFF) != 0xFFFFFF) ++n;
    return n;
  }

 private:
  int width_ = 0, height_ = 0;
  double perCm_ = 1;
  HDC dc_ = nullptr;
  HBITMAP dib_ = nullptr;
  HGDIOBJ old_ = nullptr;
  const DWORD* bits_ = nullptr;
};

TEST(Preview, ShowsPageOneTurnsToPageTwoAndBackAndJumpsByBookmark) {
  TestDirectory dir;
  WriteBytes("graph.bmp", MakeBitmap(16, 8, 0x00C000));  // a green no text of the sample has
  int doc = docfixture::StartTwoPageDocument("TWO_DATA.DDC", "graph.bmp");
  ASSERT_GE(doc, 1);

  std::vector<std::string> seen;
  std::vector<int> green;
  std::vector<std::string> marks;
  bool previousEnabledOnFirst = true, printEnabled = false;
  int step = 0, waits = 0;
  RunScript([&]() {
    HWND f = FindWindowA(kPreviewClass, nullptr);
    if (!f) return ++waits < 100;
    HWND view = GetDlgItem(f, kPreviewPageView);
    seen.push_back(WindowText(GetDlgItem(f, kPreviewPageLabel)));
    green.push_back(CountColour(view, RGB(0, 192, 0)));  // the picture is on page 1 only
    switch (step++) {
      case 0: {
        HWND list = GetDlgItem(f, kPreviewBookmarks);
        for (int i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
          char buf[256] = "";
          SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(buf));
          marks.push_back(buf);
        }
        previousEnabledOnFirst = IsWindowEnabled(GetDlgItem(f, kPreviewPrevious));
        printEnabled = IsWindowEnabled(GetDlgItem(f, kPreviewPrint));
        Click(f, kPreviewNext);
        return true;
      }
      case 1: Click(f, kPreviewPrevious); return true;
      case 2: PickBookmark(f, 1); return true;
      case 3: PickBookmark(f, 0); return true;
      default: Click(f, kPreviewClose); return false;
    }
  });
  EXPECT_EQ(dpEndDoc(doc, 0), 0);
  EXPECT_EQ(seen, (std::vector<std::string>{"Page 1 of 2", "Page 2 of 2", "Page 1 of 2", "Page 2 of 2", "Page 1 of 2"}));
  ASSERT_EQ(green.size(), 5u);
  EXPECT_GT(green[0], 1000);
  EXPECT_EQ(green[1], 0);
  EXPECT_GT(green[2], 1000);
  EXPECT_EQ(green[3], 0);
  EXPECT_GT(green[4], 1000);
  EXPECT_EQ(marks, (std::vector<std::string>{" Geometry Data", " SUPPORT Data"}));
  EXPECT_FALSE(previousEnabledOnFirst);
  EXPECT_EQ(printEnabled, PrinterInstalled());  // no printer: the print button says so
  EXPECT_EQ(FindWindowA(kPreviewClass, nullptr), nullptr);

  // The saved file holds the same two pages, footers and all.
  Document d;
  ASSERT_EQ(ReadDocumentFile("TWO_DATA.DDC", d), kDocFileOk);
  ASSERT_EQ(d.pages.size(), 2u);
  for (int page = 1; page <= 2; ++page) {
    std::string footer;
    for (const Item& it : d.pages[page - 1].items)
      if (it.y == 28) footer += (footer.empty() ? "" : " ") + ItemText(d, page, it);
    EXPECT_EQ(footer, "Page " + std::to_string(page) + " of 2");
  }
}

TEST(Preview, TheOwnerWindowWaitsDisabledWhileThePreviewIsOpen) {
  TestDirectory dir;
  HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(owner, nullptr);
  int doc = dpStartDoc(owner, "RESULTS", "", 1, 9, 0, 7, 128);
  dpText(doc, 1.5f, 2, 0, "Results of Analysis");
  bool ownerEnabled = true, listShown = true;
  HWND previewOwner = nullptr;
  int waits = 0;
  RunScript([&]() {
    HWND f = FindWindowA(kPreviewClass, nullptr);
    if (!f) return ++waits < 100;
    ownerEnabled = IsWindowEnabled(owner);
    previewOwner = GetWindow(f, GW_OWNER);
    listShown = GetDlgItem(f, kPreviewBookmarks) != nullptr;  // no bookmarks: no list
    PostMessageA(f, WM_KEYDOWN, VK_ESCAPE, 0);
    return false;
  });
  EXPECT_EQ(dpEndDoc(doc, 4), 0);
  EXPECT_FALSE(ownerEnabled);
  EXPECT_EQ(previewOwner, owner);
  EXPECT_FALSE(listShown);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(FindWindowA(kPreviewClass, nullptr), nullptr);
  DestroyWindow(owner);
}

// The preview's bar shows its buttons' texts and the page label whole, nothing over another.
TEST(Preview, ItsBarShowsItsTextsWhole) {
  TestDirectory dir;
  WriteBytes("graph.bmp", MakeBitmap(16, 8, 0x00C000));
  int doc = docfixture::StartTwoPageDocument("", "graph.bmp");
  ASSERT_GE(doc, 1);
  std::vector<std::string> faults;
  bool seen = false;
  int waits = 0;
  RunScript([&]() {
    HWND f = FindWindowA(kPreviewClass, nullptr);
    if (!f || !IsWindowVisible(f)) return ++waits < 100;
    seen = true;
    faults = wintest::LayoutFaults(f);
    PostMessageA(f, WM_CLOSE, 0, 0);
    return false;
  });
  EXPECT_EQ(dpEndDoc(doc, 4), 0);
  EXPECT_TRUE(seen);
  EXPECT_TRUE(faults.empty()) << wintest::Lines(faults);
}

// The two-page sample document with a red picture, closed into d (and into file unless it is "").
void CloseTwoPageSample(const std::string& file, Document& d) {
  WriteBytes("graph.bmp", MakeBitmap(16, 8, 0x0000FF));
  int doc = docfixture::StartTwoPageDocument(file, "graph.bmp");
  ASSERT_EQ(CloseDocument(doc, d), 0);
}

TEST(Preview, PagesAreDrawnWhereTheDocumentPlacesThem) {
  TestDirectory dir;
  Document d;
  ASSERT_NO_FATAL_FAILURE(CloseTwoPageSample("", d));
  PageImage one(d, 0, 20), two(d, 1, 20);
  EXPECT_EQ(one.At(7.3, 8.5), RGB(255, 0, 0));   // the picture's middle (2.3..12.3, 6..11)
  COLORREF edge = one.At(2.4, 8.5);               // its black first column at the left edge
  EXPECT_LT(GetRValue(edge), 100);
  EXPECT_EQ(one.At(12.4, 8.5), RGB(255, 255, 255));
  EXPECT_GT(one.Inked(1.5, 1.5, 8, 2.1), 50);    // the title line
  EXPECT_GT(one.Inked(1.5, 3.5, 6, 3.9), 50);    // a COURIER NEW line
  EXPECT_EQ(one.Inked(0, 12, 21, 27.5), 0);      // nothing between the picture and the footer
  // Footer "Page 1 of 2": the number ends at 18 (right-aligned), the count starts at 18.8.
  EXPECT_GT(one.Inked(17.5, 28, 18.0, 28.4), 5);
  EXPECT_EQ(one.Inked(18.0, 28, 18.15, 28.4), 0);
  EXPECT_GT(one.Inked(18.8, 28, 19.2, 28.4), 5);
  EXPECT_EQ(two.Inked(2.3, 6, 12.3, 11), 0);     // page 2 has no picture
  EXPECT_GT(two.Inked(1.5, 3.5, 6, 3.9), 50);
}

// A JPEG made with GDI+, of one colour.
std::string MakeJpeg(int w, int h, BYTE r, BYTE g, BYTE b) {
  using namespace Gdiplus;
  GdiplusStartupInput input;
  ULONG_PTR token = 0;
  GdiplusStartup(&token, &input, nullptr);
  std::string bytes;
  {
    Bitmap bmp(w, h, PixelFormat24bppRGB);
    Graphics graphics(&bmp);
    SolidBrush brush(Color(255, r, g, b));
    graphics.FillRectangle(&brush, 0, 0, w, h);
    const CLSID jpeg = {0x557cf401, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    IStream* s = nullptr;
    CreateStreamOnHGlobal(nullptr, TRUE, &s);
    if (bmp.Save(s, &jpeg, nullptr) == Ok) {
      HGLOBAL mem;
      GetHGlobalFromStream(s, &mem);
      STATSTG st;
      s->Stat(&st, STATFLAG_NONAME);
      bytes.assign(static_cast<const char*>(GlobalLock(mem)), static_cast<size_t>(st.cbSize.QuadPart));
      GlobalUnlock(mem);
    }
    s->Release();
  }
  GdiplusShutdown(token);
  return bytes;
}

TEST(Preview, AJpegPictureIsDrawnToo) {
  TestDirectory dir;
  std::string jpeg = MakeJpeg(64, 32, 0, 160, 0);
  ASSERT_EQ(DetectPicture(jpeg), kJpegPicture);
  WriteBytes("Linear.JPG", jpeg);
  int doc = dpStartDoc(nullptr, "Structure Data", "GraphBMP.DDC", 1, 9, 0, 7, 128);
  ASSERT_EQ(dpGraphic(doc, 2.3f, 2.5f, 26, 14, "Linear.JPG"), 0);
  Document d;
  ASSERT_EQ(CloseDocument(doc, d), 0);
  ASSERT_TRUE(d.pages[0].landscape);
  PageImage page(d, 0, 10);
  COLORREF c = page.At(15, 9);
  EXPECT_LT(GetRValue(c), 30);
  EXPECT_GT(GetGValue(c), 130);
  EXPECT_LT(GetBValue(c), 30);
  EXPECT_EQ(page.At(1, 1), RGB(255, 255, 255));
}

// Keeps the text of a "WARNING!" box, of this program or another, and answers it; true (look
// again) while there is none yet.
std::function<bool()> AnswerWarningBox(std::string& text) {
  return [&text]() {
    HWND box = FindWindowA("#32770", "WARNING!");
    if (!box) return true;
    text = WindowText(GetDlgItem(box, wintest::kBoxTextId));
    if (text.empty()) return true;  // found while it is still being set up: look again
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return false;
  };
}

// Answers the first "WARNING!" box this program shows and keeps its text.
void AnswerWarning(std::string& text, int& waits) {
  auto answer = AnswerWarningBox(text);
  RunScript([answer, &waits]() { return answer() && ++waits < 100; });
}

TEST(Viewer, ACutOffFileGivesAWarningAndNoPreview) {
  TestDirectory dir;
  Document d;
  ASSERT_NO_FATAL_FAILURE(CloseTwoPageSample("GOOD.DDC", d));
  std::string good = ReadBytes("GOOD.DDC");
  WriteBytes("CUT.DDC", good.substr(0, good.size() * 2 / 3));
  docfixture::TraceFile trace;
  std::string text;
  int waits = 0;
  AnswerWarning(text, waits);
  EXPECT_EQ(ViewDocumentFile("CUT.DDC"), kDocFileTruncated);
  EXPECT_EQ(text, "Document File 'CUT.DDC' is Incomplete!   It cannot be Shown.");
  EXPECT_NE(trace.Text().find("box|WARNING!|Document File 'CUT.DDC' is Incomplete!   It cannot be Shown.|2030|1\n"),
            std::string::npos)
      << trace.Text();
  EXPECT_EQ(trace.Text().find("preview|"), std::string::npos);
}

// Runs DocView.exe (beside this test program) on a file and lets `handle` deal with its windows
// from here; returns the viewer's exit code.
DWORD RunViewer(const std::string& file, const std::function<bool()>& handle) {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string exe = self;
  exe = exe.substr(0, exe.find_last_of('\\') + 1) + "DocView.exe";
  std::string cmd = "\"" + exe + "\" \"" + file + "\"";
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessA(exe.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return 999;
  DWORD code = 998;
  for (int i = 0; i < 200; ++i) {
    if (WaitForSingleObject(pi.hProcess, 100) == WAIT_OBJECT_0) break;
    if (!handle()) {
      WaitForSingleObject(pi.hProcess, 10000);
      break;
    }
  }
  if (WaitForSingleObject(pi.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 997);
  WaitForSingleObject(pi.hProcess, 5000);
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
  return code;
}

TEST(Viewer, DocViewShowsASavedDocumentAndWarnsOfADamagedOne) {
  TestDirectory dir;
  Document d;
  ASSERT_NO_FATAL_FAILURE(CloseTwoPageSample("JOB 1_DATA.DDC", d));

  std::string label, caption;
  DWORD code = RunViewer((dir.path() / "JOB 1_DATA.DDC").string(), [&]() {
    HWND f = FindWindowA(kPreviewClass, nullptr);
    if (!f) return true;
    label = WindowText(GetDlgItem(f, kPreviewPageLabel));
    caption = WindowText(f);
    // Found while it is still being set up (no label yet, or a label read half made): look again.
    if (label.rfind("Page ", 0) != 0) return true;
    PostMessageA(f, WM_CLOSE, 0, 0);
    return false;
  });
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(label, "Page 1 of 2");
  EXPECT_EQ(caption, "Print Preview - Structure Data - JOB 1_DATA.DDC");

  std::string good = ReadBytes("JOB 1_DATA.DDC");
  good[good.size() - 20] ^= 0x01;
  WriteBytes("BAD.DDC", good);
  std::string text;
  code = RunViewer("BAD.DDC", AnswerWarningBox(text));
  EXPECT_EQ(code, 1u);
  EXPECT_EQ(text, "Document File 'BAD.DDC' is Damaged!   It cannot be Shown.");

  text.clear();
  code = RunViewer("", AnswerWarningBox(text));
  EXPECT_EQ(code, 1u);
  EXPECT_EQ(text, "No Document File was Named!   Start DocView with the Name of a '.DDC' File.");
}

TEST(Printing, WithNoPrinterItSaysSoPrintsNothingAndTheCallReturns) {
  TestDirectory dir;
  docfixture::TraceFile trace;
  int doc = dpStartDoc(nullptr, "RESULTS", "", 1, 9, 0, 7, 128);
  dpText(doc, 1.5f, 2, 0, "Results of Analysis");
  // Without a printer no print dialog shows: one warning box says so; every window that shows is
  // answered and noted here.
  std::vector<std::string> windows;
  int waits = 0;
  RunScript([&]() {
    if (++waits > 30) return false;
    HWND w = FindWindowA("#32770", nullptr);
    if (w) {
      windows.push_back(WindowText(w));
      PostMessageA(w, WM_COMMAND, IDOK, 0);
    }
    return true;
  });
  EXPECT_EQ(dpEndDoc(doc, 5), 0);
  KillTimer(nullptr, g_timer);
  g_step = nullptr;
  EXPECT_EQ(windows, (std::vector<std::string>{"WARNING!"}));
  EXPECT_FALSE(PrinterInstalled());
  EXPECT_NE(trace.Text().find("box|WARNING!|No PRINTER is Installed!"), std::string::npos) << trace.Text();
  EXPECT_NE(trace.Text().find("print|none|"), std::string::npos) << trace.Text();
  EXPECT_NE(trace.Text().find("dpEndDoc|" + std::to_string(doc) + "|5|=0\n"), std::string::npos);
}

TEST(Printing, AFileThatCannotBeWrittenIsReportedAndThePagesStillGoOut) {
  TestDirectory dir;
  std::filesystem::create_directory("OUT");
  docfixture::TraceFile trace;
  int doc = dpStartDoc(nullptr, "RESULTS", "OUT\\JOB1_RESULTS.DDC", 1, 9, 0, 7, 128);
  ASSERT_GE(doc, 1);
  dpText(doc, 1.5f, 2, 0, "Results of Analysis");
  std::filesystem::remove("OUT");
  // Two warnings: the file, then the missing printer.
  std::vector<std::string> texts;
  int waits = 0;
  RunScript([&]() {
    if (++waits > 400) return false;
    HWND box = FindWindowA("#32770", "WARNING!");
    std::string t = box ? WindowText(GetDlgItem(box, wintest::kBoxTextId)) : std::string();
    if (!t.empty()) {
      texts.push_back(t);
      PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    return true;
  });
  EXPECT_EQ(dpEndDoc(doc, 1), kDocWriteError);
  KillTimer(nullptr, g_timer);
  g_step = nullptr;
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0], "Document File 'OUT\\JOB1_RESULTS.DDC' could not be Written!   Check the Disk and its Folder.");
  EXPECT_EQ(texts[1], "No PRINTER is Installed!\r\n\r\nInstall a Printer, then Print again!");
  EXPECT_NE(trace.Text().find("print|none|"), std::string::npos);
}

}  // namespace

namespace {

// A printer that refuses the print after the print dialog (here a device that begins no
// document, as a printer gone off line): one warning box says why, and no page counts as printed.
TEST(Printing, APrintThePrinterRefusesIsAWarningWithItsReason) {
  TestDirectory dir;
  docfixture::TraceFile trace;
  int handle = dpStartDoc(nullptr, "RESULTS", "", 1, 9, 0, 7, 128);
  dpText(handle, 1.5f, 2, 0, "Results of Analysis");
  Document doc;
  ASSERT_EQ(CloseDocument(handle, doc), 0);
  ASSERT_EQ(doc.pages.size(), 1u);
  OwnedDc device(CreateCompatibleDC(nullptr));
  std::string text;
  int printed = -1;
  ASSERT_TRUE(wintest::RunScript({wintest::WhenDialog("WARNING!",
                                                      [&](HWND box) {
                                                        text = wintest::BoxText(box);
                                                        wintest::AnswerBox(box, IDOK);
                                                      })},
                                 [&] { printed = PrintPages(device.get(), doc, 1, 1, nullptr); })
                  .finished);
  EXPECT_EQ(printed, 0);
  EXPECT_EQ(text.rfind("The Document could not be Printed: the Printer did not Begin the Document", 0), 0u) << text;
  EXPECT_NE(text.find("!\r\n\r\nCheck the Printer, then Print again!"), std::string::npos) << text;
}

}  // namespace
