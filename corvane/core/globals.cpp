#include "corvane/core/globals.h"

#include <cmath>

#include "core/jobdata.h"
#include "core/numbers.h"

namespace corvane {

std::string LoadCaseName;
std::string DialogStatus;
std::vector<std::string> GeometryAnswers(8);
Table2D<float> WorkTables[4];
std::vector<std::string> SupportFlags(20);
std::string UnyieldingNodes;
Table2D<float> ElasticSupportTable;
Table2D<float> WinklerTable;
Table2D<float> WallRestraintTable;
Table2D<float> WallWinklerTable;
Table2D<float> LoadTable;
Table2D<float> NodalLoadTable;
Table2D<float> TrapezoidalLoadTable;
Table2D<float> TemperatureLoadTable;
Table2D<float> WallNodalLoadTable;
Table2D<float> WallTrapezoidalLoadTable;
Table2D<float> RoofNodalLoadTable;
Table2D<float> RoofLoadTables[8];
int RoofKindStarts[6] = {0, 0, 0, 0, 0, 0};
Table2D<std::string> FormTexts;
std::vector<std::string> FieldTexts(10);
std::string TableViewKind;
int RoofType = 1;
std::vector<int> GraphState(9, 0);
TextLineArray ResultLines;
int ResultLineCount = 0;
ResultRows ResultTable;
GraphPoints GraphPointList;

int StructureCode() {
  if (StructureType == "PLATE") return 2;
  if (StructureType == "TANK") return 3;
  return 1;
}

int SubstructureNumber() {
  if (Substructure == "WALL") return 2;
  if (Substructure == "ROOF STRUCTURE") return 3;
  return 1;
}

int ElementCount(int s) {
  double v = std::floor(JobDataTable.Get(s, 1));
  if (!(v > 0)) return 0;
  return v > kMaxElements ? kMaxElements : static_cast<int>(v);
}

bool IsYes(const std::string& answer) { return IsYesAnswer(answer); }

std::string AnswerAt(const std::vector<std::string>& answers, int i) {
  return i >= 0 && static_cast<size_t>(i) < answers.size() ? answers[static_cast<size_t>(i)] : std::string();
}

std::string& AnswerSlot(std::vector<std::string>& answers, int i) {
  if (answers.size() <= static_cast<size_t>(i)) answers.resize(static_cast<size_t>(i) + 1);
  return answers[static_cast<size_t>(i)];
}

}  // namespace corvane
