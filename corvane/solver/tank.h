#pragma once
// A cylindrical tank: the base plate (horizontal, at its middle plane, from the centre), the wall
// (vertical, at the wall radius, from its bottom) and the roof (roof.h) in one system of shell
// elements, numbered in that order. The wall stands on the base plate's nodal line under it
// monolithically, hinged or free to slide; the roof meets the wall's top the same ways. The base
// plate rests on its supports, Winkler soil or an elastic half-space, the wall on its soil and
// restraints; under liquid pressure, the substructures' loads, self weight, temperatures and
// strains.
#include <string>
#include <vector>

#include "core/textfiles.h"
#include "corvane/solver/plate.h"
#include "corvane/solver/roof.h"

namespace corvane {

struct WallModel {
  int elements = 0, nodes = 0;
  double radius = 0, height = 0;
  std::vector<ShellElement> element;  // 1..elements, from the bottom
  std::vector<double> x;              // node heights above the wall's first node [m]
  bool membrane = false;              // answer 2: meridional strain (with Poisson's coupling)
  double alpha = 0;                   // coefficient of thermal expansion [1/Celsius]
  struct Row {
    double slope = 0, translation = 0, shear = 0, moment = 0, hoopMoment = 0;  // rad, mm, kN/m, kN*m/m
    double stress = 0, hoopStress = 0, axialStress = 0, verticalForce = 0;     // MPa, kN/m
  };
  std::vector<Row> rows;
};

struct TankModel {
  PlateModel base;
  bool inPlane = false;     // base plate answer 1: in-plane deformation (radial translations)
  WallModel wall;
  int junction = 0;         // the base plate node under the wall
  char connection = 'M';    // 'M' monolithic, 'H' hinged, 'S' free to slide
  double offset = 0;        // wall base above the plate's middle plane (t / 2, or 0)
  bool topFixed = false;    // the top edge held against rotation (a tank without a roof)
  bool hasRoof = false;     // the roof has elements
  RoofModel roof;
  double liquidDensity = 0, liquidDepth = 0;  // [kg/m^3], [m]
};

// Fills the model from Corvane's tables of a tank (JobDataTable, GeometryAnswers, WorkTables[1]
// and [2], the support and load tables). Returns 0, or a stop code with its text in detail.
int PrepareTankModel(TankModel& t, std::string& detail);
// Solves the prepared model and forms the rows of every substructure.
int AnalyseTank(TankModel& t);
// The wall's ".RW" (lines 1..count).
TextLineArray WallResultsLines(const TankModel& t, const std::string& header, int& count);

}  // namespace corvane
