// Benchmark of the half-space soil terms and of whole analyses (not a test: it prints figures).
//
//   soilbench [folder [stiffness] [whole] [job ...]]     (everything when nothing is named)
//
// stiffness: the soil stiffness of a beam on the isotropic half-space (Trabix's flexibility of
//    its contact nodes assembled and inverted) for 50 to 800 contact nodes, beside LAPACK's
//    dpotrf + dpotri inverting the same matrix in double precision; the ratio, the growth
//    exponent from one size to the next, and the largest relative difference of the two inverses.
// whole: whole analyses as Trabix runs them, each a trabix_solve process beside this program:
//    a 400-element beam on the half-space (elastic and elastic-plastic) and a 4,991-element beam
//    on a Winkler foundation; the median of five runs, then the driver's steps in-process.
// jobs: the four programs' half-space analyses in-process, the largest each accepts (pile,
//    pile-plastic, beam, beam-plastic, plate, wall, wall-plastic) and typical ones of 200 nodes
//    or elements (typical-pile, ...), each beside its floor: the dense work of a sound method at
//    the rate of the tuned LAPACK's factor measured in the same run, plus the kernel values it
//    cannot do without at their cost in double, and the time as a multiple of the floor. The
//    programs' own routines are charged to them, never to the floor.
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
void dpotrf_(const char* uplo, const int* n, double* a, const int* lda, int* info);
void dpotri_(const char* uplo, const int* n, double* a, const int* lda, int* info);
void dgetrf_(const int* m, const int* n, double* a, const int* lda, int* pivots, int* info);
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

// The rate [flop/s] of the tuned LAPACK's Cholesky factor (dpotrf, n^3 / 3 flops) and LU factor
// (dgetrf, 2 n^3 / 3) on a well-conditioned n x n matrix, n at most 2000 (beyond it the rate
// barely grows); measured once per size in this run.
struct Rates {
  double cholesky = 0, lu = 0;
};

Rates DenseRates(int n) {
  n = std::min(n, 2000);
  static std::vector<std::pair<int, Rates>> known;
  for (const auto& k : known)
    if (k.first == n) return k.second;
  const size_t nn = static_cast<size_t>(n) * n;
  std::vector<double> spd(nn), a(nn);
  for (int j = 0; j < n; ++j)
    for (int i = 0; i < n; ++i) spd[static_cast<size_t>(j) * n + i] = (i == j ? n : 0.0) + 1.0 / (1 + std::abs(i - j));
  std::vector<int> pivots(n);
  int info = 0;
  Rates r;
  const double tc = MedianTime([&] {
    a = spd;
    dpotrf_("L", &n, a.data(), &n, &info);
  });
  const double tl = MedianTime([&] {
    a = spd;
    dgetrf_(&n, &n, a.data(), &n, pivots.data(), &info);
  });
  // The copy is timed with each factor; it is n^2 against n^3 and only lowers the rate.
  r.cholesky = double(n) * n * n / 3 / tc;
  r.lu = 2.0 * n * n * n / 3 / tl;
  known.push_back({n, r});
  return r;
}

// Median time of a value of `kernel` [s], over many values.
double KernelCost(const std::function<double(int)>& kernel) {
  volatile double sink = 0;
  return MedianTime([&] {
           for (int i = 0; i < 10000; ++i) sink = sink + kernel(i);
         }) /
         10000;
}

// The cost of a closed-form coefficient in double: a logarithm, a square root and an arc
// tangent (the terms of a rectangle's settlement or of a line load's).
double ClosedFormCost() {
  return KernelCost([](int i) {
    const double x = 1.0 + i * 1E-4, h = 0.5;
    return std::log(h + std::sqrt(h * h + x * x)) + std::atan(h / x);
  });
}

// The flops of the soil stiffness of a symmetric flexibility of order n (its Cholesky inverse,
// n^3) and of the factor of the system's dense block (n^3 / 3); per pass of an elastic-plastic
// iteration a solve with the factor (a node entering or leaving contact changes a row and a
// column: an update of n^2 per node, which the solve's 2 n^2 stands for).
double SymmetricSoilFlops(double n, int passes) { return n * n * n + n * n * n / 3 + passes * 2 * n * n; }

struct CaseFigures {
  std::string what;
  double ours = 0, floor = 0;
  long peakKb = 0;
  std::string note;
};

