#pragma once
// The analysis command of a program run in-process with the shared analysis dialog
// (win/analysisdialog.h): the load case chosen, the dialog measured and its button pressed, the
// stop boxes it shows answered, and the tones played, for the programs' frame tests.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "win/dialogs.h"
#include "win/ids.h"
#include "win/testing/wintest.h"

namespace wintest {

struct AnalysisRun {
  std::string dialogCaption;
  SIZE size{};                 // the dialog's client area, in dialog units
  POINT analyse{}, cancel{};   // where its two buttons stand
  bool hiddenDuringAnalysis = false;  // both buttons hidden while a stop box was shown
  std::vector<std::vector<std::string>> tones;
  std::vector<std::string> boxes, boxOwners;
  bool finished = false;
};

// Runs command (the menu's analysis command) while chooseCase answers the load-case choice and
// the analysis dialog of that caption gets its button pressed.
inline AnalysisRun RunAnalysisDialog(Step chooseCase, const std::string& caption, int button,
                                     const std::function<void()>& command) {
  AnalysisRun r;
  TraceCapture trace;
  r.finished = RunScript({std::move(chooseCase),
                          WhenDialog(caption,
                                     [&r, button](HWND d) {
                                       r.dialogCaption = WindowText(d);
                                       RECT c;
                                       GetClientRect(d, &c);
                                       int w = c.right, h = c.bottom;
                                       PixelsToUnits(d, w, h);
                                       r.size = {w, h};
                                       r.analyse = ControlPlace(d, kAnalyseId);
                                       r.cancel = ControlPlace(d, kExitId);
                                       PostClick(d, button);
                                     }),
                          WhenDialog("WARNING!",
                                     [&r](HWND box) {
                                       r.boxes.push_back(BoxText(box));
                                       HWND owner = GetWindow(box, GW_OWNER);
                                       r.boxOwners.push_back(WindowText(owner));
                                       r.hiddenDuringAnalysis = !IsWindowVisible(GetDlgItem(owner, kAnalyseId)) &&
                                                                !IsWindowVisible(GetDlgItem(owner, kExitId));
                                       AnswerBox(box, IDOK);
                                     })},
                         command, 30000)
                   .finished;
  for (const auto& t : trace.Records("TONE")) r.tones.push_back({t[1], t[2]});
  return r;
}

// The analysis dialog's size and the places of "&ANALYSE" and "&CANCEL", in dialog units.
inline void ExpectTheAnalysisDialogsPlaces(const AnalysisRun& r) {
  ASSERT_GE(GetSystemMetrics(SM_CXSCREEN), 1024);
  EXPECT_EQ(r.size.cx, 400);
  EXPECT_EQ(r.size.cy, 280);
  EXPECT_EQ(r.analyse.x, 150);
  EXPECT_EQ(r.analyse.y, 245);
  EXPECT_EQ(r.cancel.x, 210);
  EXPECT_EQ(r.cancel.y, 245);
}

// The tones (frequency, length) that end an analysis.
inline const std::vector<std::vector<std::string>> kSixTones = {{"330", "250"}, {"294", "250"}, {"300", "200"},
                                                                {"204", "280"}, {"330", "250"}, {"294", "250"}};

}  // namespace wintest
