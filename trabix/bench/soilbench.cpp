// Benchmark of the half-space soil terms and of whole analyses (not a test: it prints figures).
//
//   trabix_soilbench [folder [suite]]     (suite: part 3 alone)
//
// 1. The soil stiffness of a beam on the isotropic half-space (the flexibility matrix of its
//    contact nodes assembled and inverted, in extended precision) for 50 to 800 contact nodes,
//    beside LAPACK's dpotrf + dpotri inverting the same matrix in double precision; the ratio,
//    the growth exponent from one size to the next, and the largest relative difference of the
//    two inverses.
// 2. Whole analyses as the program runs them, each a trabix_solve process beside this program:
//    a 400-element beam on the half-space (elastic and elastic-plastic) and a 4,991-element beam
//    on a Winkler foundation; the median of five runs, then the driver's steps in-process.
// 3. The four half-space analyses of the suite in-process, each at half, full and double size:
//    Palvore's pile (400 embedded nodes, elastic), Murelo's wall (200 + 200 elements,
//    elastic-plastic), ANALYSIS.exe's circular plate (1000 elements) and Trabix's beam (800
//    nodes), each beside its floor measured in the same run: the operations of a sound method
//    (the dense factors and inverses it cannot do without) at the rate of the reference BLAS
//    dgemm on a matrix of the case's dense size, plus the kernel values it cannot do without at
//    their measured cost; the ratio and the growth exponent from one size to the next.
//
// The jobs are written into `folder` (a new temporary folder when none is given).
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/beamkernel.h"
#include "core/globals.h"
#include "trabix/core/analysis.h"
#include "trabix/core/globals.h"
#include "trabix/core/jobfiles.h"
#include "trabix/core/resultsreport.h"
#include "trabix/core/soilmodels.h"

#include "corvane/solver/halfspace.h"
#include "corvane/solver/solver.h"
#include "corvane/solver/tests/jobs.h"
#include "murelo/core/analysis.h"
#include "murelo/core/globals.h"
#include "murelo/core/model.h"
#include "murelo/tests/testsupport.h"
#include "palvore/core/analysis.h"
#include "palvore/core/globals.h"
#include "palvore/core/halfspace.h"
#include "palvore/tests/testsupport.h"

extern "C" {
void dgemm_(const char* ta, const char* tb, const int* m, const int* n, const int* k, const double* alpha, const double* a,
            const int* lda, const double* b, const int* ldb, const double* beta, double* c, const int* ldc);
void dpotrf_(const char* uplo, const int* n, double* a, const int* lda, int* info);
void dpotri_(const char* uplo, const int* n, double* a, const int* lda, int* info);
}

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from) { return std::chrono::duration<double>(Clock::now() - from).count(); }

// Median time of `run` in seconds: repeated until about 0.3 s have passed (at least 5 times).
double MedianTime(const std::function<void()>& run) {
  std::vector<double> times;
  auto start = Clock::now();
  while (times.size() < 5 || (Seconds(start) < 0.3 && times.size() < 200)) {
    auto t = Clock::now();
    run();
    times.push_back(Seconds(t));
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// The contact nodes of a beam of n - 1 elements of 0.1 m, 1.0 m wide.
void Beam(int n, trabix::Vector& x, trabix::Vector& b) {
  x.assign(n + 1, 0.0);
  b.assign(n + 1, 1.0);
  for (int i = 2; i <= n; ++i) x[i] = x[i - 1] + 0.1;
}

void SoilStiffnessFigures() {
  std::printf("Soil stiffness of the half-space (flexibility assembled and inverted) against LAPACK dpotrf + dpotri\n");
  std::printf("%8s %14s %14s %8s %10s %14s\n", "nodes", "ours [ms]", "LAPACK [ms]", "ratio", "growth", "difference");
  const long double kPiE = 3.14159265358979323846L * 3.2e4L;
  double previous = 0;
  int previousN = 0;
  for (int n : {50, 100, 200, 400, 800}) {
    trabix::Vector x, b;
    Beam(n, x, b);
    beamkernel::SoilMatrix f, s;
    double ours = MedianTime([&] {
      trabix::HalfSpaceFlexibility(f, n, x, b, false, 0);
      if (!beamkernel::InvertSoilMatrix(f, s, kPiE)) std::printf("  singular at %d nodes!\n", n);
    });
    std::vector<double> a(static_cast<size_t>(n) * n);
    int info = 0;
    double lapack = MedianTime([&] {
      for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i) a[static_cast<size_t>(j) * n + i] = static_cast<double>(f(i + 1, j + 1));
      dpotrf_("L", &n, a.data(), &n, &info);
      if (info == 0) dpotri_("L", &n, a.data(), &n, &info);
    });
    // The difference of the two inverses relative to the largest entry.
    double worst = 0, largest = 0;
    for (int j = 0; j < n; ++j)
      for (int i = j; i < n; ++i) {
        double ref = a[static_cast<size_t>(j) * n + i] * static_cast<double>(kPiE);
        worst = std::max(worst, std::fabs(static_cast<double>(s(i + 1, j + 1)) - ref));
        largest = std::max(largest, std::fabs(ref));
      }
    worst /= largest;
    char growth[32] = "";
    if (previous > 0) std::snprintf(growth, sizeof growth, "%.2f", std::log(ours / previous) / std::log(double(n) / previousN));
    std::printf("%8d %14.3f %14.3f %8.2f %10s %14.2e%s\n", n, ours * 1e3, lapack * 1e3, ours / lapack, growth, worst,
                info != 0 ? "  (LAPACK failed)" : "");
    previous = ours;
    previousN = n;
  }
}

// --- Whole analyses ------------------------------------------------------------------------------

void WriteFile(const std::string& name, const std::string& text) {
  std::ofstream out(name, std::ios::binary);
  out << text;
}

std::string Format(const char* mask, double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, mask, v);
  return buf;
}