// The median time of `runs` runs of one analysis (which returns the solver's code); a stop is noted.
CaseFigures TimedCase(const std::string& what, int runs, const std::function<int()>& analyse) {
  CaseFigures c;
  c.what = what;
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

// A 40 m pile, 0.5 m wide, all of it embedded, 100 kN at its top, the yield stress 60 kPa
// (elastic-plastic: the soil near the top yields). The floor: the flexibility's kernel values
// in double (two a coupling up to five elements apart, one beyond; fifteen a self term, on each
// side of the node), the symmetric soil work at the tuned Cholesky's rate.
CaseFigures PileCase(int nodes, bool plastic, int runs) {
  palvore::testing::PileJob j;
  j.name = "PILE" + std::to_string(nodes) + (plastic ? "P" : "");
  j.elements = nodes - 1;
  j.elementLength = 40.0 / j.elements;
  j.halfSpace = true;
  j.soilModulus = 2.0E4;
  j.soilPoisson = 0.3;
  j.yieldStress = 60;
  j.nodal = {{1, 100, 0}};
  palvore::testing::WriteJob(j);
  JobSpec = j.name;
  palvore::LoadCaseName = j.loadCase;
  palvore::YieldAnalysis = plastic ? 1 : 0;
  CaseFigures c = TimedCase("Palvore pile, " + std::to_string(nodes) + " nodes" + (plastic ? ", elastic-plastic" : ", elastic"),
                            runs, [] {
                              palvore::PileModel m;
                              return palvore::AnalyseLoadCase(m);
                            });
  const double kernel = KernelCost([](int i) { return palvore::HalfSpacePointLoad(1.0 + i * 1E-6, 0.25, 0.00025, 0.3, 0.3); });
  double values = 0;
  for (int i = 1; i <= nodes; ++i) {
    const int sides = (i > 1) + (i < nodes);
    values += sides * 15.0;
    for (int k = 1; k <= nodes - i; ++k) values += sides * (k <= 5 ? 2 : 1);
  }
  c.floor = values * kernel + SymmetricSoilFlops(nodes, 0) / DenseRates(nodes).cholesky;
  return c;
}

// A wall of `elements` + `elements` (base plate 4 m, stem 3 m) on the half-space, 200 kN/m at
// 0.5 m from the toe; elastic-plastic with the yield stress 300 kPa: the heel lifts. The floor:
// the flexibility's coefficients (two unknowns a node: four closed forms a pair of nodes) and the
// symmetric soil work of order 2 N, a solve a pass.
CaseFigures WallCase(int elements, bool plastic, int runs) {
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
  const std::string size = std::to_string(elements);
  CaseFigures c = TimedCase("Murelo wall, " + size + " + " + size + " elements" + (plastic ? ", elastic-plastic" : ", elastic"),
                            runs, [&] {
                              murelo::WallModel m;
                              const int code = murelo::AnalyseLoadCase(plastic ? 1 : 0, m);
                              passes = m.contactPasses;
                              contact = 0;
                              for (size_t i = 1; i < m.contact.size(); ++i) contact += m.contact[i] == murelo::kElasticContact;
                              return code;
                            });
  const double twoN = 2.0 * (elements + 1);
  c.floor = twoN * twoN * ClosedFormCost() + SymmetricSoilFlops(twoN, passes) / DenseRates(static_cast<int>(twoN)).cholesky;
  if (plastic) c.note = std::to_string(passes) + " passes, " + std::to_string(contact) + " nodes in contact " + c.note;
  return c;
}

// A solid circular plate of radius 10 m, 0.5 m thick, 10 kPa, on the half-space (E 50000,
// nu 0.3). The floor: one disk settlement per node and annulus edge, the symmetric soil work of
// order n (the flexibility symmetrised; no inverse of a general matrix is needed).
CaseFigures PlateCase(int elements, int runs) {
  corvane::testing::PlateJob p;
  p.elements = elements;
  p.outer = 10;
  p.thickness = 0.5;
  p.uniform = 10;
  p.halfSpace = true;
  p.halfSpaceValues = {"50000", "0.3"};
  corvane::testing::WritePlateJob(p);
  CaseFigures c = TimedCase("ANALYSIS.exe plate, " + std::to_string(elements) + " elements, elastic", runs,
                            [] { return corvane::AnalysisMain("ANALYSIS.exe PLATE,P1,A", nullptr); });
  const double kernel = KernelCost([](int i) { return corvane::DiskSettlement(1.0 + i * 1E-4, 2.5); });
  const double n = elements + 1;
  c.floor = n * (n + 1) * kernel + SymmetricSoilFlops(n, 0) / DenseRates(elements + 1).cholesky;
  return c;
}

// A beam of `nodes` nodes, 0.1 m elements, 1 m wide, on the half-space (elastic-plastic: the
// yield stress 60 kPa under 50 kN/m). The floor: the flexibility's closed forms in double (two
// an entry), the symmetric soil work, a solve a pass.
CaseFigures BeamCase(int nodes, bool plastic, int runs) {
  const std::string job = "HS" + std::to_string(nodes);
  WriteBeamJob(job, nodes - 1, 0.1,
               "ISOTROPIC ELASTIC HALF-SPACE: E =3.00000E+4[kPa];   Nu =0.2500\r\nISOTROPIC YIELD STRESS: 60.00[kPa]\r\n");
  JobSpec = job;
  trabix::LoadCaseName = "A";
  trabix::YieldAnalysis = plastic ? 1 : 0;
  int passes = 0;
  CaseFigures c = TimedCase("Trabix beam, " + std::to_string(nodes) + " nodes" + (plastic ? ", elastic-plastic" : ", elastic"),
                            runs, [&] {
                              trabix::BeamModel m;
                              const int code = trabix::AnalyseLoadCase(m);
                              passes = m.yieldPasses;
                              return code;
                            });
  const double n = nodes;
  c.floor = n * n * ClosedFormCost() + SymmetricSoilFlops(n, passes) / DenseRates(nodes).cholesky;
  if (plastic) c.note = std::to_string(passes) + " passes " + c.note;
  return c;
}

long PeakKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
  return 0;
}

