// Fuzz target: a Corvane job (geometry, supports, loads of one case, case list) read and checked
// for each structure type as the program does before an analysis, then analysed by the outside
// solver's own routine.
#include <cstddef>
#include <cstdint>

#include "corvane/core/checks.h"
#include "corvane/core/geometryfile.h"
#include "corvane/core/globals.h"
#include "corvane/solver/solver.h"
#include "fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace corvane;
  fuzz::EnterScratchFolder();
  std::string loadCase = fuzz::WriteBundle(fuzz::ReadBundle(data, size), "CAS");
  static const char* const types[] = {"BEAM/STRIP", "PLATE", "TANK"};
  for (const char* type : types) {
    JobSpec = "J";
    StructureType = type;
    Substructure.clear();
    CheckHooks = CheckPort();  // every correction answered No
    int success = 0;
    CheckJobData(StructureCode(), success);
    // Small jobs only: the solver of a large one is right but slow.
    bool small = true;
    for (int s = 1; s <= 3; ++s) small = small && ElementCount(s) <= fuzz::kMaxFuzzElements;
    if (!small) continue;
    AnalysisCall call{type, "J", loadCase};
    RunAnalysis(call);
  }
  return 0;
}