void WriteBeamJob(const std::string& job, int elements, double elementLength, const std::string& soil) {
  std::string crlf = "\r\n";
  std::string g = "Job: " + job + " // GEOMETRY & MAT. PROPERTIES" + crlf + "DATA:  BEAM!" + crlf +
                  "Length [m]  No of Elements  Young's Modulus [kPa]   Poisson's Ratio" + crlf + "     " +
                  Format("%g", elements * elementLength) + "          " + std::to_string(elements) +
                  "             3.0000E+7            0.000" + crlf + "Coefficient of Thermal Expansion:   .000E+0" + crlf +
                  "Element 'i'  Element Length [m]   Width [m]      Thickness [m]" + crlf;
  for (int e = 1; e <= elements; ++e)
    g += Format("%5.0f", e) + "              " + Format("%.4f", elementLength) + "           1.0000           0.6000  " + crlf;
  g += crlf + "--------------------- END OF GEOMETRY DATA ---------------------" + crlf;
  WriteFile(job + ".GEO", g);
  WriteFile(job + ".SUP", "Job: " + job + " // SUPPORTS" + crlf + "BEAM/STRIP SUPPORT DATA:" + crlf +
                              "Left Edge Fixed against Rotation (?):  N" + crlf +
                              "Right Edge Fixed against Rotation (?):  N" + crlf + soil + crlf +
                              "------------------------ END OF SUPPORT DATA ------------------------" + crlf);
  WriteFile(job + ".LDA", "Job: " + job + " // LOADS (A)" + crlf + "LOAD DATA:" + crlf + "Uniform Load [kN/m]: 50.0" + crlf +
                              "Self Weight (Mass Density) [kg/m^3]: 0.0" + crlf + crlf +
                              "------------------------- END OF LOAD DATA -------------------------" + crlf);
  WriteFile(job + ".CAS", "A" + crlf);
}

std::string WinklerRows(int elements) {
  std::string s = "WINKLER FOUNDATION:\r\nElement 'i'  Subgrade Mod.    Subgrade Mod.    Yield Stress   Yield Stress\r\n"
                  "(Nodes i,j)  at 'i' [kPa/m]   at 'j' [kPa/m]   at 'i' [kPa]   at 'j' [kPa] \r\n";
  for (int e = 1; e <= elements; ++e)
    s += Format("%7.0f", e) + "        2.0000E+4        2.0000E+4         150.000        150.000\r\n";
  return s;
}

double MedianProcess(const std::string& command) {
  std::vector<double> times;
  std::system((command + " >/dev/null 2>&1").c_str());  // warm-up
  for (int i = 0; i < 5; ++i) {
    auto t = Clock::now();
    if (std::system((command + " >/dev/null 2>&1").c_str()) != 0) std::printf("  %s did not end with 0\n", command.c_str());
    times.push_back(Seconds(t));
  }
  std::sort(times.begin(), times.end());
  return times[2];
}

