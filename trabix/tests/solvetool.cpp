#include "solvetool.h"

#include "core/globals.h"
#include "trabix/core/analysis.h"
#include "trabix/core/globals.h"
#include "trabix/core/jobfiles.h"

namespace trabix {

int RunSolveTool(const std::vector<std::string>& args, std::string& output) {
  if (args.size() < 2 || args.size() > 3 ||
      (args.size() == 3 && args[2] != "elastic" && args[2] != "plastic" && args[2] != "0" && args[2] != "1")) {
    output = "usage: trabix_solve <job specification> <load case> [elastic|plastic]\n";
    return 64;
  }
  JobSpec = args[0];
  LoadCaseName = args[1].substr(0, 29);  // the current-case buffer holds 29 characters
  YieldAnalysis = (args.size() == 3 && (args[2] == "plastic" || args[2] == "1")) ? 1 : 0;
  BeamModel model;
  int code = AnalyseLoadCase(model);
  output = "code " + std::to_string(code) + "\n";
  if (code >= 0) output += "passes " + std::to_string(model.yieldPasses) + "\n";
  if (code == kSolverDone) output += "report " + ResultsFileName(JobSpec, LoadCaseName) + "\n";
  else if (code > 0) output += SolverStopMessage(code) + "\n";
  return code >= 0 ? code : 100;
}

}  // namespace trabix
