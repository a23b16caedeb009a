#include "murelo/core/globals.h"

namespace murelo {

Table2D<double> GeneralData;
Table2D<float> BasePlateElements;
Table2D<float> WallStemElements;
std::vector<std::string> SupportFlags(11, "N");
std::string UnyieldingNodes;
Table2D<float> ElasticSupportTable;
Table2D<float> WinklerTable;
Table2D<float> StemRestraintTable;
Table2D<float> LoadTable;
Table2D<float> PlateTrapezoidalLoads;
Table2D<float> PlateNodalLoads;
Table2D<float> StemHorizontalLoads;
Table2D<float> StemVerticalLoads;
Table2D<float> StemNodalLoads;
std::string LoadCaseName;
std::string CurrentSubstructure = "BASE PLATE";

}  // namespace murelo