// The driver's steps of one analysis in-process (medians), in ms.
void StepFigures(const std::string& job, int mode) {
  using namespace trabix;
  std::vector<double> read, soil, assemble, solve, iterate, report;
  for (int i = 0; i < 5; ++i) {
    JobSpec = job;
    LoadCaseName = "A";
    YieldAnalysis = mode;
    BeamModel m;
    auto t = Clock::now();
    ReadBeamJob(m);
    read.push_back(Seconds(t));
    t = Clock::now();
    FormSoilMatrices(m);
    soil.push_back(Seconds(t));
    t = Clock::now();
    AssembleSystem(m);
    FormLoadVector(m);
    assemble.push_back(Seconds(t));
    t = Clock::now();
    SolveElastic(m);
    SoilReactions(m);
    solve.push_back(Seconds(t));
    t = Clock::now();
    if (m.data.yieldAnalysis == 1) YieldIteration(m);
    iterate.push_back(Seconds(t));
    t = Clock::now();
    FormEndForces(m);
    WriteResultsReport(m.soilKind, m.u, m.pressures, m.nodes, m.x, m.endForces, m.soilEnd, m.strip,
                       ResultsFileName(JobSpec, LoadCaseName), "Job: " + job + " //  Load Case: 'A'");
    report.push_back(Seconds(t));
  }
  auto median = [](std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2] * 1e3;
  };
  std::printf("    steps [ms]: read %.2f, soil %.2f, assemble %.2f, solve %.2f, iterate %.2f, report %.2f\n", median(read),
              median(soil), median(assemble), median(solve), median(iterate), median(report));
}

void WholeAnalysisFigures(const std::string& tool) {
  WriteBeamJob("HS400", 400, 0.1,
               "ISOTROPIC ELASTIC HALF-SPACE: E =3.00000E+4[kPa];   Nu =0.2500\r\nISOTROPIC YIELD STRESS: 60.00[kPa]\r\n");
  WriteBeamJob("WK4991", 4991, 0.1, WinklerRows(4991));
  std::printf("\nWhole analyses (trabix_solve processes, median of 5)\n");
  struct Run {
    const char* what;
    const char* job;
    const char* mode;
  } runs[] = {{"400-element beam, half-space, elastic", "HS400", "elastic"},
              {"400-element beam, half-space, elastic-plastic", "HS400", "plastic"},
              {"4,991-element beam, Winkler, elastic", "WK4991", "elastic"}};
  for (const Run& r : runs) {
    double t = MedianProcess(tool + " " + r.job + " A " + r.mode);
    std::printf("  %-48s %8.1f ms\n", r.what, t * 1e3);
    StepFigures(r.job, std::string(r.mode) == "plastic" ? 1 : 0);
  }
}

// --- The suite's half-space analyses beside their floors ---------------------------------------

// The reference dgemm's rate [flop/s] on n x n matrices (median).
double DgemmRate(int n) {
  std::vector<double> a(static_cast<size_t>(n) * n, 0.5), b(a), c(a.size(), 0.0);
  const double one = 1, zero = 0;
  const double t = MedianTime([&] { dgemm_("N", "N", &n, &n, &n, &one, a.data(), &n, b.data(), &n, &zero, c.data(), &n); });
  return 2.0 * n * n * n / t;
}

// Median time of a value of `kernel` [s], over many values.
double KernelCost(const std::function<double(int)>& kernel) {
  volatile double sink = 0;
  return MedianTime([&] {
           for (int i = 0; i < 10000; ++i) sink = sink + kernel(i);
         }) /
         10000;
}

struct CaseFigures {
  int size = 0;
  double ours = 0, floor = 0;
  std::string note;
};

void PrintCase(const char* what, const char* unit, const std::vector<CaseFigures>& rows) {
  std::printf("\n%s\n%8s %12s %12s %8s %10s  %s\n", what, unit, "ours [ms]", "floor [ms]", "ratio", "growth", "");
  for (size_t i = 0; i < rows.size(); ++i) {
    char growth[32] = "";
    if (i > 0)
      std::snprintf(growth, sizeof growth, "%.2f",
                    std::log(rows[i].ours / rows[i - 1].ours) / std::log(double(rows[i].size) / rows[i - 1].size));
    std::printf("%8d %12.1f %12.2f %8.1f %10s  %s\n", rows[i].size, rows[i].ours * 1e3, rows[i].floor * 1e3,
                rows[i].ours / rows[i].floor, growth, rows[i].note.c_str());
  }
}

