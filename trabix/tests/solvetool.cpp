#include "solvetool.h"

#include "../../common/tests/solvetool.h"
#include "core/globals.h"
#include "trabix/core/analysis.h"
#include "trabix/core/globals.h"
#include "trabix/core/jobfiles.h"

namespace trabix {

int RunSolveTool(const std::vector<std::string>& args, std::string& output) {
  SolveToolProfile profile;
  profile.tool = "trabix_solve";
  profile.begin = [](const std::string& job, const std::string& loadCase, int mode) {
    JobSpec = job;
    LoadCaseName = loadCase;
    YieldAnalysis = mode;
  };
  profile.analyse = [](int& passes) {
    BeamModel model;
    int code = AnalyseLoadCase(model);
    passes = model.yieldPasses;
    return code;
  };
  profile.reportName = [] { return ResultsFileName(JobSpec, LoadCaseName); };
  profile.stopText = [](int code) { return SolverStopMessage(code); };
  return RunSolveToolWith(profile, args, output);
}

}  // namespace trabix
