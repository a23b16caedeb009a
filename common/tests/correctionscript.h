#pragma once
// Correction hooks of the job-check tests: they record what the check asked and which dialogs it
// opened, answer from a script (No when the script is used up) and run the given actions as the
// dialogs.
#include <functional>
#include <string>
#include <vector>

#include "core/correction.h"

struct CorrectionScript {
  std::vector<int> answers;
  std::vector<std::string> asked;
  int geometry = 0, supports = 0, loadCases = 0;
  std::function<bool()> onGeometry;  // true: the geometry dialog saved data
  std::function<void()> onSupports, onLoadCases;

  CorrectionHooks Hooks() {
    CorrectionHooks h;
    h.askCorrection = [this](const std::string& message) {
      asked.push_back(message);
      return asked.size() <= answers.size() ? answers[asked.size() - 1] : kAnswerNo;
    };
    h.editGeometry = [this] {
      ++geometry;
      return onGeometry ? onGeometry() : false;
    };
    h.editSupports = [this] {
      ++supports;
      if (onSupports) onSupports();
    };
    h.editLoadCases = [this] {
      ++loadCases;
      if (onLoadCases) onLoadCases();
    };
    return h;
  }
};
