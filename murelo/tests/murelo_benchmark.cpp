// The cost of a wall on a half-space: a base plate of 200 elements and a stem of 200, analysed
// elastically, then elastic-plastically under a load far outside the kern that the soil carries
// with the heel lifted off it: once with a yield stress (the toe yields) and once tensionless
// (yield stress 0). Each pass of the contact iteration solves the dense system again, so each
// elastic-plastic figure is printed beside the elastic one times its passes plus one. A stop
// code is a fault here: the benchmark says so and fails. Not a test: build it in Release for
// real figures.
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "core/globals.h"
#include "murelo/core/analysis.h"
#include "murelo/core/globals.h"
#include "testsupport.h"

namespace {

double Milliseconds(std::chrono::steady_clock::time_point from) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - from).count();
}

}  // namespace

int main() {
  using namespace murelo;
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / "murelo-benchmark";
  fs::create_directories(folder);
  fs::current_path(folder);

  murelo::testing::WallGeometry g;
  g.plate = {200, 0.02, 0.5};  // 4 m
  g.toe = 1.0;
  g.stem = {200, 0.015, 0.3};  // 3 m
  murelo::testing::WallLoads l;
  l.plateNodal = {{26, 200, 0}};  // at x = 0.5 m, e = 1.5 m beyond B / 6: the heel lifts
  murelo::testing::WriteGeometry("BENCH", g);
  murelo::testing::WriteLoads("BENCH", "A", l);
  JobSpec = "BENCH";
  LoadCaseName = "A";

  std::printf("base plate of %d elements, stem of %d: %d unknowns; 200 kN/m at x = 0.5 m\n", g.plate.elements,
              g.stem.elements, 3 * (g.plate.elements + 1) + 2 * g.stem.elements);
  struct Run {
    const char* what;
    int mode;
    double yieldStress;
  };
  double elastic = 0;
  int failures = 0;
  for (const Run& run : {Run{"elastic analysis", 0, 300}, Run{"elastic-plastic, yield 300", 1, 300},
                         Run{"elastic-plastic, tensionless", 1, 0}}) {
    murelo::testing::WallSupports s;
    s.toeRestrained = false;
    s.halfSpaceModulus = 30000;
    s.halfSpacePoisson = 0.3;
    s.yieldStress = run.yieldStress;
    murelo::testing::WriteSupports("BENCH", s, g.plate.elements);
    WallModel m;
    auto start = std::chrono::steady_clock::now();
    const int code = AnalyseLoadCase(run.mode, m);
    const double took = Milliseconds(start);
    if (run.mode == 0) elastic = took;
    int separated = 0, yielding = 0;
    for (size_t i = 1; i < m.contact.size(); ++i) {
      separated += m.contact[i] == kSeparated;
      yielding += m.contact[i] == kYielding;
    }
    std::printf("%-30s %10.1f ms   passes %3d, %3d nodes separated, %3d yielding", run.what, took, m.contactPasses,
                separated, yielding);
    if (run.mode == 1) std::printf("   (elastic x (passes + 1): %.1f ms)", elastic * (m.contactPasses + 1));
    std::printf("\n");
    if (code != kSolverDone) {
      std::fprintf(stderr, "FAILED: %s stopped with code %d:\n%s\n", run.what, code, SolverStopMessage(code).c_str());
      ++failures;
    }
  }
  fs::current_path(fs::temp_directory_path());
  fs::remove_all(folder);
  return failures == 0 ? 0 : 1;
}
