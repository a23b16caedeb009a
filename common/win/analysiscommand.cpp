#include "win/analysiscommand.h"

#include "core/correction.h"
#include "core/globals.h"
#include "win/messages.h"
#include "win/outputchooser.h"

std::string AnalysisCaption(const std::string& structureTitle, const std::string& job, const std::string& loadCase) {
  return PresentationCaption(structureTitle, job, loadCase);  // the same caption as after the output chooser
}

void AnalysisCommand(const AnalysisCommandProfile& profile, int mode) {
  int local = 0;
  int& result = profile.result ? *profile.result : local;
  int passed = profile.checkJob ? profile.checkJob() : 1;
  if (passed == 1) {
    result = profile.chooseLoadCase ? profile.chooseLoadCase() : 0;
    if (profile.mainWindow && result == 1) {
      std::string loadCase = profile.loadCaseName ? *profile.loadCaseName : std::string();
      SetWindowTextA(profile.mainWindow, AnalysisCaption(profile.structureTitle, JobSpec, loadCase).c_str());
    }
  } else {
    result = 0;
  }
  if (result != 1) return;
  result = profile.analysisDialog ? profile.analysisDialog(mode) : 0;
  if (result != 1) return;
  AnalysisDoneTones();
}

int AskCorrectionBox(HWND owner, const std::string& message, int& answer) {
  for (int i = 0; i < 3; ++i) MessageBeep(MB_OK);
  ShowMessage(owner, CorrectionQueryText(message), kCorrectionCaption, QuestionBoxStyle, answer);
  return answer == IDYES ? kAnswerYes : kAnswerNo;
}

void AnalysisDoneTones() {
  Tone(330, 250);
  Tone(294, 250);
  Tone(300, 200);
  Tone(204, 280);
  Tone(330, 250);
  Tone(294, 250);
}