void PrintCase(const CaseFigures& c) {
  std::printf("  %-52s %10.3f %10.3f %8.1f  %s\n", c.what.c_str(), c.ours, c.floor, c.ours / c.floor, c.note.c_str());
  std::fflush(stdout);
}

// The jobs by name: the largest each program accepts, and typical ones of 200 nodes or elements.
const std::vector<std::pair<std::string, std::function<CaseFigures()>>>& Jobs() {
  static const std::vector<std::pair<std::string, std::function<CaseFigures()>>> jobs = {
      {"pile", [] { return PileCase(4991, false, 1); }},
      {"pile-plastic", [] { return PileCase(4991, true, 1); }},
      {"beam", [] { return BeamCase(5001, false, 1); }},
      {"beam-plastic", [] { return BeamCase(5001, true, 1); }},
      {"plate", [] { return PlateCase(5000, 1); }},
      {"wall", [] { return WallCase(996, false, 1); }},
      {"wall-plastic", [] { return WallCase(996, true, 1); }},
      {"typical-pile", [] { return PileCase(200, false, 5); }},
      {"typical-pile-plastic", [] { return PileCase(200, true, 5); }},
      {"typical-beam", [] { return BeamCase(200, false, 5); }},
      {"typical-beam-plastic", [] { return BeamCase(200, true, 5); }},
      {"typical-plate", [] { return PlateCase(200, 5); }},
      {"typical-wall", [] { return WallCase(200, false, 5); }},
      {"typical-wall-plastic", [] { return WallCase(200, true, 5); }},
  };
  return jobs;
}

// The named jobs (all when none is named) beside their floors.
int SuiteFigures(const std::vector<std::string>& names) {
  std::printf("\nThe suite's half-space analyses (in-process; the typical ones medians of 5) beside their floors: a sound\n"
              "method's dense work at the rate of the tuned LAPACK measured in this run, plus its kernel values in double\n");
  std::printf("  %-52s %10s %10s %8s\n", "job", "ours [s]", "floor [s]", "multiple");
  for (const std::string& name : names) {
    bool found = false;
    for (const auto& job : Jobs())
      if (job.first == name) {
        PrintCase(job.second());
        found = true;
      }
    if (!found) {
      std::printf("no job %s\n", name.c_str());
      return 2;
    }
  }
  std::printf("  peak memory of this process: %ld MB\n", PeakKb() / 1024);
  return 0;
}

}  // namespace

// soilbench [folder [part | job ...]]: the parts "stiffness" and "whole", or the suite's jobs by
// name (see Jobs); everything when nothing is named.
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
  std::vector<std::string> named(argv + std::min(argc, 2), argv + argc);
  const bool all = named.empty();
  auto take = [&named](const char* part) {
    auto it = std::find(named.begin(), named.end(), part);
    if (it == named.end()) return false;
    named.erase(it);
    return true;
  };
  if (take("stiffness") || all) SoilStiffnessFigures();
  if (take("whole") || all) WholeAnalysisFigures(tool);
  int code = 0;
  if (all) {
    for (const auto& job : Jobs()) named.push_back(job.first);
  }
  if (!named.empty()) code = SuiteFigures(named);
  std::printf("\nJobs in %s\n", folder.c_str());
  return code;
}
