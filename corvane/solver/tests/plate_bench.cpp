// Benchmark of the outside solver (not a test): a solid plate of 2000 elements on Winkler soil
// under a uniform load, the whole run (reading the job files, solving, writing the result file)
// timed as ANALYSIS.exe does it. Prints the best of a few runs beside the reference.
//   corvane_analysis_bench [elements]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "../../../common/tests/testdir.h"
#include "corvane/solver/solver.h"
#include "jobs.h"

int main(int argc, char** argv) {
  using namespace corvane;
  const int elements = argc > 1 ? std::atoi(argv[1]) : 2000;
  TestDirectory dir;
  testing::PlateJob p;
  p.elements = elements;
  p.outer = 20;
  p.winkler = 20000;
  p.uniform = 10;
  testing::WritePlateJob(p);
  double best = 1e9;
  int code = 0;
  for (int run = 0; run < 5; ++run) {
    auto start = std::chrono::steady_clock::now();
    code = AnalysisMain("ANALYSIS.exe PLATE,P1,A", nullptr);
    std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count());
  }
  std::printf("plate of %d elements on Winkler soil, whole run: %.1f ms (reference: under 100 ms)%s\n", elements, best,
              code == 0 ? "" : ", the analysis stopped");
  return code;
}