// The median time of `runs` runs of one analysis (which returns the solver's code); a stop is noted.
CaseFigures TimedCase(int size, int runs, const std::function<int()>& analyse) {
  CaseFigures c;
  c.size = size;
  std::vector<double> times;
  int code = 0;
  for (int i = 0; i < runs; ++i) {
    auto t = Clock::now();
    code = analyse();
    times.push_back(Seconds(t));
  }
  std::sort(times.begin(), times.end());
  c.ours = times[times.size() / 2];
  if (code != 0) c.note = "stopped with code " + std::to_string(code);
  return c;
}

// A 40 m pile, 0.5 m wide, all of it embedded, 100 kN at its top. The floor: the flexibility's
// kernel values (two a coupling up to five elements apart, one beyond; fifteen a self term, on
// each side of the node), the inverse of the flexibility (nS^3) and the factor of the condensed
// system (nN^3 / 3).
CaseFigures PileCase(int nodes, int runs) {
  palvore::testing::PileJob j;
  j.name = "PILE" + std::to_string(nodes);
  j.elements = nodes - 1;
  j.elementLength = 40.0 / j.elements;
  j.halfSpace = true;
  j.soilModulus = 2.0E4;
  j.soilPoisson = 0.3;
  j.nodal = {{1, 100, 0}};
  palvore::testing::WriteJob(j);
  JobSpec = j.name;
  palvore::LoadCaseName = j.loadCase;
  palvore::YieldAnalysis = 0;
  CaseFigures c = TimedCase(nodes, runs, [] {
    palvore::PileModel m;
    return palvore::AnalyseLoadCase(m);
  });
  const double kernel =
      KernelCost([](int i) { return static_cast<double>(palvore::HalfSpacePointLoad(1.0L + i * 1E-6L, 0.25L, 0.00025L, 0.3L, 0.3L)); });
  double values = 0;
  for (int i = 1; i <= nodes; ++i) {
    const int sides = (i > 1) + (i < nodes);
    values += sides * 15.0;
    for (int k = 1; k <= nodes - i; ++k) values += sides * (k <= 5 ? 2 : 1);
  }
  const double n = nodes;
  c.floor = values * kernel + (n * n * n + n * n * n / 3) / DgemmRate(nodes);
  return c;
}

// A wall of `elements` + `elements` (base plate 4 m, stem 3 m) on the half-space, yield stress
// 300 kPa, 200 kN/m at 0.5 m from the toe: the heel lifts. The floor: the flexibility's
// coefficients (as the program forms them), its inverse ((2N)^3), the factor of the elastic
// solution's block, every node in contact ((2N)^3 / 3), and per pass the factor of the block of
// the nodes in contact ((2 c)^3 / 3, c those in contact at the end).
CaseFigures WallCase(int elements, int runs) {
  murelo::testing::WallGeometry g;
  g.plate = {elements, 4.0 / elements, 0.5};
  g.toe = 1.0;
  g.stem = {elements, 3.0 / elements, 0.3};
  murelo::testing::WallLoads l;
  l.plateNodal = {{std::round(0.5 / g.plate.width) + 1, 200, 0}};
  const std::string job = "WALL" + std::to_string(elements);
  murelo::testing::WriteGeometry(job, g);
  murelo::testing::WriteLoads(job, "A", l);
  murelo::testing::WallSupports s;
  s.toeRestrained = false;
  s.halfSpaceModulus = 30000;
  s.halfSpacePoisson = 0.3;
  s.yieldStress = 300;
  murelo::testing::WriteSupports(job, s, g.plate.elements);
  JobSpec = job;
  murelo::LoadCaseName = "A";
  int passes = 0, contact = 0;
  CaseFigures c = TimedCase(elements, runs, [&] {
    murelo::WallModel m;
    const int code = murelo::AnalyseLoadCase(1, m);
    passes = m.contactPasses;
    contact = 0;
    for (size_t i = 1; i < m.contact.size(); ++i) contact += m.contact[i] == murelo::kElasticContact;
    return code;
  });
  const int n = elements + 1;
  std::vector<double> x(n + 1), b(n, 4.0 / elements / 2);
  for (int i = 1; i <= n; ++i) x[i] = (i - 1) * 4.0 / elements;
  beamkernel::SoilMatrix f;
  const double coefficients = MedianTime([&] { murelo::HalfSpaceFlexibilityCoefficients(f, n, x, b, 0.3); });
  const double twoN = 2.0 * n, twoC = 2.0 * contact;
  c.floor = coefficients + (twoN * twoN * twoN * 4 / 3 + passes * twoC * twoC * twoC / 3) / DgemmRate(2 * n);
  c.note = std::to_string(passes) + " passes, " + std::to_string(contact) + " nodes in contact " + c.note;
  return c;
}

