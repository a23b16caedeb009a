#include "corvane/core/geometryfile.h"

#include <cmath>

#include "core/correction.h"
#include "core/jobdata.h"
#include "core/numbers.h"
#include "corvane/core/checks.h"
#include "corvane/core/slots.h"

namespace corvane {

namespace {

const char* const kGeometryEnd = "--------------------- END OF GEOMETRY DATA ---------------------";
const std::string kTankRule(55, '-');
const char* const kWidthHeading = "Element 'i'  Element Width [m]  Thickness [m]";

void Put(TextLineArray& lines, int i, const std::string& text) {
  if (lines.size() <= static_cast<size_t>(i)) lines.resize(static_cast<size_t>(i) + 1);
  lines[static_cast<size_t>(i)] = text;
}

double Item(int s, int i) { return JobDataTable.Get(s, i); }

// Number of elements as written: the whole part of item 1.
double Elements(int s) { return std::floor(Item(s, 1)); }

// Leaves room for n element rows after line `at` (the rows come later) and returns the line of
// the first row.
int RowsAfter(TextLineArray& lines, int& at, int n) {
  int first = at + 1;
  for (int k = 0; k < n; ++k) Put(lines, ++at, "");
  return first;
}

}  // namespace

GeometryCorrection GeometryCorrectionHooks;

void ListGeometry(TextLineArray& lines, int& count, const std::vector<std::string>& answers, int& start1,
                  int& start2, int& start3, int type, const std::string& header) {
  start1 = start2 = start3 = 0;
  int at = 1;
  Put(lines, 1, header);
  if (type == 1) {
    bool strip = AnswerAt(answers, kStripSlot) == "Y";
    Put(lines, ++at, std::string("BEAM/STRIP DATA:") + (strip ? "  strip" : "  beam"));
    Put(lines, ++at, "No of Elements  Length [m]  Young's Modulus [kPa]   Poisson's Ratio");
    Put(lines, ++at, "       " + NumberToText(Elements(1)) + "         " + NumberToText(Item(1, 2)) +
                         FormatNumber(Item(1, 3), "             #.0000E+##") +
                         FormatNumber(Item(1, 4), "            0.000"));
    Put(lines, ++at, "Coefficient of Thermal Expansion:" + FormatNumber(Item(1, 5), "   #.000E+##"));
    Put(lines, ++at, strip ? "Element 'i' Element Length [m]  Thickness [m]"
                           : "Element 'i'  Element Length [m]   Width [m]      Thickness [m]");
    start1 = RowsAfter(lines, at, ElementCount(1));
  } else if (type == 2) {
    Put(lines, ++at, "CIRCULAR PLATE DATA:");
    Put(lines, ++at, "No of Elements  Inner Radius [m]  Outer Radius [m]");
    Put(lines, ++at, FormatNumber(Elements(1), "* #####0") + FormatNumber(Item(1, 2), "* ###########0.0000") +
                         FormatNumber(Item(1, 3), "* ###########0.0000"));
    Put(lines, ++at, "Young's Modulus [kPa]   Poisson's Ratio");
    Put(lines, ++at, FormatNumber(Item(1, 4), "       #.0000E+##") + FormatNumber(Item(1, 5), "            0.000"));
    Put(lines, ++at, "Coefficient of Thermal Expansion:" + FormatNumber(Item(1, 6), "   #.000E+##"));
    Put(lines, ++at, kWidthHeading);
    start1 = RowsAfter(lines, at, ElementCount(1));
  } else if (type == 3) {
    Put(lines, ++at, kTankRule);
    Put(lines, ++at, "BASE PLATE DATA:");
    Put(lines, ++at, "No of Elements    Radius [m]   Young's Modulus [kPa]");
    Put(lines, ++at, FormatNumber(Elements(1), "* #####0") + FormatNumber(Item(1, 2), "* ##########0.0000") +
                         FormatNumber(Item(1, 3), "         0.0000E+##"));
    Put(lines, ++at, "Poisson's Ratio  In-Plane Def.(?)");
    Put(lines, ++at, FormatNumber(Item(1, 4), "     0.000") + "            " + AnswerAt(answers, kStripSlot));
    Put(lines, ++at, "Coefficient of Thermal Expansion:" + FormatNumber(Item(1, 5), "   #.000E+##"));
    Put(lines, ++at, kWidthHeading);
    start1 = RowsAfter(lines, at, ElementCount(1));

    Put(lines, ++at, kTankRule);
    Put(lines, ++at, "WALL DATA:");
    Put(lines, ++at, "No of Elements      Radius [m]       Height [m]");
    Put(lines, ++at, FormatNumber(Elements(2), "* #####0") + FormatNumber(Item(2, 2), "* ############0.0000") +
                         FormatNumber(Item(2, 3), "* #########0.0000"));
    Put(lines, ++at, "Young's Modulus [kPa]  Poisson's Ratio  In-Plane Def.(?)");
    Put(lines, ++at, FormatNumber(Item(2, 4), "     #.000E+##") + FormatNumber(Item(2, 5), "             0.000") +
                         "              " + AnswerAt(answers, kWallInPlaneSlot));
    Put(lines, ++at, "Coefficient of Thermal Expansion:" + FormatNumber(Item(2, 6), "   #.000E+##"));
    Put(lines, ++at, kWidthHeading);
    start2 = RowsAfter(lines, at, ElementCount(2));

    bool shell = AnswerAt(answers, kShellRoofSlot) == "Y";
    Put(lines, ++at, kTankRule);
    Put(lines, ++at, "ROOF GEOMETRY DATA:");
    Put(lines, ++at, "Shell Structure (?)  " + AnswerAt(answers, kShellRoofSlot));
    if (shell) Put(lines, ++at, "Radial Section in form of a CURVE (?)  " + AnswerAt(answers, kCurvedSectionSlot));
    Put(lines, ++at, "No of Elements  Inner Radius [m]  Outer Radius [m]");
    Put(lines, ++at, FormatNumber(Elements(3), "* #######0") + FormatNumber(Item(3, 2), "         ##0.0000") +
                         FormatNumber(Item(3, 3), "* ############0.0000"));
    std::string values = FormatNumber(Item(3, 4), "    0.0000E+##") + FormatNumber(Item(3, 5), "              0.000");
    if (shell) {
      Put(lines, ++at, "Young's Modulus [kPa]   Poisson's Ratio ");
      Put(lines, ++at, values + "              ");
    } else {
      Put(lines, ++at, "Young's Modulus [kPa]   Poisson's Ratio  In-Plane Def.(?)");
      Put(lines, ++at, values + "              " + AnswerAt(answers, kRoofInPlaneSlot));
    }
    Put(lines, ++at, "Coefficient of Thermal Expansion:" + FormatNumber(Item(3, 6), "   0.000E+##"));
    int nr = ElementCount(3);
    if (nr > 0) {
      if (shell) {
        Put(lines, ++at, "                 Length           Length");
        Put(lines, ++at, "Element 'i'  X-Component [m]  Z-Component [m]    Thickness [m]");
      } else {
        Put(lines, ++at, kWidthHeading);
      }
      start3 = RowsAfter(lines, at, nr);
    }
  }
  Put(lines, ++at, "");
  Put(lines, ++at, kGeometryEnd);
  count = at;
}

void ListGeometryRows(TextLineArray& lines, const std::vector<std::string>& answers, const Table2D<float>& table,
                      int n, int start, bool threeColumns, int substructure) {
  bool roof = substructure == 3 || (substructure == 0 && Substructure == "ROOF STRUCTURE");
  bool shell = roof && AnswerAt(answers, kShellRoofSlot) == "Y";
  const char* mask1 = shell ? "           #.0000E+#  " : "              0.0000  ";
  const char* mask2 = shell ? "      #.0000E+#  " : "         0.0000  ";
  for (int i = 1; i <= n; ++i) {
    std::string line = FormatNumber(static_cast<double>(i), "* ##0") + FormatNumber(table.Get(i, 1), mask1) +
                       FormatNumber(table.Get(i, 2), mask2);
    if (threeColumns) line += FormatNumber(table.Get(i, 3), "         0.0000  ");
    Put(lines, start + i - 1, line);
  }
}

DataFileForm GeometryFileForm(int type, int substructure, int start) {
  TableForm rows;
  rows.label.clear();
  rows.headings.clear();
  rows.values = ElementTableColumns(type, substructure, GeometryAnswers);
  rows.rows = start > 0 ? ElementCount(substructure) : 0;
  rows.start = start;
  DataFileForm form{{}, kGeometryEnd, {rows}, {}};
  // The section values, checked once with the first substructure's rows.
  if (substructure == 1) {
    if (type == 1) form.numbers = {{"BEAM/STRIP DATA", "# # # #", 2}};
    if (type == 2) form.numbers = {{"CIRCULAR PLATE DATA", "# # #", 2}, {"CIRCULAR PLATE DATA", "# #", 4}};
    if (type == 3)
      form.numbers = {{"BASE PLATE DATA", "# # #", 2}, {"BASE PLATE DATA", "# ?", 4}, {"WALL DATA", "# # #", 2},
                      {"WALL DATA", "# # ?", 4}};
    form.numbers.push_back({"Coefficient of Thermal Expansion"});
  }
  return form;
}

int ElementTableColumns(int type, int substructure, const std::vector<std::string>& answers) {
  if (type == 1 && substructure == 1) return AnswerAt(answers, kStripSlot) == "Y" ? 2 : 3;
  if (type == 3 && substructure == 3) return AnswerAt(answers, kShellRoofSlot) == "Y" ? 3 : 2;
  return 2;
}

void LoadGeometryFile(const std::string& job, Table2D<float>& table, int substructure, int type, int& success) {
  for (;;) {
    TextLines.assign(2, std::string());
    int n = 0;
    LoadTextLines(job + ".geo", TextLines, 5000, n);
    // The file is the only truth: what a damaged or foreign file lacks must not be taken from
    // the job that was open before.
    JobDataTable.Redim(8, 6);
    ClearFileAnswers();
    int starts[4] = {0, 0, 0, 0};
    ReadGeometrySections(TextLines, n, type, JobDataTable, GeometryAnswers, starts[1], starts[2], starts[3]);
    if (StructureType == "BEAM/STRIP") Substructure = AnswerAt(GeometryAnswers, kStripSlot) == "Y" ? "STRIP" : "BEAM";

    success = 1;
    std::string message;
    if (type == 3) {
      if (Item(1, 1) < 2 || n == 0) {
        message = " BASE PLATE GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!";
      } else if (Item(2, 1) < 2) {
        message = " WALL CYLINDER GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!";
      }
    } else if (type == 2) {
      if (Item(1, 1) < 2 || n == 0) message = " CIRCULAR PLATE GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!";
    } else if (Item(1, 1) < 2 || n == 0) {
      message = " BEAM/STRIP GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!";
    }
    // Element rows cut short, miscounted or of another form: the substructure's data are missing.
    const char* const damagedMessages[4] = {"", "", " WALL CYLINDER GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!",
                                            " ROOF GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!"};
    for (int s = 1; s <= (type == 3 ? 3 : 1) && message.empty(); ++s) {
      const std::string damage = DataFileDamage(TextLines, n, GeometryFileForm(type, s, starts[s]));
      if (damage.empty()) continue;
      if (type == 3) message = s == 1 ? " BASE PLATE GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!" : damagedMessages[s];
      else if (type == 2) message = " CIRCULAR PLATE GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!";
      else message = " BEAM/STRIP GEOMETRY AND MAT. PROPERTIES DATA ARE MISSING!";
      message = DamagedDataMessage(message, damage);  // the line named
    }
    if (message.empty()) {
      if (substructure >= 1 && substructure <= 3) {
        int rows = starts[substructure] > 0 ? ElementCount(substructure) : 0;
        int cols = ElementTableColumns(type, substructure, GeometryAnswers);
        table.Redim(rows, cols);
        if (rows > 0) ReadElementTable(TextLines, n, table, rows, cols, starts[substructure], starts[substructure] + rows - 1);
      }
      return;
    }
    success = 0;
    if (!GeometryCorrectionHooks.ask || !GeometryCorrectionHooks.edit) return;
    if (!GeometryCorrectionHooks.ask(message)) return;
    if (GeometryCorrectionHooks.edit() != 1) return;
  }
}

void SetRadialSectionAnswer(TextLineArray& lines, int last) {
  int at = 0;
  std::string value;
  FindLabelLine(lines, 3, last, "ROOF GEOMETRY DATA", at, value);
  if (at == 0 || at + 2 > last || static_cast<size_t>(at + 2) >= lines.size()) return;
  // Only the radial-section line itself: a plate roof's listing has its element-count heading there.
  if (lines[static_cast<size_t>(at + 2)].compare(0, 14, "Radial Section") != 0) return;
  lines[static_cast<size_t>(at + 2)] = "Radial Section in form of a CURVE (?)  " + AnswerAt(GeometryAnswers, kCurvedSectionSlot);
}

int GeometryFileWrites = 0;

void ClearFileAnswers() {
  for (int i : {1, 2, 3, 4, 7}) AnswerSlot(GeometryAnswers, i).clear();
}

void BuildGeometryLines(const std::string& job, TextLineArray& lines, int& count) {
  int type = StructureCode();
  lines.assign(2, std::string());
  count = 0;
  int starts[4] = {0, 0, 0, 0};
  ListGeometry(lines, count, GeometryAnswers, starts[1], starts[2], starts[3], type, GeometryHeader(job));
  for (int s = 1; s <= 3; ++s) {
    if (starts[s] == 0) continue;
    ListGeometryRows(lines, GeometryAnswers, WorkTables[s], ElementCount(s), starts[s],
                     ElementTableColumns(type, s, GeometryAnswers) == 3, type == 3 ? s : 1);
  }
  if (type == 3) SetRadialSectionAnswer(lines, count);
}

bool SaveGeometryLines(const std::string& job, const TextLineArray& lines, int count) {
  if (!SaveJobDataFile(JobResults(), job, job + ".geo", lines, count)) return false;
  ++GeometryFileWrites;
  return true;
}

bool SaveGeometryFile(const std::string& job) {
  TextLineArray lines;
  int count = 0;
  BuildGeometryLines(job, lines, count);
  return SaveGeometryLines(job, lines, count);
}

}  // namespace corvane
