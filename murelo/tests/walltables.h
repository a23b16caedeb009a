#pragma once
// Leaves no support or load table of one test to the next: the data-entry rules read the work
// tables as they find them.
#include "murelo/core/globals.h"
#include "murelo/core/slots.h"

namespace murelo {
namespace testing {

inline void ClearWallTables() {
  for (Table2D<double>* t : {&ElasticSupportTable, &WinklerTable, &StemRestraintTable, &PlateTrapezoidalLoads,
                             &PlateNodalLoads, &StemHorizontalLoads, &StemVerticalLoads, &StemNodalLoads})
    t->Redim(0, 0);
  LoadTable.Redim(2, 2);
  SupportFlags.assign(kSupportFlagSlots, std::string());
  UnyieldingNodes.clear();
}

}  // namespace testing
}  // namespace murelo
