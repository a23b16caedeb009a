// Fuzz target: a beam or strip job (geometry, supports, loads, case list) read, checked and
// analysed elastically and elastic-plastically as the program does.
#include <cstddef>
#include <cstdint>

#include "core/globals.h"
#include "fuzz/fuzzsupport.h"
#include "trabix/core/analysis.h"
#include "trabix/core/checks.h"
#include "trabix/core/globals.h"
#include "trabix/core/jobfiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace trabix;
  fuzz::EnterScratchFolder();
  std::string loadCase = fuzz::WriteBundle(fuzz::ReadBundle(data, size));
  JobSpec = "J";
  LoadCaseName = loadCase;
  CorrectionHooks hooks;
  hooks.askCorrection = [](const std::string&) { return kAnswerNo; };
  CheckJobData(hooks);
  for (int mode = 0; mode <= 1; ++mode) {
    JobSpec = "J";
    LoadCaseName = loadCase;
    YieldAnalysis = mode;
    if (ReadBeamFiles() != kSolverDone || ElementCount() > fuzz::kMaxFuzzElements) return 0;
    BeamModel model;
    if (PrepareBeamModel(model) == kSolverDone) AnalysePreparedBeam(model, JobSpec, LoadCaseName);
  }
  return 0;
}
