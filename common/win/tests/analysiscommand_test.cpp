// The analysis command: which of its steps run after which answers, the caption it sets, and
// the six tones after an analysis that ran.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "core/globals.h"
#include "win/analysiscommand.h"
#include "win/testing/wintest.h"

namespace {

struct CommandRun {
  int check, choice, analysis;                  // what each step answers
  bool choiceShown, analysisShown, tonesPlayed;  // what the command did
  int result;                                   // the end value it leaves
};

TEST(AnalysisCommand, StepsRunOnlyAfterThePreviousOneEndedWithOne) {
  const std::vector<CommandRun> cases = {
      {1, 1, 1, true, true, true, 1},    // everything accepted
      {0, 1, 1, false, false, false, 0},  // a correction declined: nothing more runs
      {1, 0, 1, true, false, false, 0},   // the case choice cancelled
      {1, 1, 0, true, true, false, 0},    // "&CANCEL" in the analysis dialog
  };
  HWND main = CreateWindowA("STATIC", "main", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  for (const CommandRun& c : cases) {
    wintest::TraceCapture trace;
    SetWindowTextA(main, "before");
    JobSpec = "C:\\BEAMS\\BEAM1";
    std::string loadCase = "A";
    bool choiceShown = false, analysisShown = false;
    int modeSeen = -1, result = 99;
    AnalysisCommandProfile p;
    p.checkJob = [&] { return c.check; };
    p.chooseLoadCase = [&] {
      choiceShown = true;
      loadCase = "B case";
      return c.choice;
    };
    p.analysisDialog = [&](int mode) {
      analysisShown = true;
      modeSeen = mode;
      return c.analysis;
    };
    p.mainWindow = main;
    p.structureTitle = "BEAM/STRIP";
    p.loadCaseName = &loadCase;
    p.result = &result;
    AnalysisCommand(p, 1);
    EXPECT_EQ(choiceShown, c.choiceShown);
    EXPECT_EQ(analysisShown, c.analysisShown);
    if (c.analysisShown) {
      EXPECT_EQ(modeSeen, 1);
    }
    EXPECT_EQ(result, c.result);
    char caption[200] = {0};
    GetWindowTextA(main, caption, sizeof caption);
    EXPECT_EQ(std::string(caption), c.choice == 1 && c.check == 1
                                         ? "     BEAM/STRIP ANALYSIS.   JOB: C:\\BEAMS\\BEAM1     Load Case: B case"
                                         : "before");
    std::vector<std::vector<std::string>> tones;
    for (const auto& r : trace.Records("TONE")) tones.push_back({r[1], r[2]});
    if (c.tonesPlayed) {
      EXPECT_EQ(tones, (std::vector<std::vector<std::string>>{
                           {"330", "250"}, {"294", "250"}, {"300", "200"}, {"204", "280"}, {"330", "250"}, {"294", "250"}}));
    } else {
      EXPECT_TRUE(tones.empty());
    }
  }
  DestroyWindow(main);
  JobSpec.clear();
}

}  // namespace
