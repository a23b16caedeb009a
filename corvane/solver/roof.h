#pragma once
// A tank's roof: flat (horizontal elements from the inner radius, at the wall top) or a shell of
// revolution (cone or dome, taken by its chords: element k runs x_k outward and falls by z_k),
// closed (inner radius below 0.0001) or annular, joined to the wall's top node at its nodal line
// on the wall radius; nodes beyond it overhang. Its loads: self weight, surface loads of every
// kind, nodal rows and the centre's point load; its temperatures and strains as free strains.
// The freedoms of the joint are the tank's (tank.cpp); this file prepares the roof, puts its loads
// into the system, forms its rows and writes its ".RR".
#include <array>
#include <string>
#include <vector>

#include "core/textfiles.h"
#include "corvane/solver/plate.h"

namespace corvane {

struct ShellSystem;

struct RoofModel {
  int elements = 0, nodes = 0;
  bool shell = false;    // geometry answer 4
  bool inPlane = true;   // a shell always; a flat roof by answer 3 (else U = 0 at every node)
  bool closed = false;   // inner radius below 0.0001: node 1 is the centre (U = Theta = 0)
  std::vector<ShellElement> element;   // 1..elements
  std::vector<double> radius, z;       // node radii and heights [m] (z upward, the wall's base 0)
  int junction = 0;                    // the roof node on the wall's top
  char connection = 'M';               // support answer 11: 'M' monolithic, 'H' hinged, 'S' V only
  double offset = 0;                   // the roof's middle surface above the wall top (answer 12 "N": t / 2)
  bool fixEdge = false, fixInner = false;  // answers 13 (last node) and 14 (an annular roof's inner edge)
  std::vector<FreeStrain> freeStrain;  // per element (the top face the negative one)
  // A flat roof is a plate numbered after the wall: its loads and rows are the plate's.
  PlateModel flat;
  // A shell's loads: per element the normal (toward the underside) and meridional (outward along
  // the meridian) surface loads at node i and j [kPa]; per node the vertical (downward) and
  // horizontal (outward) line loads [kN/m] and the clockwise moment [kN*m/m] (the centre's
  // vertical one a point load [kN]).
  std::vector<std::array<double, 4>> surface;
  std::vector<std::array<double, 3>> nodal;
  // Results of a shell, per node (the element before it; node 1 element 1).
  struct Row {
    double verticalTranslation = 0, radialTranslation = 0, slope = 0;  // mm, mm, rad
    double meridionalMoment = 0, hoopMoment = 0, meridionalStress = 0, hoopStress = 0;  // kN*m/m, MPa
    double shear = 0, meridionalForce = 0, hoopForce = 0;  // kN/m
    bool infinite = false;  // the shear at a closed shell's apex under a net point force
  };
  std::vector<Row> rows;
  double verticalLoad = 0;  // the roof's whole vertical load per radian [kN], carried by the wall top
};

// Fills the roof from Corvane's tables (JobDataTable item 3, WorkTables[3], GeometryAnswers 3, 4,
// SupportFlags 11 to 14, LoadTable groups 3, 5, 8, 12, RoofNodalLoadTable, RoofLoadTables), its
// joint on the wall of the radius given whose top node stands at wallTop. Returns 0, or a stop
// code with its text in detail.
int PrepareRoof(RoofModel& r, double wallRadius, double wallTop, std::string& detail);
// True when node k's rotation is held (the centre, answers 13 and 14).
bool RoofRotationHeld(const RoofModel& r, int k);
// The roof's loads into the system (nodes from nodeBase + 1, elements from elementBase + 1);
// sets r.verticalLoad.
void AddRoofLoads(RoofModel& r, ShellSystem& s, int nodeBase, int elementBase);
// The roof's rows from the solved system.
void FormRoofRows(const ShellSystem& s, RoofModel& r, int nodeBase, int elementBase);
// The ".RR" (lines 1..count): a flat roof in the base plate's layout under "ROOF" (the in-plane
// table with answer 3 "Y"); a shell: translations and slope, moments and bending stresses, shear
// and axial forces.
TextLineArray RoofResultsLines(const RoofModel& r, const std::string& header, int& count);

}  // namespace corvane
