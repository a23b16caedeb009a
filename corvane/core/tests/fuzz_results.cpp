// Fuzz target: a result file of the outside solver read for every table of every structure,
// substructure, roof kind and soil kind, as the graphs read it.
#include <cstddef>
#include <cstdint>

#include "core/textfiles.h"
#include "corvane/core/results.h"
#include "fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace corvane;
  fuzz::EnterScratchFolder();
  fuzz::WriteFile("J.RPA", std::string(reinterpret_cast<const char*>(data), size));
  TextLineArray lines;
  int count = 0;
  LoadTextLines("J.RPA", lines, 0, count);
  struct Kind {
    int structure;
    const char* substructure;
  } kinds[] = {{1, "BEAM"}, {1, "STRIP"}, {2, ""}, {3, "BASE PLATE"}, {3, "WALL"}, {3, "ROOF STRUCTURE"}};
  for (const Kind& k : kinds)
    for (bool shell : {false, true}) {
      if (shell && k.structure != 3) continue;  // only a roof is a shell
      for (int soil = 0; soil <= 2; ++soil)
        for (int t = 1; t <= 3; ++t) {
          ResultRows table;
          ParseResultsSection(lines, count, t, k.structure, k.substructure, shell, soil, table);
        }
    }
  return 0;
}
