// Fuzz target: a pile or sheet-pile job (geometry, supports, loads, case list) checked, read and
// analysed elastically and elastic-plastically as the program does; every correction offer of
// the check is answered No.
#include <cstddef>
#include <cstdint>

#include "core/globals.h"
#include "fuzz/fuzzsupport.h"
#include "palvore/core/analysis.h"
#include "palvore/core/checks.h"
#include "palvore/core/globals.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace palvore;
  fuzz::EnterScratchFolder();
  std::string loadCase = fuzz::WriteBundle(fuzz::ReadBundle(data, size), "COX");
  JobSpec = "J";
  LoadCaseName = loadCase;
  CheckJobData(CorrectionHooks{});  // the check before every analysis, without an interface
  for (int mode = 0; mode <= 1; ++mode) {
    JobSpec = "J";
    LoadCaseName = loadCase;
    YieldAnalysis = mode;
    PileModel model;
    if (ReadPileJob(model) != kSolverDone || model.elements > fuzz::kMaxFuzzElements) return 0;
    PileModel fresh;
    AnalyseLoadCase(fresh);
  }
  return 0;
}
