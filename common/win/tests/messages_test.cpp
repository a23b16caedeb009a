#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>

#include "core/fieldcheck.h"
#include "core/globals.h"
#include "win/dialogs.h"
#include "win/ids.h"
#include "win/messages.h"
#include "win/testing/wintest.h"

namespace {

// The fields of the test's data dialog.
constexpr int kFieldId = 101, kSecondFieldId = 102;

using wintest::RunScript;
using wintest::WhenDialog;

// A data dialog whose "&Ok" (55) checks field 101 as an unsigned number above 0.
int LastCode = 0;
std::string LastText;
INT_PTR CALLBACK FieldDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_COMMAND && LOWORD(wParam) == kOkId) {
    LastCode = 2;
    WarnIncorrectData(dialog, kFieldId, LastText, NumberCharsUnsigned, LastCode);
    return TRUE;
  }
  return FALSE;
}

DialogTemplate FieldDialog() {
  DialogTemplate d = NewDialog("Field check", 0, 0, 160, 80);
  AddField(d, kFieldId, "", 10, 10, 60, 12);
  AddField(d, kSecondFieldId, "", 10, 26, 60, 12);
  AddButton(d, kOkId, "&Ok", 60, 55, 40, 14);
  return d;
}

TEST(WarnIncorrectData, WarnsWithTonesAndABoxOnTheParkedPointerAndGivesTheFocusBack) {
  wintest::TraceCapture trace;
  MovePointer(40, 30);
  int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  POINT during{}, after{};
  std::string boxText;
  HWND dialog = nullptr, owner = reinterpret_cast<HWND>(1);
  int focusAfter = 0;
  DialogAnswer = 0;
  auto run = RunScript(
      {
          WhenDialog("Field check",
                     [&](HWND d) {
                       dialog = d;
                       wintest::SetText(d, kFieldId, " -2 ");
                       SetFocus(GetDlgItem(d, kSecondFieldId));
                       wintest::PostClick(d, kOkId);
                     }),
          WhenDialog("WARNING!",
                     [&](HWND box) {
                       GetCursorPos(&during);
                       boxText = wintest::BoxText(box);
                       owner = GetWindow(box, GW_OWNER);
                       wintest::AnswerBox(box, IDOK);
                     }),
          wintest::Do([&] {
            GetCursorPos(&after);
            focusAfter = GetDlgCtrlID(GetFocus());
            EndDialog(dialog, 0);
          }),
      },
      [&] { ShowModalDialog(FieldDialog(), nullptr, FieldDialogProc); });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(LastCode, 6);
  EXPECT_EQ(LastText, "-2");
  EXPECT_EQ(boxText, "INCORRECT DATA!\r\n\r\nENTER NEW DATA.");
  EXPECT_EQ(owner, nullptr);
  EXPECT_EQ(DialogAnswer, IDOK);
  EXPECT_EQ(during.x, std::lround(0.94 * w / 2));
  EXPECT_EQ(during.y, std::lround(1.1 * h / 2));
  EXPECT_EQ(after.x, 40);
  EXPECT_EQ(after.y, 30);
  EXPECT_EQ(focusAfter, kFieldId);

  // Tones, the parked pointer, the box, the pointer back, in this order.
  std::vector<std::vector<std::string>> expected = {
      {"POINTER", "40", "30"},
      {"TONE", "330", "250"},
      {"TONE", "294", "250"},
      {"TONE", "330", "250"},
      {"TONE", "294", "250"},
      {"POINTER", std::to_string(std::lround(0.94 * w / 2)), std::to_string(std::lround(1.1 * h / 2))},
      {"BOX", "WARNING!", "INCORRECT DATA!\r\n\r\nENTER NEW DATA.", "0x2030", "1"},
      {"POINTER", "40", "30"},
  };
  EXPECT_EQ(trace.Records(), expected);
}

struct QuietCase {
  const char* typed;
  int kind;
  int code;
  const char* text;
};

