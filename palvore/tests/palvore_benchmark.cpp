// The cost of a pile in a half-space: a 40 m pile of 400 embedded nodes, analysed elastically and
// elastic-plastically. The figures are printed beside the cost that nS (nS + 1) / 2 entries of
// two Simpson integrations of 101 kernel values each would take (the couplings now need one to
// sixteen values), made from the measured cost of one kernel value. Not a test: build it in Release for real figures.
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "core/globals.h"
#include "palvore/core/analysis.h"
#include "palvore/core/globals.h"
#include "palvore/core/halfspace.h"
#include "palvore/core/jobfiles.h"
#include "testsupport.h"

namespace {

double Milliseconds(std::chrono::steady_clock::time_point from) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - from).count();
}

}  // namespace

int main() {
  using namespace palvore;
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / "palvore-benchmark";
  fs::create_directories(folder);
  fs::current_path(folder);

  palvore::testing::PileJob j;
  j.name = "BENCH";
  j.elements = 399;
  j.elementLength = 40.0 / 399;
  j.halfSpace = true;
  j.soilModulus = 2.0E4;
  j.soilPoisson = 0.3;
  j.yieldStress = 120;
  j.nodal = {{1, 100, 0}};
  palvore::testing::WriteJob(j);
  JobSpec = j.name;
  LoadCaseName = j.loadCase;

  // One kernel value, measured over many.
  auto start = std::chrono::steady_clock::now();
  volatile long double sink = 0;
  const int samples = 200000;
  for (int i = 0; i < samples; ++i) sink = sink + HalfSpacePointLoad(1.0L + i * 1E-6L, 0.25L, 0.00025L, 0.3L, 0.3L);
  const double kernel = Milliseconds(start) / samples;
  const double nS = 400, estimate = nS * (nS + 1) / 2 * 2 * 101 * kernel;

  std::printf("pile of %d elements, %d embedded nodes\n", j.elements, j.elements + 1);
  std::printf("one kernel value            %10.6f ms\n", kernel);
  std::printf("all-Simpson flexibility     %10.1f ms\n", estimate);
  for (int mode : {0, 1}) {
    YieldAnalysis = mode;
    PileModel m;
    start = std::chrono::steady_clock::now();
    const int code = AnalyseLoadCase(m);
    const double took = Milliseconds(start);
    std::printf("%-27s %10.1f ms   code %d, passes %d, top %.3f mm\n", mode ? "elastic-plastic analysis" : "elastic analysis", took,
                code, m.yieldPasses, code == 0 ? m.u[1] * 1000 : 0.0);
  }
  fs::current_path(fs::temp_directory_path());
  fs::remove_all(folder);
  return 0;
}
