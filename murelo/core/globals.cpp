#include "murelo/core/globals.h"

namespace murelo {

Table2D<double> GeneralData;
Table2D<double> BasePlateElements;
Table2D<double> WallStemElements;
std::vector<std::string> SupportFlags(11, "N");
std::string UnyieldingNodes;
Table2D<double> ElasticSupportTable;
Table2D<double> WinklerTable;
Table2D<double> StemRestraintTable;
Table2D<double> LoadTable;
Table2D<double> PlateTrapezoidalLoads;
Table2D<double> PlateNodalLoads;
Table2D<double> StemHorizontalLoads;
Table2D<double> StemVerticalLoads;
Table2D<double> StemNodalLoads;
std::string LoadCaseName;
std::string CurrentSubstructure = "BASE PLATE";

}  // namespace murelo
