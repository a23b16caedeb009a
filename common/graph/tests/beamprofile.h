#pragma once
// The graph profile of the graph window tests: a beam of job JOB1, load case "A dead".
#include <string>

#include "graph/graphwindow.h"

inline GraphProfile BeamProfile() {
  GraphProfile p;
  p.heading = "BEAM";
  p.jobName = "JOB1";
  p.loadCase = "A dead";
  p.abscissaCaption = "Distance from Left [m]";
  p.ordinateTitles = {"Bending Moments [kN*m]", "Shearing Forces [kN]"};
  p.reversedActions = {1};
  p.fileTypeCaption = " BEAM and STRIP ANALYSIS.   JOB: JOB1     Load Case: A dead";
  p.missingResultsText = "Results File is Missing!";
  p.printGraph = [](HWND owner, const std::string& bitmap) { PrintGraphDocument(owner, 5, bitmap); };
  return p;
}
