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
  static int mode = 0;
  profile.begin = [](const std::string& job, const std::string& loadCase, int m) {
    JobSpec = job;
    LoadCaseName = loadCase;
    mode = m;
  };
  profile.analyse = [model](int& passes) {
    WallModel own;
    WallModel& m = model ? *model : own;
    int code = AnalyseLoadCase(mode, m);
    passes = m.contactPasses;
    return code;
  };
  profile.reportName = [] { return ResultsFileName(JobSpec, LoadCaseName); };
  profile.stopText = [](int code) { return SolverWarningFor(code).text; };
  return RunSolveToolWith(profile, args, output);
}

}  // namespace murelo
