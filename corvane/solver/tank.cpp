#include "corvane/solver/tank.h"

#include <algorithm>
#include <cmath>

#include "core/globals.h"
#include "core/numbers.h"
#include "core/solverstops.h"
#include "corvane/core/checks.h"
#include "corvane/core/globals.h"
#include "corvane/core/slots.h"
#include "corvane/solver/solver.h"
#include "corvane/solver/system.h"
#include "trabix/core/analysis.h"
#include "core/reporttext.h"
#include "trabix/core/resultsreport.h"

namespace corvane {

namespace {

const double kGravity = 9.81;
bool Finite(double v) { return std::isfinite(v); }

}  // namespace

int PrepareTankModel(TankModel& t, std::string& detail) {
  t = TankModel();
  int code = PreparePlate(t.base, detail, 0.0, JobDataTable.Get(1, 3), JobDataTable.Get(1, 4), true);
  if (code != 0) return code;
  t.inPlane = IsYes(AnswerAt(GeometryAnswers, kStripSlot));

  WallModel& w = t.wall;
  w.elements = ElementCount(2);
  w.nodes = w.elements + 1;
  w.radius = JobDataTable.Get(2, 2);
  w.height = JobDataTable.Get(2, 3);
  const double modulus = JobDataTable.Get(2, 4), nu = JobDataTable.Get(2, 5);
  if (w.elements < 1 || !(w.radius > 0) || !Finite(w.radius) || !(modulus > 0) || !Finite(modulus) || !Finite(nu) ||
      !(1 - nu * nu > 0) || !Finite(w.height))
    return kStopBadJobData;
  w.membrane = IsYes(AnswerAt(GeometryAnswers, kWallInPlaneSlot));
  for (int i = 1; i <= t.base.nodes && !t.junction; ++i)
    if (std::fabs(t.base.radius[i] - w.radius) <= 0.005) t.junction = i;
  if (t.junction == 0) {
    detail = GeometryCheckMessage(5, 3);
    return kAnalysisDataRefused;
  }
  w.element.assign(w.elements + 1, ShellElement());
  w.x.assign(w.nodes + 1, 0.0);
  for (int e = 1; e <= w.elements; ++e) {
    double width = WorkTables[2].Get(e, 1), thick = WorkTables[2].Get(e, 2);
    if (!(width > 0) || !(thick > 0) || !Finite(width) || !Finite(thick)) return kStopBadJobData;
    w.x[e + 1] = w.x[e] + width;
    ShellElement& el = w.element[e];
    el.ri = el.rj = w.radius;
    el.thickness = thick;
    el.modulus = modulus;
    el.poisson = nu;
    el.meridionalStrain = w.membrane;
  }
  if (std::fabs(w.x[w.nodes] - w.height) > 0.005) {
    detail = GeometryCheckMessage(9, 3);
    return kAnalysisDataRefused;
  }

  // Connection and junction: flag 9, flag 10 (at the plate's middle plane, or on its top face).
  auto flag = [](int item) { return Trim(AnswerAt(SupportFlags, item)); };
  const std::string connection = flag(9);
  t.connection = connection == "M" ? 'M' : connection == "H" ? 'H' : 'S';
  const int before = std::max(1, t.junction - 1);  // the plate element before the junction
  t.offset = IsYes(flag(10)) ? 0.0 : t.base.element[before].thickness / 2;
  for (int e = 1; e <= w.elements; ++e) {
    w.element[e].zi = t.offset + w.x[e];
    w.element[e].zj = t.offset + w.x[e + 1];
  }
  // With a roof answer 11 is the roof's connection, without one the top edge's fixity.
  t.hasRoof = ElementCount(3) > 0;
  t.topFixed = !t.hasRoof && IsYes(flag(11));
  if (IsYes(flag(7)))
    for (int e = 1; e <= w.elements; ++e) w.element[e].soilI = w.element[e].soilJ = WallWinklerTable.Get(e, 1);

  // The liquid: none without depth or density; never deeper than the wall holds.
  t.liquidDensity = LoadTable.Get(4, 1);
  t.liquidDepth = LoadTable.Get(4, 2);
  if (!Finite(t.liquidDensity) || !Finite(t.liquidDepth)) return kStopBadJobData;
  if (!(t.liquidDensity > 0) || !(t.liquidDepth > 0)) t.liquidDensity = t.liquidDepth = 0;
  if (t.liquidDepth > w.height + 0.005) {
    detail = " DEPTH OF LIQUID MUST NOT BE BIGGER THAN WALL HEIGHT";
    return kAnalysisDataRefused;
  }
  w.alpha = JobDataTable.Get(2, 6);
  if (!Finite(w.alpha)) return kStopBadJobData;
  for (int item = 1; item <= 4; ++item)
    if (!Finite(LoadTable.Get(7, item)) || !Finite(LoadTable.Get(10, item))) return kStopBadJobData;
  // The floor carries the liquid inside the wall.
  const double floor = t.liquidDensity * kGravity * t.liquidDepth / 1000;
  for (int e = 1; e < t.junction; ++e) {
    t.base.pressureI[e] += floor;
    t.base.pressureJ[e] += floor;
  }
  if (t.hasRoof) return PrepareRoof(t.roof, w.radius, t.offset + w.x[w.nodes], detail);
  return trabix::kSolverDone;
}

namespace {

// The wall's free strain at height x: the strains of group 7 and the temperature changes of
// group 10 (bottom inner, bottom outer, top inner, top outer face) vary linearly up the wall and
// through its thickness; the mean strain and the curvature (towards the outer face, the
// positive one).
void WallFreeStrain(const WallModel& w, double x, double thickness, double& strain, double& curvature) {
  const double a = w.height > 0 ? x / w.height : 0.0;
  auto up = [a](int group, int bottom) {
    return LoadTable.Get(group, bottom) + (LoadTable.Get(group, bottom + 2) - LoadTable.Get(group, bottom)) * a;
  };
  FreeStrain f = FaceStrains(w.alpha, up(10, 1), up(10, 2), up(7, 1), up(7, 2), thickness);
  strain = f.strain;
  curvature = f.curvature;
}

}  // namespace

int AnalyseTank(TankModel& t) {
  PlateModel& b = t.base;
  WallModel& w = t.wall;
  RoofModel& rf = t.roof;
  const int nb = b.elements, plateNodes = b.nodes;
  const int roofNodes = t.hasRoof ? rf.nodes : 0, roofElements = t.hasRoof ? rf.elements : 0;
  const int roofBase = plateNodes + w.nodes, roofElementBase = nb + w.elements;
  ShellSystem s;
  s.Size(plateNodes + w.nodes + roofNodes, nb + w.elements + roofElements);
  for (int e = 1; e <= nb; ++e) {
    s.element[e] = b.element[e];
    s.ends[e] = {e, e + 1};
  }
  auto wallNode = [plateNodes](int k) { return plateNodes + k; };
  for (int e = 1; e <= w.elements; ++e) {
    s.element[nb + e] = w.element[e];
    s.ends[nb + e] = {wallNode(e), wallNode(e + 1)};
  }
  auto roofNode = [roofBase](int k) { return roofBase + k; };
  for (int e = 1; e <= roofElements; ++e) {
    s.element[roofElementBase + e] = rf.element[e];
    s.ends[roofElementBase + e] = {roofNode(e), roofNode(e + 1)};
  }
  // Base plate freedoms; without meridional strain in the wall every wall node moves vertically
  // with the junction, whose unknown is then numbered last (the profile stays narrow).
  const int j = t.junction;
  const bool junctionLast = !w.membrane;
  for (int i = 1; i <= plateNodes; ++i) {
    if (t.inPlane && i > 1) s.Free(FreedomU(i));
    bool held = std::find(b.unyielding.begin(), b.unyielding.end(), i) != b.unyielding.end();
    if (!held && !(junctionLast && i == j)) s.Free(FreedomV(i));
    bool fixed = i == 1 || (i == plateNodes && b.fixOuter);
    if (!fixed) s.Free(FreedomTheta(i));
  }
  // The wall's first node on the junction: V always shared, U shared (through the offset) unless
  // the wall slides, Theta shared only when monolithic.
  const int w1 = wallNode(1);
  if (t.connection == 'S') {
    s.Free(FreedomU(w1));
  } else {
    s.Share(FreedomU(w1), FreedomU(j));
    for (const FreedomTerm& term : s.freedom[FreedomTheta(j)])
      if (t.offset != 0) s.freedom[FreedomU(w1)].push_back({term.equation, term.factor * t.offset});
  }
  if (t.connection == 'M') s.Share(FreedomTheta(w1), FreedomTheta(j));
  else s.Free(FreedomTheta(w1));
  // The wall's top under a roof: a flat roof without in-plane deformation holds it radially
  // (through its offset) unless it is free to displace; a monolithic roof whose rotation is
  // held at the joint holds the wall top's rotation too.
  const int top = wallNode(w.nodes);
  const bool roofFlatHeld = t.hasRoof && !rf.inPlane;
  const bool topHeldRadially = roofFlatHeld && rf.connection != 'S';
  const bool topRotationHeld =
      t.hasRoof ? rf.connection == 'M' && RoofRotationHeld(rf, rf.junction) : t.topFixed;
  for (int k = 2; k <= w.nodes; ++k) {
    if (!(k == w.nodes && topHeldRadially)) s.Free(FreedomU(wallNode(k)));
    if (w.membrane) s.Free(FreedomV(wallNode(k)));
    if (!(k == w.nodes && topRotationHeld)) s.Free(FreedomTheta(wallNode(k)));
  }
  if (topHeldRadially)
    for (const FreedomTerm& term : s.freedom[FreedomTheta(top)])
      if (rf.offset != 0) s.freedom[FreedomU(top)].push_back({term.equation, -term.factor * rf.offset});
  // The roof: its joint node shares the wall top's V always, U (through the offset, U_roof =
  // U_wall + e Theta_wall) when monolithic or hinged, Theta when monolithic.
  for (int k = 1; k <= roofNodes; ++k) {
    const int n = roofNode(k);
    const bool joint = k == rf.junction;
    const bool radialHeld = roofFlatHeld || (rf.closed && k == 1);
    if (joint && rf.connection != 'S') {
      if (!roofFlatHeld) {
        s.Share(FreedomU(n), FreedomU(top));
        for (const FreedomTerm& term : s.freedom[FreedomTheta(top)])
          if (rf.offset != 0) s.freedom[FreedomU(n)].push_back({term.equation, term.factor * rf.offset});
      }
    } else if (!radialHeld) {
      s.Free(FreedomU(n));
    }
    if (!joint) s.Free(FreedomV(n));
    if (joint && rf.connection == 'M') s.Share(FreedomTheta(n), FreedomTheta(top));
    else if (!RoofRotationHeld(rf, k)) s.Free(FreedomTheta(n));
  }
  const bool junctionHeld = std::find(b.unyielding.begin(), b.unyielding.end(), j) != b.unyielding.end();
  if (junctionLast && !junctionHeld) s.Free(FreedomV(j));
  s.Share(FreedomV(w1), FreedomV(j));
  if (!w.membrane)
    for (int k = 2; k <= w.nodes; ++k) s.Share(FreedomV(wallNode(k)), FreedomV(j));
  if (t.hasRoof) s.Share(FreedomV(roofNode(rf.junction)), FreedomV(top));

  // Loads and springs.
  AddPlateLoads(b, s);
  const double r = w.radius, uniform = LoadTable.Get(2, 1), density = LoadTable.Get(2, 2);
  const double gamma = t.liquidDensity * kGravity / 1000;
  for (int e = 1; e <= w.elements; ++e) {
    const ShellElement& el = w.element[e];
    const double weight = density > 0 ? density * kGravity * el.thickness / 1000 : 0.0;
    double pi = uniform + WallTrapezoidalLoadTable.Get(e, 1), pj = uniform + WallTrapezoidalLoadTable.Get(e, 2);
    // Downward weight against the meridian, which runs upward.
    ShellLoadTerms(el, pi, pj, -weight, -weight, s.elementLoad[nb + e]);
    double strainI, strainJ, curvatureI, curvatureJ;
    WallFreeStrain(w, w.x[e], el.thickness, strainI, curvatureI);
    WallFreeStrain(w, w.x[e + 1], el.thickness, strainJ, curvatureJ);
    ShellStrainTerms(el, strainI, strainJ, curvatureI, curvatureJ, s.initialForce[nb + e]);
    const double xi = w.x[e], xj = w.x[e + 1], d = t.liquidDepth;
    if (gamma > 0 && xi < d) {
      // Liquid pressure gamma (d - x), outward, up to the liquid's surface.
      const double to = xj <= d ? 1.0 : (d - xi) / (xj - xi);
      ElementVector liquid;
      ShellLoadTerms(el, gamma * (d - xi), gamma * (d - std::min(xj, d)), 0, 0, liquid, 0, to);
      for (int p = 0; p < 6; ++p) s.elementLoad[nb + e][p] += liquid[p];
    }
  }
  const bool restraints = IsYes(AnswerAt(SupportFlags, kWallRestraintsSlot));
  for (int k = 1; k <= w.nodes; ++k) {
    const int n = wallNode(k);
    s.nodeLoad[FreedomU(n)] += WallNodalLoadTable.Get(k, 1) * r;
    s.nodeLoad[FreedomV(n)] += WallNodalLoadTable.Get(k, 2) * r;
    s.nodeLoad[FreedomTheta(n)] += WallNodalLoadTable.Get(k, 3) * r;
    if (restraints) {
      s.spring[FreedomU(n)] += WallRestraintTable.Get(k, 1) * r;
      s.spring[FreedomTheta(n)] += WallRestraintTable.Get(k, 2) * r;
    }
  }
  if (t.hasRoof) AddRoofLoads(rf, s, roofBase, roofElementBase);
  for (int f = 1; f <= 3 * s.nodes; ++f)
    if (!Finite(s.nodeLoad[f]) || !Finite(s.spring[f])) return kStopBadJobData;
  if (!s.Solve()) return kStopSystemUnstable;

  FormPlateRows(s, b);
  if (t.hasRoof) FormRoofRows(s, rf, roofBase, roofElementBase);
  // Wall rows: the element below each node (node 1: element 1). The vertical force comes from
  // statics: the roof, the weight and the vertical loads above the section.
  std::vector<double> above(w.nodes + 2, 0.0);  // vertical load above the top of element e - 1 [kN per radian]
  above[w.nodes + 1] = t.hasRoof ? rf.verticalLoad : 0.0;
  for (int k = w.nodes; k >= 1; --k) {
    above[k] = above[k + 1] + WallNodalLoadTable.Get(k, 2) * r;
    if (k < w.nodes) {
      const double weight = density > 0 ? density * kGravity * w.element[k].thickness / 1000 : 0.0;
      above[k] += weight * r * (w.x[k + 1] - w.x[k]);
    }
  }
  w.rows.assign(w.nodes + 1, WallModel::Row());
  for (int k = 1; k <= w.nodes; ++k) {
    WallModel::Row& row = w.rows[k];
    const int e = k == 1 ? 1 : k - 1;
    const ShellElement& el = w.element[e];
    const double nu = el.poisson, thick = el.thickness;
    SectionForces f = SectionAtEnd(el, s.endForce[nb + e], k > 1);
    const int n = wallNode(k);
    row.slope = s.u[FreedomTheta(n)];
    row.translation = s.u[FreedomU(n)] * 1000;
    row.shear = f.q;
    row.moment = f.m;
    // A cylinder has no hoop curvature: the hoop moment is Poisson's part of M_x and what the
    // wall's free curvature would release.
    double strain, curvature;
    WallFreeStrain(w, w.x[k], thick, strain, curvature);
    row.hoopMoment = nu * f.m - BendingRigidity(el) * (1 - nu * nu) * curvature;
    // Node 1's section lies above the node: its own load goes into the junction.
    double load = k == 1 ? above[1] - WallNodalLoadTable.Get(1, 2) * r : above[k];
    row.verticalForce = -load / r;
    double hoop = el.modulus * thick * (s.u[FreedomU(n)] / r - strain) + (w.membrane ? nu * row.verticalForce : 0.0);
    row.stress = 6 * row.moment / (thick * thick) / 1000;
    row.hoopStress = 6 * row.hoopMoment / (thick * thick) / 1000;
    row.axialStress = hoop / thick / 1000;
  }
  return trabix::kSolverDone;
}

TextLineArray WallResultsLines(const TankModel& t, const std::string& header, int& count) {
  const WallModel& w = t.wall;
  TextLineArray lines(1);
  auto add = [&lines](const std::string& text) { lines.push_back(text); };
  AddReportOpening(lines, header);
  add("WALL");
  add("^^^^");
  add(ResultHeadings({"Height", "Slope", "Radial Transl.", "Shear Force", "Long. B.M.", "Circumf. B.M."}));
  add(ResultHeadings({"[m]", "[rad]", "[mm]", "[kN/m]", "[kN*m/m]", "[kN*m/m]"}));
  for (int k = 1; k <= w.nodes; ++k) {
    const WallModel::Row& row = w.rows[k];
    add(ResultAbscissa(w.x[k]) + ResultValue(row.slope, true) + ResultValue(row.translation) + ResultValue(row.shear) +
        ResultValue(row.moment) + ResultValue(row.hoopMoment));
  }
  add("");
  add("**REMARKS:");
  add("   Radial Translation is POSITIVE if OUTWARD");
  add("   Slope (Angle of Rotation) is POSITIVE if CLOCKWISE (dU/dx), Radius to the Right");
  add("   POSITIVE MOMENTS PRODUCE TENSION IN OUTER FIBRES");
  add("   Shear Force and Moments per Metre of Circumference; Q = dMx/dx");
  add("   Values of a Node are those of the Ring below it (Node 1: Ring 1)");
  add("   Bending Stresses in OUTER FIBRES (6 M / t^2), POSITIVE in TENSION");
  add("   Circumferential Axial Stress and Vertical Force POSITIVE in TENSION");
  add(std::string(75, '-'));
  add("");
  add(ResultHeadings({"Height", "Long. Stress", "Circ. Stress", "Circ. Axial", "Vert. Force"}));
  add(ResultHeadings({"[m]", "[MPa]", "[MPa]", "[MPa]", "[kN/m]"}));
  for (int k = 1; k <= w.nodes; ++k) {
    const WallModel::Row& row = w.rows[k];
    add(ResultAbscissa(w.x[k]) + ResultValue(row.stress) + ResultValue(row.hoopStress) + ResultValue(row.axialStress) +
        ResultValue(row.verticalForce));
  }
  add("");
  count = static_cast<int>(lines.size()) - 1;
  return lines;
}

}  // namespace corvane
