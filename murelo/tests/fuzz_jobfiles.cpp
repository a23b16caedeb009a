// Fuzz target: a retaining-wall job (geometry, supports, loads, case list) checked, read and
// analysed as the program does; every correction offer of the check is answered No.
#include <cstddef>
#include <cstdint>

#include "core/globals.h"
#include "fuzz/fuzzsupport.h"
#include "murelo/core/analysis.h"
#include "murelo/core/checks.h"
#include "murelo/core/globals.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace murelo;
  fuzz::EnterScratchFolder();
  std::string loadCase = fuzz::WriteBundle(fuzz::ReadBundle(data, size), "COX");
  JobSpec = "J";
  LoadCaseName = loadCase;
  CheckJobData(CorrectionHooks{});  // the check before every analysis, without an interface
  JobSpec = "J";
  LoadCaseName = loadCase;
  WallModel model;
  if (ReadWallGeometry(model) != kSolverDone) return 0;
  if (model.plateElements + model.stemElements > fuzz::kMaxFuzzElements) return 0;
  WallModel fresh;
  AnalyseLoadCase(1, fresh);  // the elastic analysis, then the contact iteration
  return 0;
}
