#include "trabix/core/analysis.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/globals.h"
#include "core/jobdata.h"
#include "core/numbers.h"
#include "core/textfiles.h"
#include "trabix/core/globals.h"
#include "trabix/core/jobfiles.h"
#include "trabix/core/resultsreport.h"
#include "trabix/core/slots.h"

namespace trabix {

namespace {

const long double kPi = 4 * std::atan(1.0L);

bool IsYes(int item) { return SupportFlags.size() > static_cast<size_t>(item) && IsYesAnswer(SupportFlags[item]); }

// The table copied into rows 1..rows and columns 1..columns (row 0 and column 0 unused, as the
// globals keep them).
Table2D<double> Copy(const Table2D<double>& t, int rows, int columns) {
  Table2D<double> c;
  c.Redim(rows, columns);
  for (int i = 0; i <= rows; ++i)
    for (int j = 0; j <= columns; ++j) c(i, j) = t.Get(i, j);
  return c;
}

bool Finite(double v) { return std::isfinite(v); }

}  // namespace

namespace {

const SolverStopProfile& StopProfile() {
  static const SolverStopProfile profile{
      {kStopIterationUnstable, kStopLoadTooLarge, kStopBadJobData, kStopBadHalfSpace, kStopReportNotWritten,
       kStopBadSupportData, kStopBadLoadData, kStopValueTooLarge},
      false,
      {kStopSystemUnstable, kStopLoadTooLarge}};
  return profile;
}

}  // namespace

std::string SolverStopMessage(int code) { return ::SolverStopMessage(code, StopProfile()); }
std::vector<SolverTone> SolverStopTones(int code) { return ::SolverStopTones(code, StopProfile()); }
SolverWarningData SolverWarningFor(int code) { return ::SolverWarningFor(code, StopProfile()); }

int ReadBeamFiles() { return ReadBeamFiles(JobSpec, LoadCaseName); }

int ReadBeamFiles(const std::string& job, const std::string& caseName) {
  if (TextLines.size() < 5001) TextLines.resize(5001);
  if (Trim(caseName).empty()) return kSolverNoJob;
  int count = 0;
  LoadTextLines(GeometryFileName(job), TextLines, 5000, count);
  int dataLine = count > 0 ? ReadGeometryHeader(TextLines, count) : 0;
  if (dataLine == 0) return kSolverNoJob;
  int present = ReadElementTable(TextLines, count, dataLine);
  if (present < ElementCount()) return kStopBadJobData;
  if (int stop = DataFileStop(DataFileDamage(TextLines, count, GeometryFileForm()), kStopBadJobData)) return stop;

  if (StructureFlags.size() < 6) StructureFlags.resize(6);
  StructureFlags[kSymmetricLoadsSlot].clear();  // the load file says which loads a symmetric half carries
  int nodal = 0, trapezoidal = 0, temperature = 0;
  count = 0;
  LoadTextLines(LoadFileName(job, caseName), TextLines, 5000, count);
  if (int stop = DataFileStop(DataFileDamage(TextLines, count, LoadFileForm()), kStopBadLoadData)) return stop;
  ReadLoadData(TextLines, count, nodal, trapezoidal, temperature);
  count = 0;
  LoadTextLines(SupportFileName(job), TextLines, 5000, count);
  if (int stop = DataFileStop(DataFileDamage(TextLines, count, SupportFileForm()), kStopBadSupportData)) return stop;
  ReadSupportData(TextLines, count);
  return kSolverDone;
}

void ReadBeamData(BeamData& d) {
  const int elements = ElementCount(), nodes = elements + 1;
  auto value = [](int slot) { return GeometryValues.size() > static_cast<size_t>(slot) ? GeometryValues[slot] : 0.0; };
  d.strip = IsStrip();
  d.symmetric = IsSymmetricHalf();
  d.symmetricLoads = HasSymmetricLoads();
  d.stripWidth = value(kLengthSlot);
  d.modulus = value(kModulusSlot);
  d.poisson = value(kPoissonSlot);
  d.expansion = value(kExpansionSlot);
  d.elements = Copy(ElementTable, elements, 3);

  d.leftEdgeFixed = IsYes(kLeftEdgeFixedSlot);
  d.rightEdgeFixed = IsYes(kRightEdgeFixedSlot);
  d.unyielding = IsYes(kUnyieldingSlot);
  d.winkler = IsYes(kWinklerSlot);
  d.isotropicHalfSpace = IsYes(kIsotropicHalfSpaceSlot);
  d.halfSpace = d.isotropicHalfSpace || IsYes(kAnisotropicHalfSpaceSlot);
  d.unyieldingNodes = d.unyielding ? UnyieldingNodeList(UnyieldingNodes, nodes) : std::vector<int>();
  d.springs = Copy(SpringTable, nodes, 2);
  d.soil = Copy(SoilTable, elements, 4);
  d.halfSpaceAdmissible = true;
  d.halfSpaceModulus = 0;
  d.halfSpaceYield = 0;
  if (d.halfSpace && !d.winkler) {
    d.halfSpaceAdmissible = HalfSpaceSurfaceModulus(SupportFlags, d.isotropicHalfSpace, d.halfSpaceModulus);
    const int yield = d.isotropicHalfSpace ? kHalfSpaceYieldSlot : kVerticalYieldSlot;
    d.halfSpaceYield = ParseNumber(SupportFlags.size() > static_cast<size_t>(yield) ? SupportFlags[yield] : std::string());
  }

  d.uniformLoad = LoadValues.size() > kUniformLoadSlot ? LoadValues[kUniformLoadSlot] : 0.0;
  d.massDensity = LoadValues.size() > kMassDensitySlot ? LoadValues[kMassDensitySlot] : 0.0;
  d.trapezoidal = Copy(LoadTable, elements, 2);
  d.nodalLoads = Copy(NodalLoadTable, nodes, 2);
  d.temperatures = Copy(TemperatureTable, elements, 2);
  d.yieldAnalysis = YieldAnalysis;
}

int PrepareBeamModel(BeamModel& model) {
  if (ElementCount() < 1) return kStopBadJobData;
  ReadBeamData(model.data);
  return PrepareStructure(model);
}

int PrepareStructure(BeamModel& model) {
  BeamModel& m = model;
  const BeamData& d = m.data;
  const int elements = d.elements.Rows() - 1;
  if (elements < 1) return kStopBadJobData;
  m.elements = elements;
  m.nodes = elements + 1;
  m.strip = d.strip;
  m.symmetric = d.symmetric;
  m.symmetricLoads = m.symmetric && d.symmetricLoads;
  m.modulus = d.modulus;
  if (!Finite(m.modulus)) return kStopBadJobData;
  if (m.modulus < 1.0E-7) m.modulus = 1.0E-10;  // given as zero
  m.poisson = m.strip ? d.poisson : 0.0;
  m.expansion = d.expansion;
  if (!(1 - m.poisson * m.poisson > 0) || !Finite(m.expansion)) return kStopBadJobData;
  double stripWidth = d.stripWidth;
  m.length.assign(elements + 1, 0.0);
  m.width = m.inertia = m.depth = m.length;
  m.x.assign(m.nodes + 1, 0.0);
  for (int e = 1; e <= elements; ++e) {
    double l = d.elements.Get(e, 1), b, h;
    if (m.strip) {
      h = d.elements.Get(e, 2);
      b = (m.symmetric ? 40 : 20) * stripWidth;
      m.inertia[e] = h * h * h / (12 * (1 - m.poisson * m.poisson));
    } else {
      b = d.elements.Get(e, 2);
      h = d.elements.Get(e, 3);
      m.inertia[e] = b * h * h * h / 12;
    }
    if (!(l > 0 && b > 0 && h > 0) || !Finite(l) || !Finite(b) || !Finite(h)) return kStopBadJobData;
    m.length[e] = l;
    m.width[e] = b;
    m.depth[e] = h;
    m.x[e + 1] = m.x[e] + l;
  }
  return kSolverDone;
}

int FormSoilMatrices(BeamModel& m) {
  const int n = m.nodes;
  BeamData& d = m.data;
  m.soilKind = NoSoil;
  if (d.winkler) {
    m.soilKind = WinklerSoil;
    m.soil.Resize(n, 2);
    m.capacity = 0;
    m.capacityKnown = true;
    bool yields = false;
    for (int e = 1; e <= m.elements; ++e) {
      double w = m.strip ? 1.0 : m.width[e];
      double ki = d.soil.Get(e, 1), kj = d.soil.Get(e, 2), yi = d.soil.Get(e, 3), yj = d.soil.Get(e, 4);
      if (!Finite(ki) || !Finite(kj) || !Finite(yi) || !Finite(yj)) return kStopBadJobData;
      WinklerSoilMatrix(1, m.soil, e, m.length[e], w, ki, kj);
      WinklerSoilMatrix(2, m.soil, e, m.length[e], w, ki, kj);
      m.capacity += m.length[e] * (yi + yj) / 2 * w;
      // An end without a yield stress never yields: the soil there carries any load, so the
      // capacity of the whole foundation is unbounded.
      if (yi <= 0 || yj <= 0) m.capacityKnown = false;
      if (yi > 0.01 || yj > 0.01) yields = true;
    }
    if (!yields) d.yieldAnalysis = 0;  // no yield stress given: the soil stays elastic
    return m.modulus < 1.0E-7 ? kStopBadJobData : kSolverDone;
  }
  if (!d.halfSpace) {
    // Only a half-space carries a structure without bending stiffness (node by node); on springs
    // or a Winkler foundation its free ends would turn without limit.
    return m.modulus < 1.0E-7 ? kStopBadJobData : kSolverDone;
  }

  m.soilKind = HalfSpaceSoil;
  m.soilModulus = d.halfSpaceModulus;
  if (!d.halfSpaceAdmissible) return kStopBadHalfSpace;
  m.yieldStress = d.halfSpaceYield;
  if (!Finite(m.yieldStress)) return kStopBadHalfSpace;
  if (m.yieldStress <= 0.01) d.yieldAnalysis = 0;
  if (m.strip) {
    m.capacity = d.stripWidth * m.yieldStress;
  } else {
    m.capacity = 0;
    for (int e = 1; e <= m.elements; ++e) m.capacity += m.length[e] * m.width[e] * m.yieldStress;
  }
  int symmetry = m.symmetric ? (m.symmetricLoads ? 1 : -1) : 0;
  HalfSpaceFlexibility(m.flexibility, n, m.x, m.width, m.strip, symmetry);
  if (!HalfSpaceStiffness(m.flexibility, m.soil, kPi * m.soilModulus)) return kStopSystemUnstable;
  return kSolverDone;
}

beamkernel::BeamStructure Structure(const BeamModel& m) {
  beamkernel::BeamStructure s;
  s.nodes = m.nodes;
  s.elements = &m.elementMatrix;
  s.springs = &m.data.springs;
  s.fixedFreedoms = &m.fixedFreedoms;
  s.supportNodes = &m.supportNodes;
  return s;
}

void AssembleSystem(BeamModel& m) {
  const int n = m.nodes;
  m.equations = 2 * n;
  m.elementMatrix.Resize(m.equations, 4);  // a bending matrix couples a freedom with the next three
  for (int e = 1; e <= m.elements; ++e) {
    ElementMatrix k;
    ElementStiffness(k, m.length[e], m.inertia[e], m.modulus);
    AddElementMatrix(m.elementMatrix, e, k);
  }

  m.fixedFreedoms.clear();
  m.supportNodes = m.data.unyielding ? m.data.unyieldingNodes : std::vector<int>();
  if (m.data.leftEdgeFixed) m.fixedFreedoms.push_back(2);
  if (m.symmetric) {
    // The last node lies on the axis: symmetric loads turn no section there, antisymmetric
    // ones move none.
    if (m.symmetricLoads) m.fixedFreedoms.push_back(2 * n);
    else if (std::find(m.supportNodes.begin(), m.supportNodes.end(), n) == m.supportNodes.end()) m.supportNodes.push_back(n);
  } else if (m.data.rightEdgeFixed) {
    m.fixedFreedoms.push_back(2 * n);
  }
  if (m.soilKind == HalfSpaceSoil)
    beamkernel::AssembleHalfSpaceSystem(Structure(m), m.soil, 1, beamkernel::BorderedPositions(std::vector<int>(n + 1, 0), n),
                                        m.system, &m.effectiveSprings);
  else
    beamkernel::AssembleBandSystem(Structure(m), m.soilKind == WinklerSoil ? &m.soil : nullptr, m.system,
                                   &m.effectiveSprings);
  int nodeCount = static_cast<int>(m.supportNodes.size());
  m.otherwiseSupported = m.effectiveSprings >= 2 || nodeCount >= 2 || (m.effectiveSprings >= 1 && nodeCount >= 1);
}

void FormLoadVector(BeamModel& m) {
  const int n = m.nodes;
  m.load.assign(m.equations + 1, 0.0);
  m.fixedEnd.Resize(m.elements);
  const BeamData& d = m.data;
  double uniform = d.uniformLoad, density = d.massDensity;
  for (int e = 1; e <= m.elements; ++e) {
    // Self weight [kN/m]: mass density x g over the cross-section (a strip per metre).
    double self = density > 0 ? density * 9.81 / 1000 * (m.strip ? m.depth[e] : m.width[e] * m.depth[e]) : 0.0;
    double pi = d.trapezoidal.Get(e, 1) + uniform + self, pj = d.trapezoidal.Get(e, 2) + uniform + self;
    if (pi != 0 || pj != 0) TrapezoidalLoadTerms(e, m.length[e], pi, pj, m.fixedEnd, m.load);
  }
  for (int i = 1; i <= n; ++i) {
    m.load[2 * i - 1] += d.nodalLoads.Get(i, 1);
    m.load[2 * i] += d.nodalLoads.Get(i, 2);
  }
  for (int e = 1; e <= m.elements; ++e) {
    double change = d.temperatures.Get(e, 2) - d.temperatures.Get(e, 1);  // below minus above
    if (change == 0) continue;
    // Warmer below: the element would sag freely; held at both ends it hogs by M_T.
    double mt = m.modulus * m.inertia[e] * (1 + m.poisson) * m.expansion * change / m.depth[e];
    m.fixedEnd(e, 2) -= mt;
    m.fixedEnd(e, 4) += mt;
    if (m.strip) {
      m.fixedEnd(e, 5) -= mt;
      m.fixedEnd(e, 6) += mt;
    }
    m.load[2 * e] += mt;
    m.load[2 * e + 2] -= mt;
  }
  m.keptLoad = m.load;
  m.keptFixedEnd = m.fixedEnd;
  beamkernel::ClearImposedLoads(Structure(m), m.load);
}

int SolveElastic(BeamModel& m) {
  const int n = m.nodes;
  m.zeroModulus = m.soilKind == HalfSpaceSoil && m.modulus <= 1.1E-10;
  if (!m.zeroModulus) {
    m.u = m.load;
    return beamkernel::SolveSymmetric(m.system, m.u) == beamkernel::SolveStatus::kSolved ? kSolverDone
                                                                                           : kStopSystemUnstable;
  }
  // Without bending stiffness every node settles as the soil surface does under the loads.
  m.u.assign(m.equations + 1, 0.0);
  long double scale = kPi * m.soilModulus;
  for (int i = 1; i <= n; ++i) {
    long double w = 0;
    for (int j = 1; j <= n; ++j) w += m.flexibility(i, j) * m.keptLoad[2 * j - 1];
    m.u[2 * i - 1] = static_cast<double>(w / scale);
  }
  auto fixed = [&m](int r) { return std::find(m.fixedFreedoms.begin(), m.fixedFreedoms.end(), r) != m.fixedFreedoms.end(); };
  auto w = [&m](int i) { return m.u[2 * i - 1]; };
  for (int i = 2; i <= n - 1; ++i) {
    double ll = m.length[i - 1], lr = m.length[i];
    m.u[2 * i] = (w(i + 1) * ll * ll - w(i - 1) * lr * lr + w(i) * (lr * lr - ll * ll)) / (ll * lr * (ll + lr));
  }
  m.u[2] = fixed(2) ? 0.0 : (w(2) - w(1)) / m.length[1];
  m.u[2 * n] = fixed(2 * n) ? 0.0 : (w(n) - w(n - 1)) / m.length[n - 1];
  return kSolverDone;
}

namespace {

// The width of an element's soil terms: a strip is taken per metre of its length.
Vector SoilWidths(const BeamModel& m) {
  Vector w(m.elements + 1, 1.0);
  for (int e = 1; e <= m.elements; ++e) w[e] = m.strip ? 1.0 : m.width[e];
  return w;
}

// Per element the area L_e w_e / 2 that each of its ends carries on the soil.
Vector SoilAreas(const BeamModel& m) {
  const Vector w = SoilWidths(m);
  Vector part(m.nodes + 1, 0.0);
  for (int e = 1; e <= m.elements; ++e) part[e] = m.length[e] * w[e] / 2;
  return part;
}

}  // namespace

void SoilReactions(BeamModel& m) {
  const int n = m.nodes;
  m.soilEnd.Resize(m.elements);
  if (m.soilKind == HalfSpaceSoil) {
    beamkernel::HalfSpaceReactions(beamkernel::HalfSpaceContactOf(m, Structure(m), 1, SoilAreas(m)), m.u, m.pressures,
                                   m.soilEnd);
  } else if (m.soilKind == WinklerSoil) {
    double total = 0;
    WinklerReactions(m.u, m.elements, m.length, SoilWidths(m), m.data.soil, m.soilEnd, total);
    m.pressures.assign(2 * n + 1, 0.0);
    for (int e = 1; e <= m.elements; ++e) {
      m.pressures[2 * e - 1] = m.data.soil.Get(e, 1) * m.u[2 * e - 1];
      m.pressures[2 * e] = m.data.soil.Get(e, 2) * m.u[2 * e + 1];
    }
    m.pressures[2 * n] = total;
  } else {
    m.pressures.clear();
  }
}

void FormEndForces(BeamModel& m) {
  m.endForces.Resize(m.elements);
  for (int e = 1; e <= m.elements; ++e) {
    for (int c = 1; c <= 6; ++c) m.endForces(e, c) = m.fixedEnd(e, c);
    if (m.zeroModulus) {
      // No bending stiffness: no moments, only the element's own load and its soil.
      m.endForces(e, 2) = m.endForces(e, 4) = m.endForces(e, 5) = m.endForces(e, 6) = 0.0;
      continue;
    }
    if (m.modulus > 1.0E-5) {
      ElementMatrix k;
      ElementStiffness(k, m.length[e], m.inertia[e], m.modulus);
      double u[5] = {0.0, m.u[2 * e - 1], m.u[2 * e], m.u[2 * e + 1], m.u[2 * e + 2]}, f[5];
      ElementEndForces(k, u, f);
      for (int c = 1; c <= 4; ++c) m.endForces(e, c) += f[c];
    }
    if (m.strip) {
      // Held along its length, the strip bends there by nu times its whole width moment, load
      // terms included; only the thermal moment (the length columns' fixed-end part, which the
      // width columns carry too) is held there in full.
      for (int end : {0, 1}) {
        double thermal = m.fixedEnd(e, 5 + end), width = m.endForces(e, 2 + 2 * end);
        m.endForces(e, 5 + end) = m.poisson * (width - thermal) + thermal;
      }
    }
    for (int c = 1; c <= 6; ++c)
      if (std::fabs(m.endForces(e, c)) < 1.0E-4) m.endForces(e, c) = 0.0;
  }
}

namespace {

// Half-space: every node is a contact node; the yield force of a node is its yield pressure over
// the node's own contact area, the same area that turns its soil reaction into a pressure.
int HalfSpaceYieldIteration(BeamModel& m) {
  return beamkernel::HalfSpaceYieldIterationOf(m, Structure(m), 1, SoilAreas(m), &m.surface);
}

// Winkler foundation: each element half yields on its own.
int WinklerYieldIteration(BeamModel& m) {
  return beamkernel::WinklerYieldIterationOf(m, Structure(m), 1, SoilWidths(m), m.data.soil, kRotationSign);
}

}  // namespace

int YieldIteration(BeamModel& m) {
  m.yieldPasses = 0;
  if (m.soilKind == HalfSpaceSoil) {
    // Without bending stiffness every node carries its own load: there is nothing to
    // redistribute, and the bordered system would be held by the 1E-10 modulus alone.
    if (m.zeroModulus) return kSolverDone;
    return HalfSpaceYieldIteration(m);
  }
  if (m.soilKind == WinklerSoil) return WinklerYieldIteration(m);
  return kSolverDone;
}

int AnalyseLoadCase() {
  BeamModel m;
  return AnalyseLoadCase(m);
}

int ReadBeamJob(BeamModel& model) {
  int code = ReadBeamFiles();
  return code == kSolverDone ? PrepareBeamModel(model) : code;
}

int AnalyseLoadCase(BeamModel& m) { return AnalyseJobCase(m, JobSpec, LoadCaseName, YieldAnalysis); }

int AnalyseJobCase(BeamModel& m, const std::string& job, const std::string& caseName, int mode) {
  if (!Trim(caseName).empty()) DeleteIfExists(ResultsFileName(job, caseName));
  int code = ReadBeamFiles(job, caseName);
  if (code == kSolverDone) code = PrepareBeamModel(m);
  if (code != kSolverDone) return code;
  m.data.yieldAnalysis = mode;
  return AnalysePreparedBeam(m, job, caseName);
}

int AnalyseBeamData(BeamModel& m, const std::string& job, const std::string& caseName) {
  int code = PrepareStructure(m);
  return code == kSolverDone ? AnalysePreparedBeam(m, job, caseName) : code;
}

int AnalysePreparedBeam(BeamModel& m, const std::string& job, const std::string& caseName) {
  int code = FormSoilMatrices(m);
  if (code != kSolverDone) return code;
  AssembleSystem(m);
  FormLoadVector(m);
  code = SolveElastic(m);
  if (code != kSolverDone) return code;
  SoilReactions(m);
  if (m.data.yieldAnalysis == 1 && m.soilKind != NoSoil) {
    double total = m.soilKind == HalfSpaceSoil ? m.pressures[m.nodes + 1] : m.pressures[2 * m.nodes];
    if (m.capacityKnown && 1.1 * total > m.capacity) return kStopLoadTooLarge;
    code = YieldIteration(m);
    if (code != kSolverDone) return code;
  }
  FormEndForces(m);
  std::string header = "Job: " + job + " //  Load Case: '" + Trim(caseName) + "'";
  if (!WriteResultsReport(m.soilKind, m.u, m.pressures, m.nodes, m.x, m.endForces, m.soilEnd, m.strip,
                          ResultsFileName(job, caseName), header))
    return kStopReportNotWritten;
  return kSolverDone;
}

}  // namespace trabix
