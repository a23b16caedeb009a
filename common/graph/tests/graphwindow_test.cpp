// The graph window under Wine: its caption, tabs and buttons, the curves as drawn (read from the
// graphics trace), picture files, the clipboard, printing without a printer and the temporaries.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "../../tests/testdir.h"
#include "beamprofile.h"
#include "graph/graphwindow.h"
#include "win/ids.h"
#include "win/testing/layout.h"
#include "win/testing/wintest.h"
#include "win/tests/colourprobe.h"

namespace {

using wintest::Do;
using wintest::PostClick;
using wintest::RunScript;
using wintest::WindowText;
using wintest::TraceCapture;
using wintest::WhenDialog;

const std::string kCaption = " GRAPH - Load Case: A dead";
const std::string kTypeCaption = " BEAM and STRIP ANALYSIS.   JOB: JOB1     Load Case: A dead";

// When the message box shows: its text kept, then OK.
wintest::Step ReadAndAnswer(const std::string& caption, std::string& text) {
  return WhenDialog(caption, [&text](HWND box) {
    text = wintest::BoxText(box);
    wintest::AnswerBox(box, IDOK);
  });
}

// Moments of a 10 m beam with nodal moments at 3 m and 7 m: two jumps, 13 points.
GraphPoints TwoJumps(int& count) {
  const float m[] = {0, 40, 70, 85, 60, 70, 72, 66, 52, 30, 0};
  GraphPoints p;
  count = 0;
  for (int i = 0; i <= 10; ++i) {
    p.Set(++count, static_cast<float>(i), m[i]);
    if (i == 3) p.Set(++count, 3, 55);
    if (i == 7) p.Set(++count, 7, 45);
  }
  return p;
}

GraphPoints Wave(int count) {
  GraphPoints p;
  for (int i = 1; i <= count; ++i) p.Set(i, static_cast<float>(i), static_cast<float>(i % 7));
  return p;
}

void SelectTab(HWND graph, int tab) {
  HWND tabs = GetDlgItem(graph, kGraphTabs);
  NMHDR nm{tabs, kGraphTabs, static_cast<UINT>(TCN_SELCHANGING)};
  SendMessageA(graph, WM_NOTIFY, kGraphTabs, reinterpret_cast<LPARAM>(&nm));
  SendMessageA(tabs, TCM_SETCURSEL, tab, 0);
  nm.code = static_cast<UINT>(TCN_SELCHANGE);
  SendMessageA(graph, WM_NOTIFY, kGraphTabs, reinterpret_cast<LPARAM>(&nm));
}


std::vector<std::string> TraceLines(const TraceCapture& trace) {
  std::vector<std::string> lines;
  std::ifstream in(trace.Path());
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// "gfx DrawToEx(2, 3800, 4000) w2 at(3800, 8000)": the target and the point the line starts from.
struct Segment {
  double x, y, fromX, fromY;
};
std::vector<Segment> Lines(const TraceCapture& trace, int window) {
  std::vector<Segment> out;
  std::string head = "gfx DrawToEx(" + std::to_string(window) + ", ";
  for (const std::string& line : TraceLines(trace)) {
    if (line.rfind(head, 0) != 0) continue;
    Segment s{};
    if (std::sscanf(line.c_str() + head.size(), "%lf, %lf) w%*d at(%lf, %lf)", &s.x, &s.y, &s.fromX, &s.fromY) == 4)
      out.push_back(s);
  }
  return out;
}

int Count(const TraceCapture& trace, const std::string& prefix) {
  int n = 0;
  for (const std::string& line : TraceLines(trace)) n += line.rfind(prefix, 0) == 0 ? 1 : 0;
  return n;
}

bool HasLine(const TraceCapture& trace, const std::string& prefix) { return Count(trace, prefix) > 0; }

bool ClipboardHoldsBitmap() {
  if (!OpenClipboard(nullptr)) return false;
  bool dib = IsClipboardFormatAvailable(CF_DIB) || IsClipboardFormatAvailable(CF_BITMAP);
  CloseClipboard();
  return dib;
}

void EmptyTheClipboard() {
  if (OpenClipboard(nullptr)) {
    EmptyClipboard();
    CloseClipboard();
  }
}

class GraphWindowTest : public ::testing::Test {
 protected:
  // Shows the graph while the steps run; the last step should close the window.
  bool Show(std::vector<wintest::Step> steps, const GraphPoints& points, int count, int action = 1) {
    return RunScript(std::move(steps), [&] { ShowGraphWindow(nullptr, profile_, action, points, count); }, 30000).finished;
  }
  static wintest::Step Close() {
    return WhenDialog(kCaption, [](HWND g) { PostClick(g, kGraphCloseButton); });
  }
  TestDirectory dir_;
  TraceCapture trace_;
  GraphProfile profile_ = BeamProfile();
};

TEST_F(GraphWindowTest, ShowsTheCaptionBothTabsAndTheFourButtons) {
  int n = 0;
  GraphPoints p = TwoJumps(n);
  // Temporaries left over from before are removed when the window closes, printed or not.
  WriteBytes("LineBmp.bmp", "old");
  WriteBytes("CSplineX.BMP", "old");
  HWND graph = nullptr;
  std::vector<std::string> tabs, buttons;
  bool zoomed = false, closeFocused = false;
  ASSERT_TRUE(Show({WhenDialog(kCaption,
                               [&](HWND g) {
                                 graph = g;
                                 zoomed = IsZoomed(g) != 0;
                                 closeFocused = GetFocus() == GetDlgItem(g, kGraphCloseButton);
                                 HWND t = GetDlgItem(g, kGraphTabs);
                                 for (int i = 0; i < TabCtrl_GetItemCount(t); ++i) {
                                   char text[64] = {0};
                                   TCITEMA item{};
                                   item.mask = TCIF_TEXT;
                                   item.pszText = text;
                                   item.cchTextMax = sizeof text;
                                   SendMessageA(t, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
                                   tabs.push_back(text);
                                 }
                                 for (int id = 54; id <= 57; ++id) buttons.push_back(WindowText(GetDlgItem(g, id)));
                                 PostClick(g, kGraphCloseButton);
                               })},
                   p, n));
  ASSERT_NE(graph, nullptr);
  EXPECT_TRUE(zoomed);
  EXPECT_TRUE(closeFocused);
  EXPECT_EQ(tabs, (std::vector<std::string>{" Linear Graph ", " Spline Graph "}));
  EXPECT_EQ(buttons, (std::vector<std::string>{"COPY GRAPH TO &FILE", "COPY GRAPH TO &CLIPBOARD", "CLO&SE",
                                               "&PRINT GRAPH"}));
  EXPECT_FALSE(IsWindow(graph));
  EXPECT_FALSE(std::filesystem::exists("LineBmp.bmp"));
  EXPECT_FALSE(std::filesystem::exists("CSplineX.BMP"));
  // Both graphics windows were drawn and are closed again.
  EXPECT_TRUE(HasLine(trace_, "gfx OpenGfxEx(1, "));
  EXPECT_TRUE(HasLine(trace_, "gfx OpenGfxEx(2, "));
  EXPECT_TRUE(HasLine(trace_, "gfx GfxWindowEx(1, 1)"));
  EXPECT_TRUE(HasLine(trace_, "gfx GfxWindowEx(2, 1)"));
  EXPECT_TRUE(HasLine(trace_, "gfx GradientPanel(1, \"BEAM\""));
  EXPECT_TRUE(HasLine(trace_, "gfx DrawTextRowEx(1, \"JOB NAME: JOB1;      LOAD CASE: A dead\""));
  EXPECT_TRUE(HasLine(trace_, "gfx DrawTextRowEx(2, \"Bending Moments [kN*m]\""));
}

void SetControlKey(bool down) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

// Ctrl+Tab (through the window's own message loop) goes to the next tab, after the last to the
// first.
TEST_F(GraphWindowTest, CtrlTabGoesFromTabToTab) {
  int n = 0;
  GraphPoints p = TwoJumps(n);
  HWND graph = nullptr;
  std::vector<int> selected;
  auto ctrlTab = [&] {
    return wintest::Do([&] {
      SetControlKey(true);
      wintest::PressKey(GetFocus(), VK_TAB);
    });
  };
  auto look = [&] {
    return wintest::Do([&] {
      SetControlKey(false);
      selected.push_back(static_cast<int>(SendMessageA(GetDlgItem(graph, kGraphTabs), TCM_GETCURSEL, 0, 0)));
    });
  };
  ASSERT_TRUE(Show({WhenDialog(kCaption, [&](HWND g) { graph = g; }), ctrlTab(), look(), ctrlTab(), look(), Close()}, p, n));
  SetControlKey(false);
  EXPECT_EQ(selected, (std::vector<int>{1, 0}));
}

// The maximised window shows all it holds: its tabs, pages and buttons lie on the screen.
TEST_F(GraphWindowTest, EveryPartOfTheMaximisedWindowIsOnTheScreen) {
  int n = 0;
  GraphPoints p = TwoJumps(n);
  std::vector<std::string> off;
  ASSERT_TRUE(Show({WhenDialog(kCaption,
                               [&](HWND g) {
                                 // Every window inside it, the graph panes on the pages too.
                                 EnumChildWindows(
                                     g,
                                     [](HWND c, LPARAM lp) {
                                       const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
                                       RECT r{};
                                       GetWindowRect(c, &r);
                                       if (IsWindowVisible(c) && (r.left < 0 || r.top < 0 || r.right > w || r.bottom > h))
                                         reinterpret_cast<std::vector<std::string>*>(lp)->push_back(
                                             "id " + std::to_string(GetDlgCtrlID(c)) + ": (" + std::to_string(r.left) + "," +
                                             std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
                                             std::to_string(r.bottom) + ")");
                                       return TRUE;
                                     },
                                     reinterpret_cast<LPARAM>(&off));
                                 PostClick(g, kGraphCloseButton);
                               })},
                   p, n));
  EXPECT_TRUE(off.empty()) << wintest::Lines(off);
}

TEST_F(GraphWindowTest, AMomentWithTwoJumpsIsDrawnOnTheSplineTabAsThreeRuns) {
  int n = 0;
  GraphPoints p = TwoJumps(n);
  ASSERT_TRUE(Show({Close()}, p, n));
  // Linear tab: straight to points 2..13. Spline tab: many samples, and exactly two vertical
  // lines, at 3 m and 7 m (world x 1400 + 800 per metre), each from the end of one run to the
  // start of the next.
  EXPECT_EQ(Lines(trace_, 1).size(), 12u);
  std::vector<Segment> spline = Lines(trace_, 2);
  EXPECT_GT(spline.size(), 1000u);
  std::vector<double> jumps;
  for (const Segment& s : spline) {
    if (s.x == s.fromX) {
      jumps.push_back(s.x);
    } else {
      EXPECT_GT(s.x, s.fromX);
    }
  }
  EXPECT_EQ(jumps, (std::vector<double>{3800, 7000}));
  EXPECT_EQ(spline.back().x, 9400);
  // 13 points have their markers on both tabs.
  EXPECT_EQ(Count(trace_, "gfx DrawEllipseEx(1, 70"), 13);
  EXPECT_EQ(Count(trace_, "gfx DrawEllipseEx(2, 70"), 13);
}

TEST_F(GraphWindowTest, OverAHundredAndFiftyPointsHaveNoMarkers) {
  GraphPoints many = Wave(151), enough = Wave(150);
  ASSERT_TRUE(Show({Close()}, many, 151));
  EXPECT_EQ(Count(trace_, "gfx DrawEllipseEx("), 0);
  trace_.Clear();
  ASSERT_TRUE(Show({Close()}, enough, 150));
  EXPECT_EQ(Count(trace_, "gfx DrawEllipseEx(1, "), 150);
}

TEST_F(GraphWindowTest, AJpegOfTheSplineTabIsWrittenAndNamed) {
  int n = 0;
  GraphPoints p = TwoJumps(n);
  std::string message;
  ASSERT_TRUE(Show({WhenDialog(kCaption,
                               [](HWND g) {
                                 SelectTab(g, 1);
                                 PostClick(g, kGraphFileButton);
                               }),
                    WhenDialog(kTypeCaption,
                               [](HWND d) {
                                 CheckRadioButton(d, kGraphBmpOption, kGraphJpegOption, kGraphJpegOption);
                                 PostClick(d, kGraphTypeOk);
                               }),
                    ReadAndAnswer("Graph Bitmap File Information", message),
                    Close()},
                   p, n));
  EXPECT_EQ(message, "Graph will be Saved in the Working Directory as 'CSpline.JPG' File   ");
  std::string jpeg = ReadBytes("CSpline.JPG");
  ASSERT_GT(jpeg.size(), 1000u);
  EXPECT_EQ(jpeg.substr(0, 2), "\xFF\xD8");  // JPEG start and end markers
  EXPECT_EQ(jpeg.substr(jpeg.size() - 2), "\xFF\xD9");
  EXPECT_TRUE(HasLine(trace_, "gfx SaveGfxModeEx(2, 1100)"));
  EXPECT_FALSE(std::filesystem::exists("Linear.JPG"));
}

TEST_F(GraphWindowTest, ABitmapOfTheLinearTabIsWrittenAndACancelledChoiceSavesNothing) {
  int n = 0;
  GraphPoints p = TwoJumps(n);
  EmptyTheClipboard();
  ASSERT_TRUE(Show({WhenDialog(kCaption, [](HWND g) { PostClick(g, kGraphFileButton); }),
                    WhenDialog(kTypeCaption, [](HWND d) { PostClick(d, kGraphTypeCancel); }),
                    WhenDialog(kCaption, [](HWND g) { PostClick(g, kGraphClipboardButton); }),
                    WhenDialog(kTypeCaption, [](HWND d) { PostClick(d, kGraphTypeCancel); }),
                    Do([] {}), Close()},
                   p, n));
  EXPECT_TRUE(trace_.Records("BOX").empty());
  EXPECT_FALSE(HasLine(trace_, "gfx SaveGfxWindowEx"));
  EXPECT_FALSE(ClipboardHoldsBitmap());
  for (const char* f : {"Linear.bmp", "Linear.JPG", "CSpline.BMP", "CSpline.JPG"}) EXPECT_FALSE(std::filesystem::exists(f)) << f;

  trace_.Clear();
  ASSERT_TRUE(Show({WhenDialog(kCaption, [](HWND g) { PostClick(g, kGraphFileButton); }),
                    WhenDialog(kTypeCaption, [](HWND d) { PostClick(d, kGraphTypeOk); }),
                    WhenDialog("Graph Bitmap File Information", [](HWND box) { wintest::AnswerBox(box, IDOK); }),
                    Close()},
                   p, n));
  EXPECT_EQ(ReadBytes("Linear.bmp").substr(0, 2), "BM");
}

TEST_F(GraphWindowTest, TheClipboardCopyHoldsABitmap) {
  int n = 0;
  GraphPoints p = TwoJumps(n);
  EmptyTheClipboard();
  ASSERT_FALSE(ClipboardHoldsBitmap());
  ASSERT_TRUE(Show({WhenDialog(kCaption, [](HWND g) { PostClick(g, kGraphClipboardButton); }),
                    WhenDialog(kTypeCaption, [](HWND d) { PostClick(d, kGraphTypeOk); }), Do([] {}), Close()},
                   p, n));
  EXPECT_TRUE(HasLine(trace_, "gfx SaveGfxWindowEx(1, \"CLIPBOARD\") w1 -> 1"));
  EXPECT_TRUE(ClipboardHoldsBitmap());
  EXPECT_TRUE(trace_.Records("BOX").empty());  // nothing is announced
}

// Another thread holds the clipboard open for the holder's life, as another program may.
class ClipboardHeld {
 public:
  ClipboardHeld() : holder_([this] {
    const bool open = OpenClipboard(nullptr) != 0;
    opened_.set_value(open);
    release_.get_future().wait();
    if (open) CloseClipboard();
  }) {}
  ~ClipboardHeld() {
    release_.set_value();
    holder_.join();
  }
  bool Held() { return opened_.get_future().get(); }

 private:
  std::promise<bool> opened_;
  std::promise<void> release_;
  std::thread holder_;
};

TEST_F(GraphWindowTest, AClipboardCopyThatFailsIsAWarningWithItsReason) {
  int n = 0;
  GraphPoints p = TwoJumps(n);
  EmptyTheClipboard();
  ClipboardHeld held;
  ASSERT_TRUE(held.Held());
  std::string message;
  ASSERT_TRUE(Show({WhenDialog(kCaption, [](HWND g) { PostClick(g, kGraphClipboardButton); }),
                    WhenDialog(kTypeCaption, [](HWND d) { PostClick(d, kGraphTypeOk); }),
                    ReadAndAnswer("WARNING!", message), Close()},
                   p, n));
  EXPECT_TRUE(HasLine(trace_, "gfx SaveGfxWindowEx(1, \"CLIPBOARD\") w1 -> 0"));
  const std::string start = "The Graph could not be Copied to the Clipboard: ";
  EXPECT_EQ(message.rfind(start, 0), 0u) << message;
  EXPECT_GT(message.size(), start.size() + 1) << message;  // and why
}

TEST_F(GraphWindowTest, APictureThatCannotBeWrittenIsAWarningNotAnAnnouncement) {
  int n = 0;
  GraphPoints p = TwoJumps(n);
  std::filesystem::create_directory("Linear.bmp");  // the name is taken by a folder
  std::string caption, message;
  ASSERT_TRUE(Show({WhenDialog(kCaption, [](HWND g) { PostClick(g, kGraphFileButton); }),
                    WhenDialog(kTypeCaption, [](HWND d) { PostClick(d, kGraphTypeOk); }),
                    ReadAndAnswer("WARNING!", message),
                    Close()},
                   p, n));
  EXPECT_NE(message.find("'Linear.bmp'"), std::string::npos) << message;
  for (const auto& r : trace_.Records("BOX")) EXPECT_NE(r.at(1), "Graph Bitmap File Information");
}

TEST_F(GraphWindowTest, PrintingWithoutAPrinterSaysSoBeginsNothingAndClosingDeletesTheTemporary) {
  int n = 0;
  GraphPoints p = TwoJumps(n);
  bool temporary = false, open = false;
  std::string message;
  ASSERT_TRUE(Show({WhenDialog(kCaption,
                               [](HWND g) {
                                 SelectTab(g, 1);
                                 PostClick(g, kGraphPrintButton);
                               }),
                    ReadAndAnswer("WARNING!", message),
                    WhenDialog(kCaption,
                               [&](HWND g) {
                                 open = true;
                                 temporary = std::filesystem::exists("CSplineX.BMP");
                                 PostClick(g, kGraphCloseButton);
                               })},
                   p, n));
  EXPECT_TRUE(open);
  EXPECT_TRUE(temporary);
  EXPECT_EQ(message, "No PRINTER is Installed!\r\n\r\nInstall a Printer, then Print again!");
  EXPECT_FALSE(HasLine(trace_, "dpGraphic|1|2.3|2.5|26|14|CSplineX.BMP|=0"));
  EXPECT_FALSE(std::filesystem::exists("GraphBMP.DDC"));  // nothing half done
  EXPECT_FALSE(std::filesystem::exists("CSplineX.BMP"));
  EXPECT_FALSE(std::filesystem::exists("LineBmp.bmp"));
}

TEST_F(GraphWindowTest, APrintDocumentThatCannotStartIsReported) {
  int n = 0;
  GraphPoints p = TwoJumps(n);
  std::filesystem::create_directory("GraphBMP.DDC");  // no document file can be made
  std::string message;
  ASSERT_TRUE(Show({WhenDialog(kCaption, [](HWND g) { PostClick(g, kGraphPrintButton); }),
                    ReadAndAnswer("WARNING!", message),
                    Close()},
                   p, n));
  EXPECT_EQ(message, "Error:");
  EXPECT_EQ(trace_.Records("TONE").size(), 4u);
}

TEST(GraphFileType, OkGivesTheOptionChosenAndCancelNothing) {
  struct Case {
    int option, button, answer;
  } cases[] = {{kGraphBmpOption, kGraphTypeOk, 1}, {kGraphJpegOption, kGraphTypeOk, 2},
               {kGraphJpegOption, kGraphTypeCancel, 0}, {kGraphBmpOption, IDCANCEL, 0}};
  for (const auto& c : cases) {
    int answer = -1;
    std::string heading;
    bool bmpFirst = false;
    ASSERT_TRUE(RunScript({WhenDialog("Type caption",
                                      [&](HWND d) {
                                        heading = wintest::GetText(d, kHeadingId);
                                        // the options yellow on teal, the rest black on light yellow
                                        ExpectColours(d, {{WM_CTLCOLORSTATIC, kGraphBmpOption, RGB(0, 128, 128), RGB(255, 255, 0)},
                                                          {WM_CTLCOLORSTATIC, kHeadingId, RGB(255, 255, 200), RGB(0, 0, 0)},
                                                          {WM_CTLCOLORBTN, kGraphTypeOk, RGB(255, 255, 200), RGB(0, 0, 0)}});
                                        bmpFirst = IsDlgButtonChecked(d, kGraphBmpOption) == BST_CHECKED;
                                        CheckRadioButton(d, kGraphBmpOption, kGraphJpegOption, c.option);
                                        if (c.button == IDCANCEL) {
                                          PostMessageA(d, WM_COMMAND, IDCANCEL, 0);
                                        } else {
                                          PostClick(d, c.button);
                                        }
                                      })},
                          [&] { answer = ChooseGraphFileType(nullptr, "Type caption"); })
                    .finished);
    EXPECT_EQ(answer, c.answer) << c.option << " " << c.button;
    EXPECT_EQ(heading, "SELECTION OF GRAPHICS FILE TYPE");
    EXPECT_TRUE(bmpFirst);
  }
}

TEST(GraphWindowWarnings, AMissingReportIsTheProfilesWarning) {
  TraceCapture trace;
  GraphProfile profile = BeamProfile();
  ASSERT_TRUE(RunScript({WhenDialog("WARNING!", [](HWND box) { wintest::AnswerBox(box, IDOK); })},
                        [&] { WarnMissingResults(nullptr, profile); })
                  .finished);
  auto boxes = trace.Records("BOX");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].at(2), "Results File is Missing!");
  EXPECT_EQ(boxes[0].at(3), "0x2030");
}

}  // namespace
