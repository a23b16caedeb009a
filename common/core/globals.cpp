#include "core/globals.h"

int DialogAnswer = 0;
Table2D<int> SharedIntegers;
Table2D<std::string> CellTexts;
std::vector<std::string> LoadCaseNames;
std::vector<std::string> TextLines(2);
std::string StructureType;
std::string Substructure;
std::string JobSpec;
Table2D<double> JobDataTable;
