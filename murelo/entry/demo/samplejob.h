#pragma once
// The sample wall the entry demo shows and the layout test walks: job "DEMO" in the current
// folder, a base plate of 24 elements (3 m wide, toe 0.75 m, 0.5 m thick) and a wall stem of 8
// (4 m high), every support type but the half-space, unyielding nodes 1 and 25. Messages go to
// the dialog on screen and pause for nothing.
#include "core/fieldcheck.h"
#include "core/globals.h"
#include "murelo/core/dataentry.h"
#include "murelo/core/globals.h"
#include "murelo/core/jobfiles.h"
#include "murelo/core/slots.h"
#include "win/messages.h"

namespace murelo {

inline void WriteSampleWall() {
  ProgramMessages = DialogOwnedMessages(&DialogAnswer);
  JobSpec = "DEMO";
  GeneralData.Redim(2, 5);
  CurrentSubstructure = "WALL";
  SaveGeometryDialogData("DEMO", {"", "4", "8", "3.0E7", "0.2"});
  CurrentSubstructure = "BASE PLATE";
  SaveGeometryDialogData("DEMO", {"", "3", "0.75", "24", "3.0E7", "0.2"});
  FillGeometryCells();
  UniformWidthCells();
  for (int e = 1; e <= 24; ++e) CellTexts(3, e) = "0.5";
  SaveGeometryCells("DEMO");
  SupportFlags = {"Y", "Y", "Y", "Y", "N", "Y", "", "", "", "", ""};
  UnyieldingNodes = "1,25";
}

}  // namespace murelo
