#include "solvetool.h"

#include "core/globals.h"
#include "murelo/core/analysis.h"
#include "murelo/core/globals.h"
#include "murelo/core/jobfiles.h"

namespace murelo {

int RunSolveTool(const std::vector<std::string>& args, std::string& output, WallModel* model) {
  if (args.size() < 2 || args.size() > 3 || (args.size() == 3 && args[2] != "elastic" && args[2] != "0")) {
    output = "usage: murelo_solve <job specification> <load case> [elastic]\n";
    return 64;
  }
  JobSpec = args[0];
  LoadCaseName = args[1].substr(0, 29);  // the current-case buffer holds 29 characters
  WallModel own;
  WallModel& m = model ? *model : own;
  int code = AnalyseLoadCase(m);
  output = "code " + std::to_string(code) + "\n";
  if (code == kSolverDone)
    output += "report " + ResultsFileName(JobSpec, LoadCaseName) + "\n";
  else if (code > 0)
    output += SolverStopMessage(code) + "\n";
  return code >= 0 ? code : 100;
}

}  // namespace murelo
