#include "palvore/core/analysis.h"

#include <algorithm>
#include <cmath>

#include "core/globals.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "palvore/core/globals.h"
#include "palvore/core/halfspace.h"
#include "palvore/core/jobfiles.h"
#include "palvore/core/resultsreport.h"
#include "palvore/core/slots.h"
#include "palvore/core/yielditeration.h"

namespace palvore {

namespace {

bool Finite(double v) { return std::isfinite(v); }

const SolverStopProfile& StopProfile() {
  static const SolverStopProfile profile{{kStopIterationUnstable, kStopReportNotWritten, kStopBadJobData,
                                          kStopBadSupportData, kStopBadLoadData, kStopValueTooLarge},
                                         true,
                                         {kStopIterationUnstable, kStopReportNotWritten}};
  return profile;
}

}  // namespace

SolverWarningData SolverWarningFor(int code) { return ::SolverWarningFor(code, StopProfile()); }

int ReadPileJob(PileModel& m) { return ReadPileJob(m, JobSpec, LoadCaseName); }

int ReadPileJob(PileModel& m, const std::string& job, const std::string& caseName) {
  if (TextLines.size() < 5001) TextLines.resize(5001);
  if (Trim(caseName).empty()) return kSolverNoJob;
  int count = 0;
  LoadTextLines(job + ".geo", TextLines, 5000, count);
  const int firstRow = count > 0 ? ReadGeometrySections(TextLines, count) : 0;
  if (firstRow == 0) return kSolverNoJob;
  const int present = ReadElementRows(TextLines, count, firstRow);
  const int elements = ElementCount();
  // Without its element rows there is no pile to analyse.
  if (elements < 1 || present < elements) return kStopSystemUnstable;
  if (int stop = DataFileStop(DataFileDamage(TextLines, count, GeometryFileForm(TextLines, count)), kStopBadJobData))
    return stop;

  int springsFirst = 0, soilFirst = 0;
  count = 0;
  LoadTextLines(SupportFileName(job), TextLines, 5000, count);
  if (int stop = DataFileStop(DataFileDamage(TextLines, count, SupportFileForm()), kStopBadSupportData)) return stop;
  ReadSupportData(TextLines, count, springsFirst, soilFirst);
  int trapezoidalFirst = 0, nodalFirst = 0;
  count = 0;
  LoadTextLines(LoadFileName(job, caseName), TextLines, 5000, count);
  if (int stop = DataFileStop(DataFileDamage(TextLines, count, LoadFileForm()), kStopBadLoadData)) return stop;
  ReadLoadData(TextLines, count > 2 ? count : 0, trapezoidalFirst, nodalFirst);

  m.elements = elements;
  m.nodes = elements + 1;
  m.above = ElementsAboveSoil();
  m.sheetPile = IsSheetPile();
  m.modulus = Geometry.modulus;
  if (!Finite(m.modulus)) return kStopSystemUnstable;
  if (m.modulus < 1.0E-7) m.modulus = 1.0E-10;  // given as zero
  const double poisson = Geometry.poisson;
  if (m.sheetPile && !(1 - poisson * poisson > 0)) return kStopSystemUnstable;
  m.length.assign(elements + 1, 0.0);
  m.width = m.inertia = m.soilWidth = m.length;
  m.depth.assign(m.nodes + 1, 0.0);
  for (int e = 1; e <= elements; ++e) {
    const double l = Geometry.rows(e, 1);
    const double b = m.sheetPile ? 1.0 : Geometry.rows(e, 2);
    double i = Geometry.rows(e, m.sheetPile ? 2 : 3);
    if (!(l > 0 && b >= 0 && i > 0) || !Finite(l) || !Finite(b) || !Finite(i)) return kStopSystemUnstable;
    // A sheet pile is a plate strip a metre wide: it bends with the plate stiffness.
    if (m.sheetPile) i /= 1 - poisson * poisson;
    m.length[e] = l;
    m.width[e] = b;
    m.soilWidth[e] = b;
    m.inertia[e] = i;
    m.depth[e + 1] = m.depth[e] + l;
  }
  m.embedded = m.depth[m.nodes] - m.depth[m.above + 1];
  if (m.sheetPile)
    for (int e = 1; e <= elements; ++e) m.width[e] = 20 * m.embedded;
  return kSolverDone;
}

int FormSoilMatrices(PileModel& m) {
  m.soilKind = NoSoil;
  m.moduli.Redim(m.elements, 4);
  if (SupportFlag(kWinklerSlot)) {  // Winkler soil wins over a half-space
    m.soilKind = WinklerSoil;
    for (int e = m.above + 1; e <= m.elements; ++e)
      for (int c = 1; c <= 4; ++c) {
        const double v = Supports.soil.Get(e, c);
        if (!Finite(v)) return kStopSystemUnstable;
        m.moduli(e, c) = v;
      }
    m.soil.Resize(m.nodes, 2);
    AddWinklerSoil(m, m.soil);
    return kSolverDone;
  }
  if (!SupportFlag(kHalfSpaceSlot)) return kSolverDone;
  m.soilKind = HalfSpaceSoil;
  double nu = ParseNumber(Supports.flags[kHalfSpacePoissonSlot]);
  if (!(nu >= 0 && nu <= 0.5)) nu = 0;
  m.soilPoisson = nu;
  m.soilModulus = ParseNumber(Supports.flags[kHalfSpaceModulusSlot]);
  m.yieldStress = ParseNumber(Supports.flags[kHalfSpaceYieldSlot]);
  // A half-space without stiffness holds nothing.
  if (!(m.soilModulus > 0) || !Finite(m.soilModulus) || !Finite(m.yieldStress)) return kStopSystemUnstable;
  if (m.yieldStress <= 0.01) YieldAnalysis = 0;
  m.area.assign(m.nodes + 1, 0.0);
  for (int e = m.above + 1; e <= m.elements; ++e) {
    const double part = m.length[e] * m.soilWidth[e] / 2;
    m.area[e] += part;
    m.area[e + 1] += part;
  }
  SoilMatrix flexibility;
  HalfSpaceSoilMatrix(flexibility, m, nu);
  const long double pi = 4 * std::atan(1.0L);
  const long double factor = 8 * pi * m.soilModulus * (1 - static_cast<long double>(nu)) / (1 + nu);
  if (!beamkernel::InvertSoilMatrix(flexibility, m.soil, factor)) return kStopSystemUnstable;
  return kSolverDone;
}

void AssembleSystem(PileModel& m) {
  m.equations = 2 * m.nodes;
  m.elementMatrix.Resize(m.equations, 4);
  for (int e = 1; e <= m.elements; ++e) {
    ElementMatrix k;
    beamkernel::ElementStiffness(k, m.length[e], m.inertia[e], m.modulus, kRotationSign);
    beamkernel::AddElementMatrix(m.elementMatrix, e, k);
  }
  m.topFixed = SupportFlag(kTopEdgeFixedSlot);
  m.fixedFreedoms.clear();
  if (m.topFixed) m.fixedFreedoms.push_back(2);
  m.supportNodes = SupportFlag(kUnyieldingSlot) ? UnyieldingNodeList(Supports.unyieldingNodes, m.nodes) : std::vector<int>();
  // A half-space couples every embedded translation with every other.
  if (m.soilKind == HalfSpaceSoil) {
    const int nS = m.nodes - m.above;
    beamkernel::AssembleHalfSpaceSystem(Structure(m), m.soil, m.above + 1,
                                        beamkernel::BorderedPositions(std::vector<int>(nS + 1, 0), nS), m.system,
                                        &m.effectiveSprings);
  } else {
    beamkernel::AssembleBandSystem(Structure(m), m.soilKind == WinklerSoil ? &m.soil : nullptr, m.system,
                                   &m.effectiveSprings);
  }
  const int nodeCount = static_cast<int>(m.supportNodes.size());
  m.otherwiseSupported = m.effectiveSprings >= 2 || nodeCount >= 2 || (m.effectiveSprings >= 1 && nodeCount >= 1);
}

void FormLoadVector(PileModel& m) {
  m.load.assign(m.equations + 1, 0.0);
  m.fixedEnd.Resize(m.elements);
  for (int e = 1; e <= m.elements; ++e) {
    const double pi = Loads.trapezoidal.Get(e, 1), pj = Loads.trapezoidal.Get(e, 2);
    if (pi != 0 || pj != 0)
      beamkernel::TrapezoidalLoadTerms(e, m.length[e], pi, pj, m.fixedEnd, m.load, kRotationSign);
  }
  for (int i = 1; i <= m.nodes; ++i) {
    m.load[2 * i - 1] += Loads.nodal.Get(i, 1);
    m.load[2 * i] += Loads.nodal.Get(i, 2);
  }
  m.keptLoad = m.load;
  m.keptFixedEnd = m.fixedEnd;
  beamkernel::ClearImposedLoads(Structure(m), m.load);
}

int SolveElastic(PileModel& m) {
  m.u = m.load;
  return beamkernel::SolveSymmetric(m.system, m.u) == beamkernel::SolveStatus::kSolved ? kSolverDone
                                                                                         : kStopSystemUnstable;
}

void SoilReactions(PileModel& m) {
  m.soilEnd.Resize(m.elements);
  if (m.soilKind == HalfSpaceSoil) {
    beamkernel::HalfSpaceReactions(beamkernel::HalfSpaceContactOf(m, Structure(m), m.above + 1, SoilAreas(m)), m.u,
                                   m.pressures, m.soilEnd);
    return;
  }
  m.pressures.assign(2 * m.nodes + 1, 0.0);
  if (m.soilKind != WinklerSoil) return;
  for (int e = m.above + 1; e <= m.elements; ++e) {
    m.pressures[2 * e - 1] = m.moduli(e, 1) * m.u[2 * e - 1];
    m.pressures[2 * e] = m.moduli(e, 2) * m.u[2 * e + 1];
  }
  double total = 0;
  beamkernel::WinklerReactions(m.u, m.elements, m.length, m.soilWidth, m.moduli, m.soilEnd, total);
  m.pressures[2 * m.nodes] = total;
}

void FormEndForces(PileModel& m) {
  m.endForces.Resize(m.elements);
  // A pile without bending stiffness carries no element forces.
  if (!(m.modulus > 1.0E-5)) return;
  for (int e = 1; e <= m.elements; ++e) {
    ElementMatrix k;
    beamkernel::ElementStiffness(k, m.length[e], m.inertia[e], m.modulus, kRotationSign);
    const double u[5] = {0.0, m.u[2 * e - 1], m.u[2 * e], m.u[2 * e + 1], m.u[2 * e + 2]};
    double f[5];
    beamkernel::ElementEndForces(k, u, f);
    for (int c = 1; c <= 4; ++c) {
      const double v = m.fixedEnd(e, c) + f[c];
      m.endForces(e, c) = std::fabs(v) < 1.0E-4 ? 0.0 : v;
    }
  }
}

int WriteResults(const PileModel& m, const std::string& job, const std::string& caseName) {
  const std::string header = Trim("Job: " + job + " //  Load Case: '" + Trim(caseName) + "'");
  if (!WriteResultsReport(m.soilKind, m.u, m.pressures, m.nodes + 1, m.depth, m.endForces, m.soilEnd, m.sheetPile, m.above,
                          ResultsFileName(job, caseName), header))
    return kStopReportNotWritten;
  return kSolverDone;
}

int AnalyseLoadCase() {
  PileModel m;
  return AnalyseLoadCase(m);
}

int AnalyseLoadCase(PileModel& m) { return AnalyseLoadCase(m, JobSpec, LoadCaseName); }

int AnalyseLoadCase(PileModel& m, const std::string& job, const std::string& caseName) {
  if (!Trim(caseName).empty()) DeleteIfExists(ResultsFileName(job, caseName));
  int code = ReadPileJob(m, job, caseName);
  if (code == kSolverDone) code = FormSoilMatrices(m);
  if (code != kSolverDone) return code;
  AssembleSystem(m);
  FormLoadVector(m);
  code = SolveElastic(m);
  if (code != kSolverDone) return code;
  SoilReactions(m);
  if (YieldAnalysis == 1 && m.soilKind != NoSoil) {
    code = YieldIteration(m);
    if (code != kSolverDone) return code;
  }
  FormEndForces(m);
  return WriteResults(m, job, caseName);
}

}  // namespace palvore
