#include "corvane/solver/roof.h"

#include <algorithm>
#include <cmath>

#include "core/globals.h"
#include "core/numbers.h"
#include "core/reporttext.h"
#include "core/solverstops.h"
#include "corvane/core/checks.h"
#include "corvane/core/globals.h"
#include "corvane/core/slots.h"
#include "corvane/solver/solver.h"
#include "corvane/solver/system.h"
#include "trabix/core/analysis.h"

namespace corvane {

namespace {

const double kTwoPi = 8 * std::atan(1.0);
const double kGravity = 9.81;
bool Finite(double v) { return std::isfinite(v); }

}  // namespace

bool RoofRotationHeld(const RoofModel& r, int k) {
  return (k == 1 && r.closed) || (k == r.nodes && r.fixEdge) || (k == 1 && !r.closed && r.fixInner);
}

int PrepareRoof(RoofModel& r, double wallRadius, double wallTop, std::string& detail) {
  r = RoofModel();
  const int n = ElementCount(3);
  if (n < 1) return kStopBadJobData;
  r.elements = n;
  r.nodes = n + 1;
  r.shell = IsYes(AnswerAt(GeometryAnswers, kShellRoofSlot));
  r.inPlane = r.shell || IsYes(AnswerAt(GeometryAnswers, kRoofInPlaneSlot));
  const double inner = JobDataTable.Get(3, 2), modulus = JobDataTable.Get(3, 4), nu = JobDataTable.Get(3, 5);
  const double alpha = JobDataTable.Get(3, 6);
  if (!Finite(inner) || inner < 0 || !(modulus > 0) || !Finite(modulus) || !Finite(nu) || !(1 - nu * nu > 0) ||
      !Finite(alpha))
    return kStopBadJobData;
  r.closed = inner < 0.0001;
  r.element.assign(n + 1, ShellElement());
  r.radius.assign(n + 2, 0.0);
  r.z.assign(n + 2, 0.0);
  r.radius[1] = r.closed ? 0.0 : inner;
  for (int e = 1; e <= n; ++e) {
    // A shell's element runs x outward and falls by z; a flat roof's is horizontal.
    const double x = WorkTables[3].Get(e, 1), fall = r.shell ? WorkTables[3].Get(e, 2) : 0.0;
    const double t = WorkTables[3].Get(e, r.shell ? 3 : 2);
    if (!Finite(x) || !Finite(fall) || !Finite(t) || !(t > 0) || x < 0 || !(x > 0 || fall != 0))
      return kStopBadJobData;
    r.radius[e + 1] = r.radius[e] + x;
    r.z[e + 1] = r.z[e] - fall;
    if (!(r.radius[e + 1] > 0)) return kStopBadJobData;
  }
  for (int i = 1; i <= r.nodes && !r.junction; ++i)
    if (std::fabs(r.radius[i] - wallRadius) <= 0.005) r.junction = i;
  if (r.junction == 0) {
    detail = GeometryCheckMessage(6, 3);
    return kAnalysisDataRefused;
  }

  // The joint: answer 11 the connection, 12 the roof's middle surface on the wall top or the
  // roof resting on it (its middle surface half the thickness higher).
  auto flag = [](int item) { return Trim(AnswerAt(SupportFlags, item)); };
  r.connection = flag(11) == "M" ? 'M' : flag(11) == "H" ? 'H' : 'S';
  const int atJoint = std::max(1, r.junction - 1);
  const double thicknessAt = WorkTables[3].Get(atJoint, r.shell ? 3 : 2);
  r.offset = IsYes(flag(12)) ? 0.0 : thicknessAt / 2;
  r.fixEdge = IsYes(flag(13));
  r.fixInner = !r.closed && IsYes(flag(14));
  const double lift = wallTop + r.offset - r.z[r.junction];
  for (int i = 1; i <= r.nodes; ++i) r.z[i] += lift;
  for (int e = 1; e <= n; ++e) {
    ShellElement& el = r.element[e];
    el.ri = r.radius[e];
    el.rj = r.radius[e + 1];
    el.zi = r.z[e];
    el.zj = r.z[e + 1];
    el.thickness = WorkTables[3].Get(e, r.shell ? 3 : 2);
    el.modulus = modulus;
    el.poisson = nu;
  }

  // Loads. Temperatures (group 12) and strains (group 8) above and below: the top the negative face.
  r.freeStrain.assign(n + 1, FreeStrain());
  for (int e = 1; e <= n; ++e) {
    r.freeStrain[e] = FaceStrains(alpha, LoadTable.Get(12, 1), LoadTable.Get(12, 2), LoadTable.Get(8, 1),
                                  LoadTable.Get(8, 2), r.element[e].thickness);
    if (!Finite(r.freeStrain[e].strain) || !Finite(r.freeStrain[e].curvature)) return kStopBadJobData;
  }
  if (!r.closed && std::fabs(LoadTable.Get(5, 2)) > 0.00001) {
    detail = " A CENTRAL POINT LOAD NEEDS A CLOSED ROOF";
    return kAnalysisDataRefused;
  }
  const double uniform = LoadTable.Get(3, 1), density = LoadTable.Get(3, 2);
  auto weight = [density](double t) { return density > 0 ? density * kGravity * t / 1000 : 0.0; };
  if (!Finite(uniform) || !Finite(density)) return kStopBadJobData;
  if (!r.shell) {
    PlateModel& m = r.flat;
    m.elements = n;
    m.nodes = r.nodes;
    m.solid = r.closed;
    m.element = r.element;
    m.radius = r.radius;
    m.spring.assign(r.nodes + 1, 0.0);
    m.freeStrain = r.freeStrain;
    m.pressureI.assign(n + 1, 0.0);
    m.pressureJ.assign(n + 1, 0.0);
    for (int e = 1; e <= n; ++e) {
      const double self = weight(r.element[e].thickness);
      m.pressureI[e] = uniform + self + RoofLoadTables[3].Get(e, 1);
      m.pressureJ[e] = uniform + self + RoofLoadTables[3].Get(e, 2);
      if (!Finite(m.pressureI[e]) || !Finite(m.pressureJ[e])) return kStopBadJobData;
    }
    m.ringForce.assign(r.nodes + 1, 0.0);
    m.ringMoment.assign(r.nodes + 1, 0.0);
    for (int i = 1; i <= r.nodes; ++i) {
      m.ringForce[i] = RoofNodalLoadTable.Get(i, 1);
      m.ringMoment[i] = RoofNodalLoadTable.Get(i, 2);
      if (!Finite(m.ringForce[i]) || !Finite(m.ringMoment[i])) return kStopBadJobData;
    }
    return trabix::kSolverDone;
  }
  // A shell's surface loads in kPa, linear from node i to node j: vertical per unit surface (the
  // weight, kind 3), vertical per unit plan area (the uniform load, kind 4), horizontal outward per
  // unit vertical projection (kind 5), normal toward the underside (kind 6) and tangential outward
  // along the meridian (kind 7); the vertical and horizontal ones split along the normal (s, -c)
  // and the meridian (c, s) of the element.
  r.surface.assign(n + 1, {0, 0, 0, 0});
  for (int e = 1; e <= n; ++e) {
    const ShellElement& el = r.element[e];
    const double l = MeridianLength(el), c = (el.rj - el.ri) / l, s = (el.zj - el.zi) / l;
    for (int end = 0; end < 2; ++end) {
      const int col = end + 1;
      const double vertical = weight(el.thickness) + RoofLoadTables[3].Get(e, col) +
                              (uniform + RoofLoadTables[4].Get(e, col)) * std::fabs(c);
      const double horizontal = RoofLoadTables[5].Get(e, col) * std::fabs(s);
      r.surface[e][end] = vertical * c + horizontal * s + RoofLoadTables[6].Get(e, col);
      r.surface[e][2 + end] = -vertical * s + horizontal * c + RoofLoadTables[7].Get(e, col);
      if (!Finite(r.surface[e][end]) || !Finite(r.surface[e][2 + end])) return kStopBadJobData;
    }
  }
  // Nodal rows: vertical downward, horizontal outward, clockwise moment.
  r.nodal.assign(r.nodes + 1, {0, 0, 0});
  for (int i = 1; i <= r.nodes; ++i)
    for (int c = 0; c < 3; ++c) {
      r.nodal[i][c] = RoofNodalLoadTable.Get(i, c + 1);
      if (!Finite(r.nodal[i][c])) return kStopBadJobData;
    }
  return trabix::kSolverDone;
}

void AddRoofLoads(RoofModel& r, ShellSystem& s, int nodeBase, int elementBase) {
  if (!r.shell) {
    AddPlateLoads(r.flat, s, nodeBase, elementBase);
  } else {
    for (int e = 1; e <= r.elements; ++e) {
      const std::array<double, 4>& p = r.surface[e];
      ShellLoadTerms(r.element[e], p[0], p[1], p[2], p[3], s.elementLoad[elementBase + e]);
      const FreeStrain& f = r.freeStrain[e];
      ShellStrainTerms(r.element[e], f.strain, f.strain, f.curvature, f.curvature, s.initialForce[elementBase + e]);
    }
    for (int i = 1; i <= r.nodes; ++i) {
      const int n = nodeBase + i;
      if (r.closed && i == 1) {
        // The apex: a point load acts once; it has no horizontal movement and no rotation.
        s.nodeLoad[FreedomV(n)] += r.nodal[i][0] / kTwoPi;
        continue;
      }
      s.nodeLoad[FreedomV(n)] += r.nodal[i][0] * r.radius[i];
      s.nodeLoad[FreedomU(n)] += r.nodal[i][1] * r.radius[i];
      s.nodeLoad[FreedomTheta(n)] += r.nodal[i][2] * r.radius[i];
    }
  }
  // The wall top carries all of it: the vertical parts of the roof's consistent loads.
  r.verticalLoad = 0;
  for (int e = 1; e <= r.elements; ++e) r.verticalLoad += s.elementLoad[elementBase + e][1] + s.elementLoad[elementBase + e][4];
  for (int i = 1; i <= r.nodes; ++i) r.verticalLoad += s.nodeLoad[FreedomV(nodeBase + i)];
}

void FormRoofRows(const ShellSystem& s, RoofModel& r, int nodeBase, int elementBase) {
  if (!r.shell) {
    FormPlateRows(s, r.flat, nodeBase, elementBase);
    return;
  }
  r.rows.assign(r.nodes + 1, RoofModel::Row());
  for (int i = 1; i <= r.nodes; ++i) {
    RoofModel::Row& row = r.rows[i];
    const int n = nodeBase + i, e = i == 1 ? 1 : i - 1, g = elementBase + e;
    const ShellElement& el = r.element[e];
    const double d = BendingRigidity(el), nu = el.poisson, stretch = el.modulus * el.thickness;
    const FreeStrain& free = r.freeStrain[e];
    row.verticalTranslation = s.u[FreedomV(n)] * 1000;
    row.radialTranslation = s.u[FreedomU(n)] * 1000;
    row.slope = s.u[FreedomTheta(n)];
    if (i == 1 && r.closed) {
      // The apex: both moments from element 1's curvature, both axial forces from its meridional
      // strain; the shear is infinite under a net point force and 0 otherwise.
      row.meridionalMoment = row.hoopMoment =
          d * (1 + nu) * (MeridionalCurvatureAtI(el, s.displacement[g]) - free.curvature);
      ElementVector local;
      ToElementAxes(el, s.displacement[g], local);
      const double strain = (local[3] - local[0]) / MeridianLength(el);
      row.meridionalForce = row.hoopForce = stretch / (1 - nu) * (strain - free.strain);
      row.infinite = std::fabs(s.endForce[g][1] * kTwoPi) > 1.0E-6;
    } else {
      SectionForces f = SectionAtEnd(el, s.endForce[g], i > 1);
      const double radius = r.radius[i], c = (el.rj - el.ri) / MeridianLength(el);
      row.meridionalMoment = f.m;
      row.hoopMoment = nu * f.m + d * (1 - nu * nu) * (-row.slope * c / radius - free.curvature);
      row.shear = f.q;
      row.meridionalForce = f.n;
      row.hoopForce = nu * f.n + stretch * (s.u[FreedomU(n)] / radius - free.strain);
    }
    const double t = el.thickness;
    row.meridionalStress = 6 * row.meridionalMoment / (t * t) / 1000;
    row.hoopStress = 6 * row.hoopMoment / (t * t) / 1000;
  }
}

TextLineArray RoofResultsLines(const RoofModel& r, const std::string& header, int& count) {
  if (!r.shell) return PlateResultsLines(r.flat, header, "ROOF", true, r.inPlane, count);
  TextLineArray lines(1);
  auto add = [&lines](const std::string& text) { lines.push_back(text); };
  AddReportOpening(lines, header);
  add("ROOF");
  add("^^^^");
  add(ResultHeadings({"Radius", "Vert.Transl.", "Horiz.Transl.", "Slope"}));
  add(ResultHeadings({"[m]", "[mm]", "[mm]", "[rad]"}));
  for (int i = 1; i <= r.nodes; ++i) {
    const RoofModel::Row& row = r.rows[i];
    add(ResultAbscissa(r.radius[i]) + ResultValue(row.verticalTranslation) + ResultValue(row.radialTranslation) +
        ResultValue(row.slope, true));
  }
  add("");
  // Four remark lines, none of which reads as a number.
  add("**REMARKS:");
  add("   Translations POSITIVE if DOWNWARD and OUTWARD; Slope POSITIVE if CLOCKWISE, Radius to the Right");
  add("   POSITIVE MOMENTS PRODUCE TENSION ON THE UNDERSIDE; Bending Stresses there (6 M / t^2)");
  add("   Values per Metre of Nodal Line, those of the Element before the Node (Node 1: Element 1)");
  add(std::string(75, '-'));
  add("");
  add(ResultHeadings({"Radius", "Merid. B.M.", "Hoop B.M.", "Merid. Stress", "Hoop Stress"}));
  add(ResultHeadings({"[m]", "[kN*m/m]", "[kN*m/m]", "[MPa]", "[MPa]"}));
  for (int i = 1; i <= r.nodes; ++i) {
    const RoofModel::Row& row = r.rows[i];
    add(ResultAbscissa(r.radius[i]) + ResultValue(row.meridionalMoment) + ResultValue(row.hoopMoment) +
        ResultValue(row.meridionalStress) + ResultValue(row.hoopStress));
  }
  add("");
  add("SHEAR AND AXIAL FORCES (Axial Forces POSITIVE in TENSION; Q = dMs/ds + (Ms - Mc)(dr/ds)/r):");
  add(std::string(75, '-'));
  add("");
  add(ResultHeadings({"Radius", "Shear Force", "Merid. Force", "Hoop Force"}));
  add(ResultHeadings({"[m]", "[kN/m]", "[kN/m]", "[kN/m]"}));
  for (int i = 1; i <= r.nodes; ++i) {
    const RoofModel::Row& row = r.rows[i];
    std::string shear = row.infinite ? FitField("*INFINITY*", 15) : ResultValue(row.shear);
    add(ResultAbscissa(r.radius[i]) + shear + ResultValue(row.meridionalForce) + ResultValue(row.hoopForce));
  }
  add("");
  count = static_cast<int>(lines.size()) - 1;
  return lines;
}

}  // namespace corvane