// A solid circular plate of radius 10 m, 0.5 m thick, 10 kPa, on the half-space (E 50000,
// nu 0.3). The floor: one disk settlement per node and annulus edge, the LU inverse of the
// general flexibility (2 n^3) and the factor of the system's dense block (n^3 / 3).
CaseFigures PlateCase(int elements, int runs) {
  corvane::testing::PlateJob p;
  p.elements = elements;
  p.outer = 10;
  p.thickness = 0.5;
  p.uniform = 10;
  p.halfSpace = true;
  p.halfSpaceValues = {"50000", "0.3"};
  corvane::testing::WritePlateJob(p);
  CaseFigures c = TimedCase(elements, runs, [] { return corvane::AnalysisMain("ANALYSIS.exe PLATE,P1,A", nullptr); });
  const double kernel = KernelCost([](int i) { return corvane::DiskSettlement(1.0 + i * 1E-4, 2.5); });
  const double n = elements + 1;
  c.floor = n * (n + 1) * kernel + (2 * n * n * n + n * n * n / 3) / DgemmRate(elements + 1);
  return c;
}

// A beam of `nodes` nodes, 0.1 m elements, 1 m wide, on the half-space, elastic. The floor: the
// flexibility as the program forms it, its inverse (n^3) and the condensed factor (n^3 / 3).
CaseFigures BeamCase(int nodes, int runs) {
  const std::string job = "HS" + std::to_string(nodes);
  WriteBeamJob(job, nodes - 1, 0.1,
               "ISOTROPIC ELASTIC HALF-SPACE: E =3.00000E+4[kPa];   Nu =0.2500\r\nISOTROPIC YIELD STRESS: 60.00[kPa]\r\n");
  JobSpec = job;
  trabix::LoadCaseName = "A";
  trabix::YieldAnalysis = 0;
  CaseFigures c = TimedCase(nodes, runs, [] {
    trabix::BeamModel m;
    return trabix::AnalyseLoadCase(m);
  });
  trabix::Vector x, b;
  Beam(nodes, x, b);
  beamkernel::SoilMatrix f;
  const double flexibility = MedianTime([&] { trabix::HalfSpaceFlexibility(f, nodes, x, b, false, 0); });
  const double n = nodes;
  c.floor = flexibility + (n * n * n + n * n * n / 3) / DgemmRate(nodes);
  return c;
}

void SuiteFigures() {
  std::printf("\nThe suite's half-space analyses (in-process, medians) beside their floors (reference dgemm and kernel\n"
              "measured in this run); targets as multiples of the floor: pile 10, wall 4, plate 2, beam 3\n");
  PrintCase("Palvore: pile of 40 m, all embedded, elastic", "nodes",
            {PileCase(200, 5), PileCase(400, 3), PileCase(800, 1)});
  PrintCase("Murelo: wall on the half-space, elastic-plastic (yield 300 kPa)", "elements",
            {WallCase(100, 3), WallCase(200, 3), WallCase(400, 1)});
  PrintCase("ANALYSIS.exe: circular plate on the half-space", "elements",
            {PlateCase(500, 3), PlateCase(1000, 3), PlateCase(2000, 1)});
  PrintCase("Trabix: beam on the half-space, elastic", "nodes", {BeamCase(400, 5), BeamCase(800, 3), BeamCase(1600, 1)});
}

}  // namespace

int main(int argc, char** argv) {
  std::string folder;
  if (argc > 1) {
    folder = argv[1];
  } else {
    char pattern[] = "/tmp/soilbench-XXXXXX";
    if (!mkdtemp(pattern)) return 1;
    folder = pattern;
  }
  std::string self = argv[0];
  std::string dir = self.find('/') == std::string::npos ? "." : self.substr(0, self.rfind('/'));
  char cwd[4096];
  std::string tool = (dir[0] == '/' ? dir : std::string(getcwd(cwd, sizeof cwd)) + "/" + dir) + "/trabix_solve";
  if (chdir(folder.c_str()) != 0) return 1;
  const bool suiteOnly = argc > 2 && std::string(argv[2]) == "suite";
  if (!suiteOnly) {
    SoilStiffnessFigures();
    WholeAnalysisFigures(tool);
  }
  SuiteFigures();
  std::printf("\nJobs in %s\n", folder.c_str());
  return 0;
}
