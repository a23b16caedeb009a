// Fuzz target: a results report read back for every action of the graphs, beam and strip.
#include <cstddef>
#include <cstdint>

#include "core/textfiles.h"
#include "fuzz/fuzzsupport.h"
#include "trabix/core/reportreader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace trabix;
  fuzz::EnterScratchFolder();
  fuzz::WriteFile("J.RBA", std::string(reinterpret_cast<const char*>(data), size));
  TextLineArray lines;
  int count = 0;
  LoadTextLines("J.RBA", lines, 5000, count);
  for (bool strip : {false, true}) {
    ResultsGraph graph;
    int actions = static_cast<int>(ResultsActions(strip, true).size());
    for (int action = 1; action <= actions; ++action) ResultsActionPoints(graph, lines, count, action, strip);
  }
  return 0;
}
