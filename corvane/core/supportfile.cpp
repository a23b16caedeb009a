#include "corvane/core/supportfile.h"

#include <cctype>
#include <cmath>

#include "core/jobdata.h"
#include "core/numbers.h"
#include "corvane/core/checks.h"
#include "corvane/core/geometryfile.h"
#include "corvane/core/slots.h"

namespace corvane {

namespace {

const char* const kSupportEnd = "------------------------ END OF SUPPORT DATA ------------------------";
const std::string kTankRule(61, '-');

void Put(TextLineArray& lines, int i, const std::string& text) {
  if (lines.size() <= static_cast<size_t>(i)) lines.resize(static_cast<size_t>(i) + 1);
  lines[static_cast<size_t>(i)] = text;
}

// An answer as written: upper case and trimmed.
std::string Answer(const std::vector<std::string>& answers, int i) { return ListedAnswer(AnswerAt(answers, i)); }

double Value(const std::vector<std::string>& answers, int i) { return ParseNumber(AnswerAt(answers, i)); }

// Leaves room for the rows of a table: returns the line of its first row.
int Rows(TextLineArray& lines, int& at, int rows) {
  int first = at + 1;
  for (int k = 0; k < rows; ++k) Put(lines, ++at, "");
  return first;
}

// The sections that a beam/strip, a circular plate and a tank's base plate share (unyielding,
// elastic, Winkler, half-space). Spring units and value counts differ by type.
void ListSoilSections(const std::vector<std::string>& answers, TextLineArray& lines, int& at, int type,
                      int& elasticRows, int& winklerRows, const std::string& unyieldingNodes) {
  bool beamStrip = type == 1;
  int v = type == 3 ? kBaseModulusSlot : kHalfSpaceModulusSlot;  // first half-space value
  if (Answer(answers, kUnyieldingSlot) == "Y") Put(lines, ++at, "UNYIELDING SUPPORTS at Nodes: " + unyieldingNodes);
  if (Answer(answers, kElasticSupportsSlot) == "Y") {
    Put(lines, ++at, "ELASTIC SUPPORTS:");
    if (beamStrip) {
      Put(lines, ++at, "Node 'i'   Vert. Spring Constant   Rotat. Spring Constant");
      Put(lines, ++at, Substructure == "BEAM" ? "                   [kN/m]                [kN*m/rad]"
                                              : "                  [kN/m/m]              [kN*m/rad/m]");
    } else {
      Put(lines, ++at, "Node 'i'   Vert. Spring Constant");
      Put(lines, ++at, "                  [kN/m^2] ");
    }
    elasticRows = Rows(lines, at, elasticRows);
  } else {
    elasticRows = 0;
  }
  if (Answer(answers, kWinklerSlot) == "Y") {
    Put(lines, ++at, "WINKLER FOUNDATION:");
    if (beamStrip) {
      Put(lines, ++at, " Elment 'i'   Subgrade Modulus");
      Put(lines, ++at, "(Nodes i,j)       [kPa/m] ");
    } else {
      Put(lines, ++at, "Element 'i'  Subgrade Modulus at 'i'  Subgrade Modulus at 'j'");
      Put(lines, ++at, "(Nodes i,j)       [kPa/m]                  [kPa/m] ");
    }
    winklerRows = Rows(lines, at, winklerRows);
  } else {
    winklerRows = 0;
  }
  if (Answer(answers, kIsotropicHalfSpaceSlot) == "Y") {
    std::string head = type == 2 ? "ISOTROPIC ELASTIC HALF-SPACE: E= " : "ISOTROPIC ELASTIC HALF-SPACE: E =";
    Put(lines, ++at, head + FormatNumber(Value(answers, v), " #.00000E+##") + "[kPa];   Nu =" +
                         FormatNumber(Value(answers, v + 1), type == 3 ? " 0.0000" : " 0.0###"));
  }
  if (Answer(answers, kAnisotropicHalfSpaceSlot) == "Y") {
    Put(lines, ++at, "CROSS-ANISOTROPIC ELASTIC HALF-SPACE:");
    Put(lines, ++at, "Moduli of Elasticity [kPa]:");
    Put(lines, ++at, "  for Vertical Direction,   Ev =" + FormatNumber(Value(answers, v), " #.00000E+##"));
    Put(lines, ++at, "  for Horizontal Direction, Eh =" + FormatNumber(Value(answers, v + 1), " #.00000E+##"));
    Put(lines, ++at, "  Quasi Shear Modulus,      Gv =" + FormatNumber(Value(answers, v + 2), " #.00000E+##"));
    Put(lines, ++at, "Poisson's Ratios for Effect of Horizontal Stress on:");
    Put(lines, ++at, "  Complementary Horizontal Strain, NUh =" + FormatNumber(Value(answers, v + 3), " 0.0###"));
    Put(lines, ++at, "  Vertical Strain,                 NUv =" + FormatNumber(Value(answers, v + 4), " 0.0###"));
  }
}

std::string Connection(const std::string& code, const char* monolithic, const char* hinged, const char* free) {
  if (code == "M") return monolithic;
  if (code == "H") return hinged;
  return free;
}

const char* const kBaseConnections[3] = {"MONOLITHIC Base Plate-Wall Connection", "HINGED Base Plate-Wall Connection",
                                         "Wall Free to Slide Radially on Base Plate"};
const char* const kRoofConnections[3] = {"MONOLITHIC Roof-Wall Connection", "HINGED Roof-Wall Connection",
                                         "Wall Free to Displace Radially at Top Edge"};

// "M", "H" or "S" after the last of the three connection texts found in the file; "N" when none is.
std::string ConnectionCode(const TextLineArray& lines, int n, const char* const texts[3]) {
  std::string code = "N";
  const char* codes[3] = {"M", "H", "S"};
  for (int k = 0; k < 3; ++k) {
    int at = 0;
    FindTextLine(lines, n, texts[k], at);
    if (at > 0) code = codes[k];
  }
  return code;
}

std::string AnswerOf(const TextLineArray& lines, int n, const std::string& label) {
  int at = 0;
  std::string value;
  FindAnswer(lines, n, label, at, value);
  return value;
}

int LineOf(const TextLineArray& lines, int n, const std::string& title) {
  int at = 0;
  std::string value;
  FindAnswer(lines, n, title, at, value);
  return at;
}

// The text after the first "=" of a line, trimmed.
std::string AfterEquals(const TextLineArray& lines, int n, int i) {
  if (i < 1 || i > n || static_cast<size_t>(i) >= lines.size()) return std::string();
  const std::string& line = lines[static_cast<size_t>(i)];
  size_t eq = line.find('=');
  return eq == std::string::npos ? std::string() : Trim(line.substr(eq + 1));
}

void NumberRows(Table2D<float>& table, int rows, int cols) {
  table.Redim(rows, cols);
  for (int r = 1; r <= rows; ++r) table(r, 0) = static_cast<float>(r);
}

}  // namespace

void ListSupports(const std::vector<std::string>& answers, TextLineArray& lines, int& count, int type, int& elasticRows,
                  int& winklerRows, int& wallRestraintRows, int& wallWinklerRows, const std::string& header,
                  const std::string& unyieldingNodes) {
  int at = 1;
  Put(lines, 1, header);
  if (type == 3) {
    Put(lines, ++at, kTankRule);
    Put(lines, ++at, "BASE PLATE SUPPORT DATA:");
    Put(lines, ++at, "Edge Fixed against Rotation (?):  " + Answer(answers, kEdgeFixedSlot));
    ListSoilSections(answers, lines, at, type, elasticRows, winklerRows, unyieldingNodes);

    Put(lines, ++at, kTankRule);
    Put(lines, ++at, "WALL CYLINDER CONSTRAINT DATA:");
    if (Answer(answers, kWallWinklerSlot) == "Y") {
      Put(lines, ++at, "WINKLER SOIL AROUND WALL:");
      Put(lines, ++at, "Element 'i' Soil Subgrade Modulus");
      Put(lines, ++at, "(Nodes i,j)       [kPa/m] ");
      wallWinklerRows = Rows(lines, at, wallWinklerRows);
    } else {
      wallWinklerRows = 0;
    }
    if (Answer(answers, kWallRestraintsSlot) == "Y") {
      Put(lines, ++at, "ELASTIC NODAL RESTRAINTS:");
      Put(lines, ++at, "Node 'i'  Horiz. Spring Constant   Rotat. Spring Constant");
      Put(lines, ++at, "                  [kN/m^2]              [kN*m/rad/m]");
      wallRestraintRows = Rows(lines, at, wallRestraintRows);
    } else {
      wallRestraintRows = 0;
    }
    Put(lines, ++at, Connection(Answer(answers, kPlateWallJointSlot), kBaseConnections[0], kBaseConnections[1], kBaseConnections[2]));
    Put(lines, ++at, "Base Plate-Wall Junction at Plate Middle Plane (?):  " + Answer(answers, kPlateJointMiddleSlot));
    bool roof = ElementCount(3) > 0;
    if (roof) {
      Put(lines, ++at, Connection(Answer(answers, kRoofWallJointSlot), kRoofConnections[0], kRoofConnections[1], kRoofConnections[2]));
      Put(lines, ++at, "Roof-Wall Junction at Roof Middle Surface (?):  " + Answer(answers, kRoofJointMiddleSlot));
      Put(lines, ++at, kTankRule);
      Put(lines, ++at, "ROOF CONSTRAINT DATA:");
      if (JobDataTable.Get(3, 2) > 0) {
        Put(lines, ++at, "Roof Outer Edge Fixed Against Rotation (?):  " + Answer(answers, kRoofEdgeFixedSlot));
        Put(lines, ++at, "Roof Inner Edge Fixed Against Rotation (?):  " + Answer(answers, kRoofInnerEdgeFixedSlot));
      } else {
        Put(lines, ++at, "Roof Edge Fixed Against Rotation (?):  " + Answer(answers, kRoofEdgeFixedSlot));
      }
    } else {
      Put(lines, ++at, "Top Wall Edge Fixed against Rotation (?):  " + Answer(answers, kRoofWallJointSlot));
    }
  } else {
    wallRestraintRows = wallWinklerRows = 0;
    if (type == 2) {
      Put(lines, ++at, "CIRCULAR PLATE SUPPORT DATA:");
      if (JobDataTable.Get(1, 2) > 0) {
        Put(lines, ++at, "Inner Edge Fixed against Rotation (?):  " + Answer(answers, kEdgeFixedSlot));
        Put(lines, ++at, "Outer Edge Fixed against Rotation (?):  " + Answer(answers, kOuterEdgeFixedSlot));
      } else {
        Put(lines, ++at, "Edge Fixed against Rotation (?):  " + Answer(answers, kEdgeFixedSlot));
      }
    } else {
      Put(lines, ++at, "BEAM/STRIP SUPPORT DATA:");
      Put(lines, ++at, "Left Edge Fixed against Rotation (?):  " + Answer(answers, kEdgeFixedSlot));
      Put(lines, ++at, "Right Edge Fixed against Rotation (?):  " + Answer(answers, kOuterEdgeFixedSlot));
    }
    ListSoilSections(answers, lines, at, type, elasticRows, winklerRows, unyieldingNodes);
  }
  Put(lines, ++at, "");
  Put(lines, ++at, kSupportEnd);
  count = at;
}

void ListSupportRows(TextLineArray& lines, int, const Table2D<float>& table, int values, int first, int last) {
  for (int i = first; i <= last; ++i) {
    int r = i - first + 1;
    std::string line = FormatNumber(std::nearbyint(static_cast<double>(table.Get(r, 0))), "* ##0") +
                       FormatNumber(table.Get(r, 1), "            #.00000E+##    ");
    if (values == 2) line += FormatNumber(table.Get(r, 2), "          #.00000E+##");
    Put(lines, i, line);
  }
}

void ClearSupportFlags(int type) {
  SupportFlags.assign(20, std::string());
  int lastAnswer = type == 3 ? kRoofInnerEdgeFixedSlot : kOuterEdgeFixedSlot;
  for (int i = 1; i <= lastAnswer; ++i) SupportFlags[static_cast<size_t>(i)] = "N";
  UnyieldingNodes.clear();
}

void ReadSupportData(std::vector<std::string>& answers, const TextLineArray& lines, int n, int type, int& elasticStart,
                     int& winklerStart, int& wallRestraintStart, int& wallWinklerStart, const std::string&,
                     std::string& unyieldingNodes, int& wallTitle, int& roofTitle) {
  elasticStart = winklerStart = wallRestraintStart = wallWinklerStart = wallTitle = roofTitle = 0;
  if (static_cast<size_t>(n) >= lines.size()) n = static_cast<int>(lines.size()) - 1;
  answers.assign(20, std::string());
  int lastAnswer = type == 3 ? kRoofInnerEdgeFixedSlot : kOuterEdgeFixedSlot;
  for (int i = 1; i <= lastAnswer; ++i) answers[static_cast<size_t>(i)] = "N";
  auto section = [&](int item, const char* title, int& start) {
    int at = LineOf(lines, n, title);
    answers[static_cast<size_t>(item)] = at > 0 ? "Y" : "N";
    start = at > 0 ? at + 3 : 0;
  };

  if (type == 1) {
    answers[kEdgeFixedSlot] = AnswerOf(lines, n, "Left Edge Fixed against Rotation (?)");
    answers[kOuterEdgeFixedSlot] = AnswerOf(lines, n, "Right Edge Fixed against Rotation (?)");
  } else if (type == 2) {
    int at = 0;
    std::string value;
    FindAnswer(lines, n, "Inner Edge Fixed against Rotation (?)", at, value);
    if (at == 0) FindAnswer(lines, n, "Edge Fixed against Rotation (?)", at, value);
    answers[kEdgeFixedSlot] = value;
    answers[kOuterEdgeFixedSlot] = AnswerOf(lines, n, "Outer Edge Fixed against Rotation (?)");
  } else {
    answers[kEdgeFixedSlot] = AnswerOf(lines, n, "Edge Fixed against Rotation (?)");
  }

  int at = 0;
  std::string list;
  FindLabelLine(lines, 1, n, "UNYIELDING SUPPORTS at Nodes", at, list);
  if (at > 0 && !list.empty() && list.find_first_not_of(" ,0123456789") == std::string::npos) {
    answers[kUnyieldingSlot] = "Y";
    unyieldingNodes = list;
  } else {
    answers[kUnyieldingSlot] = "N";
    unyieldingNodes.clear();
  }
  section(kElasticSupportsSlot, "ELASTIC SUPPORTS", elasticStart);
  section(kWinklerSlot, "WINKLER FOUNDATION", winklerStart);

  int v = type == 3 ? kBaseModulusSlot : kHalfSpaceModulusSlot;
  int iso = LineOf(lines, n, "ISOTROPIC ELASTIC HALF-SPACE");
  answers[kIsotropicHalfSpaceSlot] = iso > 0 ? "Y" : "N";
  if (iso > 0) {
    const std::string& line = lines[static_cast<size_t>(iso)];
    size_t eq = line.find('='), bracket = line.find('[', eq == std::string::npos ? 0 : eq);
    if (eq != std::string::npos)
      answers[static_cast<size_t>(v)] =
          Trim(line.substr(eq + 1, bracket == std::string::npos ? std::string::npos : bracket - eq - 1));
    size_t last = line.rfind('=');
    if (last != std::string::npos) answers[static_cast<size_t>(v + 1)] = Trim(line.substr(last + 1));
  }
  int cross = LineOf(lines, n, "CROSS-ANISOTROPIC ELASTIC HALF-SPACE");
  answers[kAnisotropicHalfSpaceSlot] = cross > 0 ? "Y" : "N";
  if (cross > 0) {
    const int offsets[5] = {2, 3, 4, 6, 7};
    for (int k = 0; k < 5; ++k) answers[static_cast<size_t>(v + k)] = AfterEquals(lines, n, cross + offsets[k]);
  }

  if (type == 3) {
    wallTitle = LineOf(lines, n, "WALL CYLINDER CONSTRAINT DATA");
    roofTitle = LineOf(lines, n, "ROOF CONSTRAINT DATA");
    section(kWallWinklerSlot, "WINKLER SOIL AROUND WALL", wallWinklerStart);
    section(kWallRestraintsSlot, "ELASTIC NODAL RESTRAINTS", wallRestraintStart);
    answers[kPlateWallJointSlot] = ConnectionCode(lines, n, kBaseConnections);
    answers[kPlateJointMiddleSlot] = AnswerOf(lines, n, "Base Plate-Wall Junction at Plate Middle Plane (?)");
    int top = 0;
    std::string value;
    FindAnswer(lines, n, "Top Wall Edge Fixed against Rotation (?)", top, value);
    answers[kRoofWallJointSlot] = top > 0 ? value : ConnectionCode(lines, n, kRoofConnections);
    answers[kRoofJointMiddleSlot] = AnswerOf(lines, n, "Roof-Wall Junction at Roof Middle Surface (?)");
    FindAnswer(lines, n, "Roof Edge Fixed Against Rotation (?)", at, value);
    if (at == 0) FindAnswer(lines, n, "Roof Outer Edge Fixed Against Rotation (?)", at, value);
    answers[kRoofEdgeFixedSlot] = value;
    answers[kRoofInnerEdgeFixedSlot] = AnswerOf(lines, n, "Roof Inner Edge Fixed Against Rotation (?)");
  }
}

void LoadSupportFile(int type, int& elements1, int& elements2, int& elements3, int, int& success) {
  Table2D<float> none;
  LoadGeometryFile(JobSpec, none, 0, type, success);
  if (success != 1) return;
  elements1 = ElementCount(1);
  elements2 = ElementCount(2);
  elements3 = ElementCount(3);
  bool beamStrip = type == 1;
  NumberRows(ElasticSupportTable, elements1 + 1, 2);
  NumberRows(WinklerTable, elements1, 2);
  NumberRows(WallRestraintTable, elements2 + 1, 2);
  NumberRows(WallWinklerTable, elements2, 1);
  ClearSupportFlags(type);

  TextLines.assign(2, std::string());
  int n = 0;
  LoadTextLines(JobSpec + ".SUP", TextLines, 5000, n);
  if (n > 2) {
    int starts[4] = {0, 0, 0, 0}, wallTitle = 0, roofTitle = 0;
    ReadSupportData(SupportFlags, TextLines, n, type, starts[0], starts[1], starts[2], starts[3], JobSpec,
                    UnyieldingNodes, wallTitle, roofTitle);
    if (starts[0] > 0) ReadIndexedRows(TextLines, ElasticSupportTable, n, elements1 + 1, beamStrip ? 2 : 1, starts[0]);
    if (starts[1] > 0) ReadIndexedRows(TextLines, WinklerTable, n, elements1, beamStrip ? 1 : 2, starts[1]);
    if (type == 3) {
      if (starts[2] > 0) ReadIndexedRows(TextLines, WallRestraintTable, n, elements2 + 1, 2, starts[2]);
      if (starts[3] > 0) ReadIndexedRows(TextLines, WallWinklerTable, n, elements2, 1, starts[3]);
    }
  }
  TextLines.assign(2, std::string());
}

DataFileForm SupportFileForm(int type) {
  const int n1 = ElementCount(1), n2 = ElementCount(2);
  const bool beamStrip = type == 1;
  DataFileForm form{{type == 3 ? "BASE PLATE SUPPORT DATA" : type == 2 ? "CIRCULAR PLATE SUPPORT DATA" : "BEAM/STRIP SUPPORT DATA"},
                    kSupportEnd,
                    {{"ELASTIC SUPPORTS", "tt", beamStrip ? 2 : 1, n1 + 1, -1},
                     {"WINKLER FOUNDATION", "tt", beamStrip ? 1 : 2, n1, -1}},
                    {},
                    HalfSpaceNumbers()};
  if (type == 3) {
    form.labels.push_back("WALL CYLINDER CONSTRAINT DATA");
    form.tables.push_back({"WINKLER SOIL AROUND WALL", "tt", 1, n2, -1});
    form.tables.push_back({"ELASTIC NODAL RESTRAINTS", "tt", 2, n2 + 1, -1});
    for (const char* text : kBaseConnections) form.followers.push_back(text);
  }
  return form;
}

std::string SupportDataName(int type) {
  return type == 3 ? "TANK SUPPORT DATA" : type == 2 ? "CIRCULAR PLATE SUPPORT DATA" : "BEAM/STRIP SUPPORT DATA";
}

bool SaveSupportFile(int type) {
  bool beamStrip = type == 1;
  int nb = ElementCount(1), nw = ElementCount(2);
  int elasticValues = beamStrip ? 2 : 1, winklerValues = beamStrip ? 1 : 2;
  int rows[4] = {0, 0, 0, 0};
  CompactZeroRows(ElasticSupportTable, nb + 1, elasticValues, rows[0]);
  CompactZeroRows(WinklerTable, nb, winklerValues, rows[1]);
  if (rows[0] == 0) AnswerSlot(SupportFlags, kElasticSupportsSlot) = "N";
  if (rows[1] == 0) AnswerSlot(SupportFlags, kWinklerSlot) = "N";
  if (type == 3) {
    CompactZeroRows(WallRestraintTable, nw + 1, 2, rows[2]);
    CompactZeroRows(WallWinklerTable, nw, 1, rows[3]);
    if (rows[3] == 0) AnswerSlot(SupportFlags, kWallWinklerSlot) = "N";
    if (rows[2] == 0) AnswerSlot(SupportFlags, kWallRestraintsSlot) = "N";
  }
  int starts[4] = {rows[0], rows[1], rows[2], rows[3]};
  TextLineArray lines(2);
  int count = 0;
  ListSupports(SupportFlags, lines, count, type, starts[0], starts[1], starts[2], starts[3], SupportHeader(JobSpec),
               UnyieldingNodes);
  const Table2D<float>* tables[4] = {&ElasticSupportTable, &WinklerTable, &WallRestraintTable, &WallWinklerTable};
  const int values[4] = {elasticValues, winklerValues, 2, 1};
  for (int k = 0; k < 4; ++k)
    if (starts[k] > 0 && rows[k] > 0) ListSupportRows(lines, count, *tables[k], values[k], starts[k], starts[k] + rows[k] - 1);
  return SaveJobDataFile(JobResults(), JobSpec, JobSpec + ".SUP", lines, count);
}

}  // namespace corvane
