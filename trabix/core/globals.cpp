#include "trabix/core/globals.h"

namespace trabix {

std::vector<double> GeometryValues(6);
std::vector<std::string> StructureFlags(6);
Table2D<double> ElementTable;
std::vector<std::string> SupportFlags(14);
std::string UnyieldingNodes;
Table2D<double> SpringTable;
Table2D<double> SoilTable;
std::vector<double> LoadValues(3);
Table2D<double> NodalLoadTable;
Table2D<double> LoadTable;
Table2D<double> TemperatureTable;
std::string LoadCaseName;
int YieldAnalysis = 0;

}  // namespace trabix
