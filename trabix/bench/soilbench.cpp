// Benchmark of the half-space soil terms and of whole analyses (not a test: it prints figures).
//
//   trabix_soilbench [folder]
//
// 1. The soil stiffness of a beam on the isotropic half-space (the flexibility matrix of its
//    contact nodes assembled and inverted, in extended precision) for 50 to 800 contact nodes,
//    beside LAPACK's dpotrf + dpotri inverting the same matrix in double precision; the ratio,
//    the growth exponent from one size to the next, and the largest relative difference of the
//    two inverses.
// 2. Whole analyses as the program runs them, each a trabix_solve process beside this program:
//    a 400-element beam on the half-space (elastic and elastic-plastic) and a 4,991-element beam
//    on a Winkler foundation; the median of five runs, then the driver's steps in-process.
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

extern "C" {
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
    if (YieldAnalysis == 1) YieldIteration(m);
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
  SoilStiffnessFigures();
  WholeAnalysisFigures(tool);
  std::printf("\nJobs in %s\n", folder.c_str());
  return 0;
}
