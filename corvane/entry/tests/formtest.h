#pragma once
// What the forms' GUI tests share: the data dialogs' caption and the warning's trace.
#include <string>
#include <vector>

#include "core/globals.h"
#include "win/testing/wintest.h"

namespace corvane {

inline std::string JobCaption() { return "   " + StructureType + " ANALYSIS.   JOB: " + JobSpec; }

// The tones and boxes of the trace in their order: "TONE 330", ..., "BOX".
inline std::vector<std::string> TonesAndBoxes(const wintest::TraceCapture& trace) {
  std::vector<std::string> seen;
  for (const auto& r : trace.Records()) {
    if (r[0] == "TONE") seen.push_back("TONE " + r[1]);
    if (r[0] == "BOX") seen.push_back("BOX");
  }
  return seen;
}
// The four warning tones, then the box.
inline const std::vector<std::string> kWarned = {"TONE 330", "TONE 294", "TONE 330", "TONE 294", "BOX"};

}  // namespace corvane
