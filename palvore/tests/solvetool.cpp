#include "solvetool.h"

#include "../../common/tests/solvetool.h"
#include "core/globals.h"
#include "palvore/core/analysis.h"
#include "palvore/core/globals.h"
#include "palvore/core/jobfiles.h"

namespace palvore {

int RunSolveTool(const std::vector<std::string>& args, std::string& output) {
  SolveToolProfile profile;
  profile.tool = "palvore_solve";
  profile.begin = [](const std::string& job, const std::string& loadCase, int mode) {
    JobSpec = job;
    LoadCaseName = loadCase;
    YieldAnalysis = mode;
  };
  profile.analyse = [](int& passes) {
    PileModel model;
    int code = AnalyseLoadCase(model);
    passes = model.yieldPasses;
    return code;
  };
  profile.reportName = [] { return ResultsFileName(JobSpec, LoadCaseName); };
  profile.stopText = [](int code) { return SolverWarningFor(code).text; };
  return RunSolveToolWith(profile, args, output);
}

}  // namespace palvore
