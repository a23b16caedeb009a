#include "solvetool.h"

#include "../../common/tests/solvetool.h"
#include "core/globals.h"
#include "murelo/core/analysis.h"
#include "murelo/core/globals.h"
#include "murelo/core/jobfiles.h"

namespace murelo {

int RunSolveTool(const std::vector<std::string>& args, std::string& output, WallModel* model) {
  SolveToolProfile profile;
  profile.tool = "murelo_solve";
  profile.plastic = false;
  profile.begin = [](const std::string& job, const std::string& loadCase, int) {
    JobSpec = job;
    LoadCaseName = loadCase;
  };
  profile.analyse = [model](int& passes) {
    WallModel own;
    passes = 0;
    return AnalyseLoadCase(model ? *model : own);
  };
  profile.reportName = [] { return ResultsFileName(JobSpec, LoadCaseName); };
  profile.stopText = [](int code) { return SolverWarningFor(code).text; };
  return RunSolveToolWith(profile, args, output);
}

}  // namespace murelo
