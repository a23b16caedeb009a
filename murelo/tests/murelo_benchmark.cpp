// The cost of a wall on a half-space: a base plate of 200 elements and a stem of 200, analysed
// elastically and elastic-plastically under a load that lifts the heel off the soil. Each pass of
// the contact iteration solves the dense system again, so the elastic-plastic figure is printed
// beside the elastic one times the passes plus one. Not a test: build it in Release for real
// figures.
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
  murelo::testing::WallSupports s;
  s.toeRestrained = false;
  s.halfSpaceModulus = 30000;
  s.halfSpacePoisson = 0.3;
  s.yieldStress = 300;
  murelo::testing::WallLoads l;
  l.plateNodal = {{26, 200, 0}};  // at x = 0.5 m, far outside the kern: the heel lifts
  l.stemNodal = {{201, 20, 0, 0}};
  murelo::testing::WriteGeometry("BENCH", g);
  murelo::testing::WriteSupports("BENCH", s, g.plate.elements);
  murelo::testing::WriteLoads("BENCH", "A", l);
  JobSpec = "BENCH";
  LoadCaseName = "A";

  std::printf("base plate of %d elements, stem of %d: %d unknowns\n", g.plate.elements, g.stem.elements,
              3 * (g.plate.elements + 1) + 2 * g.stem.elements);
  double elastic = 0;
  for (int mode : {0, 1}) {
    WallModel m;
    auto start = std::chrono::steady_clock::now();
    const int code = AnalyseLoadCase(mode, m);
    const double took = Milliseconds(start);
    if (mode == 0) elastic = took;
    int separated = 0, yielding = 0;
    for (size_t i = 1; i < m.contact.size(); ++i) {
      separated += m.contact[i] == kSeparated;
      yielding += m.contact[i] == kYielding;
    }
    std::printf("%-26s %10.1f ms   code %d, passes %d, %d nodes separated, %d yielding\n",
                mode ? "elastic-plastic analysis" : "elastic analysis", took, code, m.contactPasses, separated, yielding);
    if (mode == 1)
      std::printf("reference: elastic x (passes + 1) %10.1f ms\n", elastic * (m.contactPasses + 1));
  }
  fs::current_path(fs::temp_directory_path());
  fs::remove_all(folder);
  return 0;
}
