#include "corvane/core/checks.h"

#include <algorithm>
#include <cmath>

#include "core/jobdata.h"
#include "core/jobnames.h"
#include "core/numbers.h"
#include "core/tablereader.h"
#include "core/textfiles.h"
#include "corvane/core/geometryfile.h"
#include "corvane/core/globals.h"
#include "corvane/core/loadfile.h"
#include "corvane/core/slots.h"
#include "corvane/core/supportfile.h"

namespace corvane {

CheckPort CheckHooks;

const char* const kUnyieldingUnacceptableMessage = " UNYIELDING SUPPORT DATA UNACCEPTABLE";

void CorrectDataQuery(const std::string& message, int& answer) {
  answer = CheckHooks.ask ? CheckHooks.ask(message) : kAnswerNo;
}

std::string IncorrectSupportDataMessage(const std::string& first, const std::string& second) {
  std::string m = " INCORRECT SUPPORT DATA";
  if (!first.empty() || !second.empty()) m += " OF ITEM" + first + "OR" + second;
  return m;
}

std::string GeometryCheckMessage(int code, int type) {
  switch (code) {
    case 0:
      return " OUTER RADIUS OF PLATE MUST BE BIGGER THAN INNER RADIUS";
    case 1:
      if (type == 2) return " OUTER RADIUS OF PLATE MUST BE BIGGER THAN ZERO";
      if (type == 3) return " RADIUS OF BASE PLATE MUST BE BIGGER THAN ZERO";
      return Substructure == "BEAM" ? " LENGTH OF BEAM MUST BE BIGGER THAN ZERO"
                                    : " LENGTH OF IDEALISATION STRIP MUST BE BIGGER THAN ZERO";
    case 2:
      return " RADIUS OF WALL CYLINDER MUST BE BIGGER THAN ZERO";
    case 3:
      return " RADIUS OF WALL CYLINDER MUST NOT BE BIGGER THAN RADIUS OF BASE PLATE";
    case 4:
      return " RADIUS OF WALL CYLINDER DOESN'T MATCH ROOF DIMENSIONS";
    case 5:
      return " WALL - BASE JUNCTION MUST COINCIDE WITH ONE OF BASE NODAL LINES";
    case 6:
      return " WALL - ROOF JUNCTION MUST COINCIDE WITH ONE OF ROOF NODAL LINES";
    case 9:
      return " TOTAL OF WALL RING WIDTH DIFFERS FROM WALL HEIGHT";
    case 10:
      return " MODULUS OF ELASTICITY MUST BE BIGGER THAN ZERO";
    case 11:
      return kUnyieldingUnacceptableMessage;
    default:
      return std::string();
  }
}

std::vector<double> AcceptedUnyieldingNodes(const std::string& list, int limit) {
  std::vector<double> nodes;
  if (Trim(list).empty()) return nodes;
  std::string head, rest;
  SplitAtDelimiter(list, ",", head, rest);
  for (;;) {
    if (static_cast<int>(nodes.size()) >= limit) break;
    double v = std::round(ParseNumber(head));
    // Kept as read, however large: a node past the structure must reach the range check.
    if (v > 0 && Trim(head) == Trim(NumberToText(v))) nodes.push_back(v);
    if (rest.empty()) break;
    SplitAtDelimiter("", ",", head, rest);
  }
  return nodes;
}

void CheckNodalLineMatch(const Table2D<float>& elements, int nodeCount, int kind, float start, float end,
                         float position, int& code) {
  // 0.005 itself is within: a little slack for the single-precision values read from the file.
  const float tol = 0.005f + 1e-6f * std::max(1.0f, std::fabs(position));
  const int failCode = kind == 1 ? 5 : kind == 2 ? 6 : 9;
  if (kind == 3) {
    // The rings must fill the wall: their total against the height, no node in between.
    float total = start;
    for (int i = 1; i < nodeCount; ++i) total += elements.Get(i, 1);
    code = std::fabs(total - position) <= tol ? 0 : failCode;
    return;
  }
  if (std::fabs(position - end) <= tol) {
    code = 0;
    return;
  }
  float x = start;
  for (int node = 1; node <= nodeCount; ++node) {
    if (std::fabs(position - x) <= tol) {
      code = 0;
      return;
    }
    x += elements.Get(node, 1);
  }
  code = failCode;
}

void FirstGeometryProblem(int type, bool& failed, int& code) {
  failed = false;
  code = 0;
  auto fail = [&](int c) {
    failed = true;
    code = c;
  };
  if (type == 1) {
    if (JobDataTable.Get(1, 3) <= 0.0000001 && !IsYes(AnswerAt(SupportFlags, kIsotropicHalfSpaceSlot)) && !IsYes(AnswerAt(SupportFlags, kAnisotropicHalfSpaceSlot)))
      fail(10);
    return;
  }
  if (type == 2) {
    if (JobDataTable.Get(1, 4) <= 0.0000001 && !IsYes(AnswerAt(SupportFlags, kIsotropicHalfSpaceSlot)) && !IsYes(AnswerAt(SupportFlags, kAnisotropicHalfSpaceSlot)))
      fail(10);
    else if (JobDataTable.Get(1, 3) < JobDataTable.Get(1, 2))
      fail(0);
    return;
  }
  const float baseRadius = static_cast<float>(JobDataTable.Get(1, 2));
  const float wallRadius = static_cast<float>(JobDataTable.Get(2, 2));
  const float wallHeight = static_cast<float>(JobDataTable.Get(2, 3));
  const float roofInner = static_cast<float>(JobDataTable.Get(3, 2));
  const float roofOuter = static_cast<float>(JobDataTable.Get(3, 3));
  const int nb = ElementCount(1), nw = ElementCount(2), nr = ElementCount(3);
  int c = 0;
  CheckNodalLineMatch(WorkTables[1], nb + 1, 1, 0.0f, baseRadius, wallRadius, c);
  if (c != 0) return fail(c);
  CheckNodalLineMatch(WorkTables[2], nw + 1, 3, 0.0f, wallHeight, wallHeight, c);
  if (c != 0) return fail(c);
  if (baseRadius <= 0) return fail(1);
  if (wallRadius <= 0) return fail(2);
  if (wallRadius > baseRadius) return fail(3);
  if (nr > 0) {
    if (wallRadius > roofOuter || wallRadius < roofInner) return fail(4);
    CheckNodalLineMatch(WorkTables[3], nr + 1, 2, roofInner, roofOuter, wallRadius, c);
    if (c != 0) return fail(c);
  }
}

void CheckGeometryData(int& success, int code, int type) {
  int answer = kAnswerNo;
  CorrectDataQuery(GeometryCheckMessage(code, type), answer);
  success = 0;
  if (answer == kAnswerYes && CheckHooks.editGeometry) success = CheckHooks.editGeometry() == 1 ? 1 : 0;
}

namespace {

// Reads <job>.geo into the geometry tables and the element tables of every substructure.
void ReadJobGeometry(int type) {
  TextLines.assign(2, std::string());
  int n = 0;
  LoadTextLines(JobSpec + ".geo", TextLines, 5000, n);
  JobDataTable.Redim(8, 6);
  GeometryAnswers.assign(8, std::string());
  int starts[4] = {0, 0, 0, 0};
  ReadGeometrySections(TextLines, n, type, JobDataTable, GeometryAnswers, starts[1], starts[2], starts[3]);
  if (type == 1) Substructure = AnswerAt(GeometryAnswers, kStripSlot) == "Y" ? "STRIP" : "BEAM";
  for (int s = 1; s <= 3; ++s) {
    int rows = starts[s] > 0 ? ElementCount(s) : 0;
    int cols = ElementTableColumns(type, s, GeometryAnswers);
    WorkTables[s].Redim(rows, cols);
    if (rows > 0) ReadElementTable(TextLines, n, WorkTables[s], rows, cols, starts[s], starts[s] + rows - 1);
  }
}

// The chosen half-space's constants (a tank's base plate keeps them from slot 15 on): without
// them the solver has no soil to work with.
std::string HalfSpaceDataProblem(int type, bool isotropic) {
  const int first = type == 3 ? kBaseModulusSlot : kHalfSpaceModulusSlot;
  std::vector<std::string> texts;
  for (int k = 0; k < (isotropic ? 2 : 5); ++k) texts.push_back(AnswerAt(SupportFlags, first + k));
  return ::HalfSpaceDataProblem(isotropic ? kIsotropicHalfSpaceSlot : kAnisotropicHalfSpaceSlot, texts);
}

bool AnyYes(int first, int last) {
  for (int i = first; i <= last; ++i)
    if (IsYes(AnswerAt(SupportFlags, i))) return true;
  return false;
}

}  // namespace

void CheckSupportData(int type, int& conflict, int& passMarker, int& success) {
  for (;;) {
    int n1 = 0, n2 = 0, n3 = 0;
    LoadSupportFile(type, n1, n2, n3, 0, success);
    std::string message;
    const std::string damage = success == 0 ? std::string() : DataFileDamage(JobSpec + ".SUP", SupportFileForm(type));
    if (!damage.empty()) {
      message = DataMissingMessage(SupportDataName(type), damage);
    } else if (success == 0 || !AnyYes(1, 19)) {
      message = kSupportsNotSpecifiedMessage;
    } else {
      const int n = n1;
      std::vector<double> nodes = AcceptedUnyieldingNodes(UnyieldingNodes, n + 1);
      bool outside = false;
      if (IsYes(AnswerAt(SupportFlags, kUnyieldingSlot)))
        for (double node : nodes) outside = outside || node > n + 1;
      if (outside) {
        // A node the structure does not have: no support row to read; the user corrects the list.
        message = kUnyieldingUnacceptableMessage;
      } else {
        std::string first, second;
        if (IsYes(AnswerAt(SupportFlags, kElasticSupportsSlot))) {
          if (type == 1) {
            if (IsYes(AnswerAt(SupportFlags, kEdgeFixedSlot)) && ElasticSupportTable.Get(1, 2) > 0) first = " 1 ", second = " 3 ";
            if (IsYes(AnswerAt(SupportFlags, kOuterEdgeFixedSlot)) && ElasticSupportTable.Get(n + 1, 2) > 0) first = " 3 ", second = " 7 ";
          }
          if (first.empty() && IsYes(AnswerAt(SupportFlags, kUnyieldingSlot)))
            for (double node : nodes)
              if (ElasticSupportTable.Get(static_cast<int>(node), 1) > 0) {
                first = " 2 ", second = " 3 ";
                break;
              }
        }
        if (!first.empty()) {
          passMarker = 1;
          message = IncorrectSupportDataMessage(first, second);
        } else {
          const bool unstable = type == 1 && passMarker == 0 && !AnyYes(4, 6) &&
                                IsNoAnswer(AnswerAt(SupportFlags, kEdgeFixedSlot)) && IsNoAnswer(AnswerAt(SupportFlags, kOuterEdgeFixedSlot)) &&
                                nodes.size() < 2;
          passMarker = 1;
          if (unstable) {
            message = kUnstableStructureMessage;
          } else {
            bool incorrect = !AnyYes(2, 6);
            const bool w = IsYes(AnswerAt(SupportFlags, kWinklerSlot)), i = IsYes(AnswerAt(SupportFlags, kIsotropicHalfSpaceSlot)),
                       a = IsYes(AnswerAt(SupportFlags, kAnisotropicHalfSpaceSlot));
            if (w && i) first = " 4 ", second = " 5 ";
            else if (w && a) first = " 4 ", second = " 6 ";
            else if (i && a) first = " 5 ", second = " 6 ";
            if (incorrect || !first.empty()) message = IncorrectSupportDataMessage(first, second);
            else if (i || a) message = HalfSpaceDataProblem(type, i);
          }
        }
      }
    }
    if (message.empty()) return;
    conflict = 1;
    int answer = kAnswerNo;
    CorrectDataQuery(message, answer);
    if (answer != kAnswerYes) {
      success = 0;
      return;
    }
    if (CheckHooks.editSupports) CheckHooks.editSupports();
    conflict = 0;
  }
}

void CheckJobData(int type, int& success) {
  int passMarker = 0;
  for (;;) {
    int conflict = 0, supported = 0;
    CheckSupportData(type, conflict, passMarker, supported);
    if (supported == 0) {
      success = 0;
      return;
    }
    LoadCaseNames.assign(51, std::string());
    int count = 0;
    LoadTextLines(JobSpec + ".CAS", LoadCaseNames, 50, count);
    // Every case's load file must be whole before any of them is analysed.
    std::vector<std::string> names;
    for (int i = 1; i <= count && i <= 50; ++i)
      if (!Trim(LoadCaseNames[static_cast<size_t>(i)]).empty()) names.push_back(Trim(LoadCaseNames[static_cast<size_t>(i)]));
    const std::string message =
        names.empty() ? std::string(kNoLoadCaseMessage)
                 : LoadFilesDamage(JobSpec + ".CAS", names, [type](const std::string& name) {
                     return DataFileDamage(LoadFileName(JobSpec, name), LoadFileForm(type));
                   });
    if (!message.empty()) {
      int answer = kAnswerNo;
      CorrectDataQuery(message, answer);
      if (answer != kAnswerYes) {
        success = 0;
        return;
      }
      if (CheckHooks.editLoadCases) CheckHooks.editLoadCases();
      continue;
    }
    ReadJobGeometry(type);
    bool failed = false;
    int code = 0;
    FirstGeometryProblem(type, failed, code);
    if (!failed) {
      success = 1;
      return;
    }
    int corrected = 0;
    CheckGeometryData(corrected, code, type);
    if (corrected != 1) {
      success = 0;
      return;
    }
  }
}

const ResultsProfile& JobResults() {
  static const ResultsProfile profile{{".RB", ".RP", ".RW", ".RR"}, {".GEO", ".SUP"}, ".LD"};
  return profile;
}

}  // namespace corvane
