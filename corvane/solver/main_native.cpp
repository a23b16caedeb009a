// corvane_analysis: the outside solver's main as a command-line tool for the tests and
// benchmarks. Its arguments, joined by blanks, are what follows the program token:
//   corvane_analysis PLATE,JOBS\P1,A load
// A stop prints its warning to the error output; the exit code is the solver's.
#include <cstdio>
#include <string>

#include "corvane/solver/solver.h"

int main(int argc, char** argv) {
  std::string raw = "corvane_analysis";
  for (int i = 1; i < argc; ++i) raw += std::string(" ") + argv[i];
  return corvane::AnalysisMain(raw, [](const SolverWarningData& w) {
    std::string text;
    for (char c : w.text)
      if (c != '\r') text += c;
    std::fprintf(stderr, "%s\n%s\n", w.caption.c_str(), text.c_str());
  });
}
