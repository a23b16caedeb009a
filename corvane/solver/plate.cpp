#include "corvane/solver/plate.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/globals.h"
#include "core/numbers.h"
#include "corvane/core/checks.h"
#include "corvane/core/globals.h"
#include "corvane/core/slots.h"
#include "corvane/solver/halfspace.h"
#include "corvane/solver/solver.h"
#include "corvane/solver/system.h"
#include "trabix/core/analysis.h"
#include "core/reporttext.h"
#include "trabix/core/resultsreport.h"
#include "trabix/core/soilmodels.h"

namespace corvane {

namespace {

const double kTwoPi = 8 * std::atan(1.0);

bool Finite(double v) { return std::isfinite(v); }


}  // namespace

int PreparePlateModel(PlateModel& m, std::string& detail) {
  return PreparePlate(m, detail, JobDataTable.Get(1, 2), JobDataTable.Get(1, 4), JobDataTable.Get(1, 5), false);
}

int PreparePlate(PlateModel& m, std::string& detail, double inner, double modulus, double nu, bool basePlate) {
  const int n = ElementCount(1);
  if (n < 1) return kStopBadJobData;
  if (!Finite(inner) || !(modulus > 0) || !Finite(modulus) || !Finite(nu) || !(1 - nu * nu > 0))
    return kStopBadJobData;
  m = PlateModel();
  m.elements = n;
  m.nodes = n + 1;
  m.solid = inner < 0.0001;
  m.element.assign(n + 1, ShellElement());
  m.radius.assign(n + 2, 0.0);
  m.radius[1] = m.solid ? 0.0 : inner;
  for (int e = 1; e <= n; ++e) {
    double width = WorkTables[1].Get(e, 1), t = WorkTables[1].Get(e, 2);
    if (!(width > 0) || !(t > 0) || !Finite(width) || !Finite(t)) return kStopBadJobData;
    m.radius[e + 1] = m.radius[e] + width;
    ShellElement& el = m.element[e];
    el.ri = m.radius[e];
    el.rj = m.radius[e + 1];
    el.thickness = t;
    el.modulus = modulus;
    el.poisson = nu;
  }

  // Supports.
  auto yes = [](int item) { return IsYes(AnswerAt(SupportFlags, item)); };
  if (yes(kUnyieldingSlot)) {
    for (double entry : AcceptedUnyieldingNodes(UnyieldingNodes, 1 << 30)) {
      if (!(entry <= m.nodes)) {
        // A list stored before the elements were reduced: never a node the plate lacks.
        detail = kUnyieldingUnacceptableMessage;
        return kAnalysisDataRefused;
      }
      int node = static_cast<int>(entry);
      if (std::find(m.unyielding.begin(), m.unyielding.end(), node) == m.unyielding.end()) m.unyielding.push_back(node);
    }
  }
  m.spring.assign(m.nodes + 1, 0.0);
  if (yes(kElasticSupportsSlot))
    for (int i = 1; i <= m.nodes; ++i) m.spring[i] = ElasticSupportTable.Get(i, 1);
  m.winkler = yes(kWinklerSlot);
  if (m.winkler)
    for (int e = 1; e <= n; ++e) {
      m.element[e].soilI = WinklerTable.Get(e, 1);
      m.element[e].soilJ = WinklerTable.Get(e, 2);
    }
  // A Winkler foundation answered beside a half-space is the soil taken (as Trabix takes it).
  m.halfSpace = !m.winkler && (yes(kIsotropicHalfSpaceSlot) || yes(kAnisotropicHalfSpaceSlot));
  if (m.halfSpace) {
    // A tank keeps its base plate's half-space values in items 15 to 19, the other structures in
    // items 8 to 12.
    std::vector<std::string> constants;
    for (int k = 0; k < 5; ++k) constants.push_back(AnswerAt(SupportFlags, (basePlate ? kBaseModulusSlot : kHalfSpaceModulusSlot) + k));
    long double surface = 0;
    if (!trabix::HalfSpaceConstantsModulus(constants, yes(kIsotropicHalfSpaceSlot), surface)) return kStopBadHalfSpace;
    ContactAnnuli(m.radius, m.nodes, m.annulusInner, m.annulusOuter);
    if (!HalfSpaceStiffness(m.radius, m.nodes, static_cast<double>(surface), m.soilStiffness)) return kStopBadHalfSpace;
  }
  // The file asks for the inner edge of an annular plate and for the edge of a solid one (and of
  // a tank's base plate, whose answer 7 is the wall's soil).
  if (yes(kEdgeFixedSlot)) (inner > 0 && !basePlate ? m.fixInner : m.fixOuter) = true;
  if (yes(kOuterEdgeFixedSlot) && !basePlate) m.fixOuter = true;

  // Loads.
  // Temperatures (group 9) and strains (group 6), above and below: the top is the negative face.
  const double alpha = JobDataTable.Get(1, basePlate ? 5 : 6);
  if (!Finite(alpha)) return kStopBadJobData;
  m.freeStrain.assign(n + 1, FreeStrain());
  for (int e = 1; e <= n; ++e) {
    m.freeStrain[e] = FaceStrains(alpha, LoadTable.Get(9, 1), LoadTable.Get(9, 2), LoadTable.Get(6, 1),
                                  LoadTable.Get(6, 2), m.element[e].thickness);
    if (!Finite(m.freeStrain[e].strain) || !Finite(m.freeStrain[e].curvature)) return kStopBadJobData;
  }
  if (!m.solid && std::fabs(LoadTable.Get(5, 1)) > 0.00001) {
    detail = " A CENTRAL POINT LOAD NEEDS A SOLID PLATE";
    return kAnalysisDataRefused;
  }
  const double uniform = LoadTable.Get(1, 1), density = LoadTable.Get(1, 2);
  m.pressureI.assign(n + 1, 0.0);
  m.pressureJ.assign(n + 1, 0.0);
  for (int e = 1; e <= n; ++e) {
    double self = density > 0 ? density * 9.81 * m.element[e].thickness / 1000 : 0.0;
    m.pressureI[e] = uniform + self + TrapezoidalLoadTable.Get(e, 1);
    m.pressureJ[e] = uniform + self + TrapezoidalLoadTable.Get(e, 2);
  }
  m.ringForce.assign(m.nodes + 1, 0.0);
  m.ringMoment.assign(m.nodes + 1, 0.0);
  for (int i = 1; i <= m.nodes; ++i) {
    m.ringForce[i] = NodalLoadTable.Get(i, 1);
    m.ringMoment[i] = NodalLoadTable.Get(i, 2);
  }
  for (int i = 1; i <= m.nodes; ++i)
    if (!Finite(m.ringForce[i]) || !Finite(m.ringMoment[i]) || !Finite(m.spring[i])) return kStopBadJobData;
  for (int e = 1; e <= n; ++e)
    if (!Finite(m.pressureI[e]) || !Finite(m.pressureJ[e]) || !Finite(m.element[e].soilI) ||
        !Finite(m.element[e].soilJ))
      return kStopBadJobData;
  return trabix::kSolverDone;
}

int AnalysePlate(PlateModel& m) {
  ShellSystem s;
  s.Size(m.nodes, m.elements);
  for (int e = 1; e <= m.elements; ++e) {
    s.element[e] = m.element[e];
    s.ends[e] = {e, e + 1};
  }
  // Held freedoms have no equation: every radial translation (no in-plane question), the
  // unyielding nodes, the held edge rotations and the rotation at a solid plate's centre.
  for (int i = 1; i <= m.nodes; ++i) {
    bool held = std::find(m.unyielding.begin(), m.unyielding.end(), i) != m.unyielding.end();
    if (!held) s.Free(FreedomV(i));
    bool fixed = (i == 1 && (m.fixInner || m.solid)) || (i == m.nodes && m.fixOuter);
    if (!fixed) s.Free(FreedomTheta(i));
  }
  AddPlateLoads(m, s);
  if (!s.Solve()) return kStopSystemUnstable;
  FormPlateRows(s, m);
  return trabix::kSolverDone;
}

void AddPlateLoads(const PlateModel& m, ShellSystem& s, int nodeBase, int elementBase) {
  if (m.halfSpace) {
    s.blockFreedom.clear();
    for (int i = 1; i <= m.nodes; ++i) s.blockFreedom.push_back(FreedomV(nodeBase + i));
    s.block = m.soilStiffness;
  }
  for (int e = 1; e <= m.elements; ++e) {
    ShellLoadTerms(m.element[e], m.pressureI[e], m.pressureJ[e], 0, 0, s.elementLoad[elementBase + e]);
    const FreeStrain& f = m.freeStrain[e];
    ShellStrainTerms(m.element[e], f.strain, f.strain, f.curvature, f.curvature, s.initialForce[elementBase + e]);
  }
  for (int i = 1; i <= m.nodes; ++i) {
    // At a solid plate's centre the row is a point: its spring and load act once, not per
    // unit of a circumference (the factor 2 pi of the whole circle is dropped throughout).
    const bool centre = m.solid && i == 1;
    const double perRing = centre ? 1 / kTwoPi : m.radius[i];
    const int n = nodeBase + i;
    s.spring[FreedomV(n)] += m.spring[i] * perRing;
    s.nodeLoad[FreedomV(n)] += m.ringForce[i] * perRing;
    if (!centre) s.nodeLoad[FreedomTheta(n)] += m.ringMoment[i] * m.radius[i];
  }
}

void FormPlateRows(const ShellSystem& s, PlateModel& m, int nodeBase, int elementBase) {
  m.u.assign(3 * m.nodes + 1, 0.0);
  for (int f = 1; f <= 3 * m.nodes; ++f) m.u[f] = s.u[3 * nodeBase + f];
  m.rows.assign(m.nodes + 1, PlateModel::Row());
  m.totalReaction = 0;
  for (int e = 1; e <= m.elements; ++e)
    m.totalReaction += (s.soilForce[elementBase + e][1] + s.soilForce[elementBase + e][4]) * kTwoPi;
  // The half-space: a node's pressure is its soil force over its annulus; each element carries
  // the pressures over the halves of its end nodes' annuli in its end forces.
  std::vector<double> contact(m.nodes + 1, 0.0);
  std::vector<ElementVector> endForce(s.endForce.begin() + elementBase, s.endForce.begin() + elementBase + m.elements + 1);
  std::vector<ElementVector> displacement(s.displacement.begin() + elementBase,
                                          s.displacement.begin() + elementBase + m.elements + 1);
  if (m.halfSpace) {
    for (int i = 1; i <= m.nodes; ++i) {
      const double a = m.annulusInner[i], b = m.annulusOuter[i];
      const double force = s.blockForce[i - 1];
      m.totalReaction += force * kTwoPi;
      contact[i] = b > a ? force / ((b * b - a * a) / 2) : 0.0;
    }
    for (int e = 1; e <= m.elements; ++e) {
      const double ri = m.radius[e], rj = m.radius[e + 1], middle = m.annulusOuter[e];
      endForce[e][1] += contact[e] * (middle * middle - ri * ri) / 2;
      endForce[e][4] += contact[e + 1] * (rj * rj - middle * middle) / 2;
    }
  }
  for (int i = 1; i <= m.nodes; ++i) {
    PlateModel::Row& row = m.rows[i];
    const int e = i == 1 ? 1 : i - 1;  // the element before the node (node 1: element 1)
    const ShellElement& el = m.element[e];
    const double r = m.radius[i], d = BendingRigidity(el), nu = el.poisson;
    const double stretch = el.modulus * el.thickness;  // E t
    const FreeStrain& free = m.freeStrain[e];
    row.translation = m.u[FreedomV(i)] * 1000;
    row.slope = m.u[FreedomTheta(i)];
    row.radialTranslation = m.u[FreedomU(i)] * 1000;
    if (i == 1 && m.solid) {
      // The centre: both moments from element 1's curvature, both in-plane forces from its
      // strain; the shear is infinite under a net point force and 0 otherwise.
      row.radial = row.hoop = d * (1 + nu) * (MeridionalCurvatureAtI(el, displacement[1]) - free.curvature);
      const double strain = (displacement[1][3] - displacement[1][0]) / MeridianLength(el);
      row.radialForce = row.hoopForce = stretch / (1 - nu * nu) * (1 + nu) * (strain - free.strain);
      row.infinite = std::fabs(endForce[1][1] * kTwoPi) > 1.0E-6;
    } else {
      SectionForces f = SectionAtEnd(el, endForce[e], i > 1);
      row.shear = f.q;
      row.radial = f.m;
      row.hoop = nu * row.radial + d * (1 - nu * nu) * (-row.slope / r - free.curvature);
      row.radialForce = f.n;
      row.hoopForce = nu * f.n + stretch * (m.u[FreedomU(i)] / r - free.strain);
    }
    const double t = el.thickness;
    row.radialStress = 6 * row.radial / (t * t) / 1000;
    row.hoopStress = 6 * row.hoop / (t * t) / 1000;
    if (m.winkler) row.pressure = (i == 1 ? el.soilI : el.soilJ) * m.u[FreedomV(i)];
    if (m.halfSpace) row.pressure = contact[i];
  }
}

// A value of the result tables, right-aligned in a field of 15: the fixed mask from 0.1 to
// 10000, the exponent mask otherwise (always for slopes); below 1.0E-9 a clean 0.
std::string ResultValue(double v, bool exponent) {
  if (!Finite(v) || std::fabs(v) < 1.0E-9) v = 0;
  const double a = std::fabs(v);
  bool fixed = !exponent && (a == 0 || (a >= 0.1 && a <= 10000));
  return FitField(FormatNumber(v, fixed ? "##########0.000" : "#.0000E+##"), 15);
}

std::string ResultAbscissa(double r) {
  if (!Finite(r) || std::fabs(r) < 1.0E-9) r = 0;
  return FitField(FormatNumber(r, "###0.0000"), 9);
}

std::string ResultHeadings(const std::vector<std::string>& words) {
  std::string line = FitField(words[0], 9);
  for (size_t k = 1; k < words.size(); ++k) line += FitField(words[k], 15);
  return line;
}

std::string TotalReactionLine(double total) {
  // A total keeps its decimals however large it is.
  if (!Finite(total) || std::fabs(total) < 1.0E-9) total = 0;
  bool fixed = total == 0 || std::fabs(total) >= 0.1;
  return "TOTAL REACTION FROM ELASTIC FOUNDATION: " + LTrim(FormatNumber(total, fixed ? "##########0.000" : "#.0000E+##")) +
         " [kN]";
}

TextLineArray PlateResultsLines(const PlateModel& m, const std::string& header, int& count) {
  return PlateResultsLines(m, header, false, false, count);
}

TextLineArray PlateResultsLines(const PlateModel& m, const std::string& header, bool basePlate, bool inPlane,
                                int& count) {
  return PlateResultsLines(m, header, basePlate ? "BASE PLATE" : "CIRCULAR PLATE", basePlate, inPlane, count);
}

TextLineArray PlateResultsLines(const PlateModel& m, const std::string& header, const std::string& title,
                                bool stressHigher, bool inPlane, int& count) {
  TextLineArray lines(1);
  auto add = [&lines](const std::string& text) { lines.push_back(text); };
  AddReportOpening(lines, header);
  const bool roof = title == "ROOF";
  add(title);
  add(std::string(title.size(), '^'));
  add(ResultHeadings({"Radius", "Slope", "Vert.Transl.", "Shear Force", "Radial B.M.", "Circumf. B.M."}));
  add(ResultHeadings({"[m]", "[rad]", "[mm]", "[kN/m]", "[kN*m/m]", "[kN*m/m]"}));
  for (int i = 1; i <= m.nodes; ++i) {
    const PlateModel::Row& row = m.rows[i];
    std::string shear = row.infinite ? FitField("***INFINITY***", 15) : ResultValue(row.shear);
    add(ResultAbscissa(m.radius[i]) + ResultValue(row.slope, true) + ResultValue(row.translation) + shear +
        ResultValue(row.radial) + ResultValue(row.hoop));
  }
  add("");
  // Eight remark lines, none of which reads as a number (the tables end at such lines).
  add("**REMARKS:");
  add("   Vertical Translation is POSITIVE if DOWNWARD");
  add("   Slope (Angle of Rotation) is POSITIVE if CLOCKWISE, Radius to the Right");
  add("   POSITIVE MOMENTS PRODUCE TENSION IN BOTTOM FIBRES");
  add("   Shear Force and Moments per Metre of Nodal Line; Q = dMr/dr + (Mr - Mc)/r");
  add("   Values of a Node are those of the Element before it (Node 1: Element 1)");
  add("   Bending Stresses in BOTTOM FIBRES (6 M / t^2), POSITIVE in TENSION");
  const bool soil = m.winkler || m.halfSpace;
  add(m.winkler     ? "   WINKLER FOUNDATION: Contact Pressure is POSITIVE in COMPRESSION"
      : m.halfSpace ? "   ELASTIC HALF-SPACE: Contact Pressure is POSITIVE in COMPRESSION"
      : roof        ? "   The ROOF is carried by the WALL TOP alone"
                    : "   NO SOIL: Nodal Supports only");
  add(std::string(75, '-'));
  if (!stressHigher) add("");  // a base plate's and a roof's stress table stands one line higher
  if (soil) {
    add(ResultHeadings({"Radius", "Radial Stress", "Circ. Stress", "Contact Press."}));
    add(ResultHeadings({"[m]", "[MPa]", "[MPa]", "[kPa]"}));
  } else {
    add(ResultHeadings({"Radius", "Radial Stress", "Circ. Stress"}));
    add(ResultHeadings({"[m]", "[MPa]", "[MPa]"}));
  }
  for (int i = 1; i <= m.nodes; ++i) {
    const PlateModel::Row& row = m.rows[i];
    std::string line = ResultAbscissa(m.radius[i]) + ResultValue(row.radialStress) + ResultValue(row.hoopStress);
    if (soil) line += ResultValue(row.pressure);
    add(line);
  }
  add("");
  if (soil) add(TotalReactionLine(m.totalReaction));
  if (inPlane) {
    add(std::string("IN-PLANE DEFORMATION OF THE ") + (roof ? "ROOF" : "BASE PLATE") + " (Forces POSITIVE in TENSION):");
    add(std::string(75, '-'));
    add("");
    add(ResultHeadings({"Radius", "Radial Transl.", "Radial Force", "Circ. Force"}));
    add(ResultHeadings({"[m]", "[mm]", "[kN/m]", "[kN/m]"}));
    for (int i = 1; i <= m.nodes; ++i) {
      const PlateModel::Row& row = m.rows[i];
      add(ResultAbscissa(m.radius[i]) + ResultValue(row.radialTranslation) + ResultValue(row.radialForce) +
          ResultValue(row.hoopForce));
    }
    add("");
  }
  count = static_cast<int>(lines.size()) - 1;
  return lines;
}

}  // namespace corvane
