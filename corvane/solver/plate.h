#pragma once
// The circular plate, solid or annular, of Corvane's job tables analysed as the horizontal case
// of the shell of revolution: nodal-line supports, ring springs, edge fixities and a Winkler
// foundation; surface loads, ring loads and moments at nodal lines and the central point load
// of a solid plate. Units: m, kN, kPa; results in mm, rad, kN/m, kN*m/m, MPa and kPa.
#include <string>
#include <vector>

#include "core/textfiles.h"
#include "corvane/solver/shell.h"

namespace corvane {

// What one plate analysis works on and its results, per node 1..nodes (element e joins nodes e
// and e + 1; index 0 unused).
struct PlateModel {
  int elements = 0, nodes = 0;
  bool solid = false;                  // inner radius below 0.0001: node 1 is the centre
  std::vector<ShellElement> element;   // 1..elements
  std::vector<double> radius;          // node radii [m]
  bool winkler = false;
  // An elastic half-space (never with a Winkler foundation): its soil stiffness on the nodes'
  // vertical freedoms per radian (halfspace.h), and each node's annulus, inner and outer edge.
  bool halfSpace = false;
  std::vector<std::vector<double>> soilStiffness;
  std::vector<double> annulusInner, annulusOuter;
  std::vector<double> spring;          // vertical ring spring per node [kN/m^2]; the centre: point spring [kN/m]
  std::vector<int> unyielding;         // nodes held vertically
  bool fixInner = false, fixOuter = false;  // edge rotation held
  std::vector<double> pressureI, pressureJ;  // per element: downward pressure at node i and j [kPa]
  std::vector<double> ringForce, ringMoment;  // per node [kN/m], [kN*m/m]; the centre: point load [kN]
  std::vector<FreeStrain> freeStrain;  // per element: of its temperatures and strains (top the negative face)
  // Results
  std::vector<double> u;  // 3 per node: U, V, Theta of node i at 3i-2, 3i-1, 3i [m, rad]
  struct Row {
    double slope = 0, translation = 0, shear = 0, radial = 0, hoop = 0;  // rad, mm, kN/m, kN*m/m
    double radialStress = 0, hoopStress = 0, pressure = 0;               // MPa, kPa
    bool infinite = false;  // the shear at a solid plate's centre under a net point force
    double radialTranslation = 0, radialForce = 0, hoopForce = 0;  // in-plane: mm, kN/m
  };
  std::vector<Row> rows;
  double totalReaction = 0;  // of the Winkler foundation or the half-space over the whole circle [kN]
};

// Fills the model from Corvane's tables of a circular plate (JobDataTable, WorkTables[1],
// SupportFlags, UnyieldingNodes, ElasticSupportTable, WinklerTable, LoadTable and the load work
// tables as ReadLoadFile leaves them). Returns 0, or a stop code of the analysis (solver.h);
// detail receives the text of a refusal.
int PreparePlateModel(PlateModel& m, std::string& detail);
// The same for the plate of substructure 1 with the section values given (a tank's base plate:
// inner radius 0, answer 1 its edge).
int PreparePlate(PlateModel& m, std::string& detail, double inner, double modulus, double nu, bool basePlate);
// Solves the prepared model and forms its node results. Returns 0, or the stop code of a
// singular system.
int AnalysePlate(PlateModel& m);
struct ShellSystem;
// The plate's element and node loads, springs included, into the system (plate nodes and
// elements numbered first there).
// A plate numbered after others (a tank's flat roof) has its nodes from nodeBase + 1 and its
// elements from elementBase + 1 in the system.
void AddPlateLoads(const PlateModel& m, ShellSystem& s, int nodeBase = 0, int elementBase = 0);
// The node rows and the soil's total reaction from the solved system.
void FormPlateRows(const ShellSystem& s, PlateModel& m, int nodeBase = 0, int elementBase = 0);
// The ".RP" results of the model (lines 1..count) under the header line: of a circular plate, or
// of a tank's base plate (its stress table one line higher; with inPlane its third table, the
// radial translation and in-plane forces).
TextLineArray PlateResultsLines(const PlateModel& m, const std::string& header, int& count);
TextLineArray PlateResultsLines(const PlateModel& m, const std::string& header, bool basePlate, bool inPlane,
                                int& count);
// The same under any title (line 7; "ROOF": a flat roof's remarks), the stress table one line
// higher (a base plate's, a flat roof's) or not.
TextLineArray PlateResultsLines(const PlateModel& m, const std::string& header, const std::string& title,
                                bool stressHigher, bool inPlane, int& count);

// Pieces of the result tables: a value right-aligned in a field of 15 (the fixed mask from 0.1 to
// 10000, else the exponent mask, always for slopes; below 1.0E-9 a clean 0), an abscissa
// ("###0.0000" in a field of 9), heading words over those fields, the total reaction line.
std::string ResultValue(double v, bool exponent = false);
std::string ResultAbscissa(double r);
std::string ResultHeadings(const std::vector<std::string>& words);
std::string TotalReactionLine(double total);

}  // namespace corvane
