// Fuzz target: a results report read back for every action of both substructures' graphs, and
// printed into the results document.
#include <cstddef>
#include <cstdint>

#include "core/globals.h"
#include "doc/ddoc.h"
#include "doc/docmodel.h"
#include "fuzz/fuzzsupport.h"
#include "murelo/core/documents.h"
#include "murelo/core/graphs.h"
#include "murelo/core/globals.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace murelo;
  fuzz::EnterScratchFolder();
  fuzz::WriteFile("J.RBA", std::string(reinterpret_cast<const char*>(data), size));
  for (const char* sub : {"BASE PLATE", "WALL"}) {
    for (int soil : {0, 1}) {
      ClearActionState();
      GraphState.soilKind = soil;
      const int actions = WallActions(sub, soil).Count();
      for (int k = 1; k <= actions; ++k) WallActionPoints("J.RBA", sub, k);
    }
  }
  JobSpec = "J";
  LoadCaseName = "A";
  int doc = BuildResultsDocument(nullptr, "");
  ddoc::Document d;
  if (doc >= 1) ddoc::CloseDocument(doc, d);
  return 0;
}