TEST(WarnIncorrectData, ReadsWithoutAWarningWhenTheFieldPassesOrIsOnlyRead) {
  const QuietCase cases[] = {
      {" 007 ", 1, 0, "7"},    // leading zeros go, the value passes
      {" -2 ", 55, 55, "-2"},  // kind 55: read only, the code stays 55
      {"1.5E3", 2, 0, "1.5E3"},
  };
  for (const auto& c : cases) {
    wintest::TraceCapture trace;
    HWND dialog = CreateModelessDialog(FieldDialog(), nullptr, nullptr);
    ASSERT_NE(dialog, nullptr);
    wintest::SetText(dialog, kFieldId, c.typed);
    std::string text;
    int code = c.kind;
    WarnIncorrectData(dialog, kFieldId, text, NumberCharsUnsigned, code);
    DestroyWindow(dialog);
    EXPECT_EQ(code, c.code) << c.typed;
    EXPECT_EQ(text, c.text) << c.typed;
    EXPECT_TRUE(trace.Records().empty()) << c.typed;
  }
}

struct AnswerCase {
  int button;
  UINT style;
  bool ownedBoxes;
};

TEST(ShowMessage, StoresTheAnswerAndOwnsTheBoxOnlyWhenTheProfileSaysSo) {
  const AnswerCase cases[] = {
      {IDYES, QuestionBoxStyle, false},
      {IDNO, QuestionBoxStyle, false},
      {IDOK, InfoBoxStyle, true},
  };
  for (const auto& c : cases) {
    wintest::TraceCapture trace;
    ProgramMessages.ownerIsDialog = c.ownedBoxes;
    ProgramMessages.pauseMs = c.ownedBoxes ? 0 : 5;
    HWND dialog = CreateModelessDialog(FieldDialog(), nullptr, nullptr);
    HWND owner = reinterpret_cast<HWND>(1);
    int answer = -1;
    auto run = RunScript({WhenDialog("Question?",
                                     [&](HWND box) {
                                       owner = GetWindow(box, GW_OWNER);
                                       wintest::AnswerBox(box, c.button);
                                     })},
                         [&] { ShowMessage(dialog, "Go on?", "Question?", c.style, answer); });
    ProgramMessages = MessageProfile();
    DestroyWindow(dialog);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(answer, c.button);
    EXPECT_EQ(owner, c.ownedBoxes ? dialog : nullptr);
    auto boxes = trace.Records("BOX");
    ASSERT_EQ(boxes.size(), 1u);
    char style[16];
    snprintf(style, sizeof style, "0x%04X", c.style);
    EXPECT_EQ(boxes[0], (std::vector<std::string>{"BOX", "Question?", "Go on?", style, std::to_string(c.button)}));
  }
}

TEST(ShowMessageBox, HasNoOwnerAndReturnsTheButton) {
  HWND owner = reinterpret_cast<HWND>(1);
  int answer = 0;
  auto run = RunScript({WhenDialog("Info",
                                   [&](HWND box) {
                                     owner = GetWindow(box, GW_OWNER);
                                     wintest::AnswerBox(box, IDOK);
                                   })},
                       [&] { answer = ShowMessageBox("Saved.", InfoBoxStyle, "Info"); });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(answer, IDOK);
  EXPECT_EQ(owner, nullptr);
}

TEST(Tone, TracesTheRoundedFrequencyAndTheDuration) {
  wintest::TraceCapture trace;
  Tone(329.6f, 20);
  Tone(20.0f, 0);  // below what Beep can sound: traced, silent
  EXPECT_EQ(trace.Records(), (std::vector<std::vector<std::string>>{{"TONE", "330", "20"}, {"TONE", "20", "0"}}));
}

TEST(Trace, FieldsWithTabsLineEndsAndBackslashesComeBackWhole) {
  wintest::TraceCapture trace;
  TraceRecord({"BOX", "a\tb", "C:\\JOBS\\X\r\nnext", ""});
  EXPECT_EQ(trace.Records(), (std::vector<std::vector<std::string>>{{"BOX", "a\tb", "C:\\JOBS\\X\r\nnext", ""}}));
}

TEST(Trace, NothingIsWrittenWithoutTheVariable) {
  std::string path;
  {
    wintest::TraceCapture trace;
    path = trace.Path();
  }
  Tone(440, 1);
  MovePointer(5, 5);
  EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
