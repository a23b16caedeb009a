#pragma once
// What Palvore's entry tests and palvore_entry_demo share: the program's messages, and the sample job of
// the layout sweep and the demo ("DEMO" in the current folder, a pile or sheet pile of 12 m in 24
// elements, 2 of them above the soil, on supports of every kind, load case "A").
#include "core/fieldcheck.h"
#include "core/globals.h"
#include "palvore/core/dataentry.h"
#include "palvore/core/globals.h"
#include "palvore/core/jobfiles.h"
#include "palvore/core/slots.h"
#include "palvore/entry/entry.h"
#include "win/messages.h"

namespace palvore {
namespace sample {

// The program's own messages (owned by the dialog, no pauses), the job and its load case named.
inline void Start() {
  ProgramMessages = DialogOwnedMessages(&DialogAnswer);
  JobSpec = "DEMO";
  LoadCaseName = "A";
}

// Writes the job's geometry and sets its supports.
inline void Save(bool sheet) {
  Geometry = PileGeometry();
  // Length, elements, elements above the soil, modulus of elasticity, Poisson's ratio.
  SaveGeometryDialogData("DEMO", {"", "12", "24", "2", "2.1E8", "0.3"}, sheet);
  FillGeometryCells();
  for (int e = 1; e <= 24; ++e) CellTexts(3, e) = CellTexts(4, e) = "0.5";
  SaveGeometryCells("DEMO");
  Supports = PileSupports();
  Supports.flags.assign(kSupportFlagSlots, std::string());
  for (int slot = kTopEdgeFixedSlot; slot <= kWinklerSlot; ++slot) Supports.flags[slot] = "Y";
  Supports.flags[kHalfSpaceSlot] = "N";
  Supports.unyieldingNodes = "1,25";
}

// The load table of type 1 (trapezoidal) or 2 (nodal) of the case, with no loads yet.
inline void OpenLoadTable(int type) {
  int trapezoidal = 0, nodal = 0;
  ReadLoadData(TextLineArray(1), 0, trapezoidal, nodal);
  LoadDataDialogs(nullptr, type);
}

}  // namespace sample
}  // namespace palvore
