#include "murelo/core/resultsreport.h"

#include <algorithm>
#include <cmath>

#include "core/numbers.h"
#include "core/reporttext.h"

namespace murelo {

namespace {

double At(const Vector& v, int i) { return (i >= 0 && static_cast<size_t>(i) < v.size()) ? v[i] : 0.0; }

bool FixedRange(double a) { return a >= 0.1 && a < 10000; }

// Shear, axial force and moment: a value that counts as 0 takes the fixed mask (never "-.00").
std::string ForceText(double v) {
  double a = std::fabs(v);
  if (a < 1.0E-9) return FormatNumber(0.0, "* #########.00  ");
  return FormatNumber(v, FixedRange(a) ? "* #########.00  " : "       #.0000E+#;      -#.0000E+#");
}

// Rotations [rad] and translations [mm].
std::string DisplacementText(double v) {
  double a = std::fabs(v);
  if (a < 1.0E-6) return FormatNumber(0.0, "* #####0.00     ");
  return FormatNumber(v, FixedRange(a) ? "* #####0.00     " : "    #.0000E+##   ;   -#.0000E+##   ");
}

std::string PressureText(double v) {
  double a = std::fabs(v);
  if (a < 1.0E-6) return FormatNumber(0.0, "* #######0.00");
  return FormatNumber(v, FixedRange(a) ? "* #######0.00" : "   #.0000E+##;  -#.0000E+##");
}

std::string TotalText(double v) {
  double a = std::fabs(v);
  if (a <= 1.0E-9) return FormatNumber(0.0, " ####0.000 ");
  return FormatNumber(v, FixedRange(a) ? " ####0.000 " : " #.####E+##");
}

// The printed values of a row differ when any of them differs by more than 0.1 % of the larger.
bool RowsDiffer(const std::string (&a)[3], const std::string (&b)[3]) {
  for (int k = 0; k < 3; ++k) {
    double x = ParseNumber(a[k]), y = ParseNumber(b[k]);
    if (std::fabs(x - y) > 0.001 * std::max(std::fabs(x), std::fabs(y))) return true;
  }
  return false;
}

}  // namespace

TextLineArray SubstructureResultLines(int soilKind, const EndForceTable& forces, const Table2D<double>& displacements,
                                      const Vector& pressures, double total, const Vector& widths, int nodes,
                                      const std::string& header, const std::string& name) {
  const bool plate = name == "BASE PLATE";
  const bool soil = soilKind == 1 || soilKind == 2;
  TextLineArray lines(1);
  auto add = [&lines](const std::string& text) { lines.push_back(text); };
  if (plate) {
    AddReportOpening(lines, header);
  } else {
    add("");
    add(std::string(75, '*'));
  }
  add(name);
  add(std::string(name.size(), '^'));
  add("                    --- I N T E R N A L  F O R C E S ---");
  add(std::string("Distance from    Shear Force     Axial Force") + "   Bending Moment");
  add(std::string(plate ? "   Toe [m]         [kN/m]          [kN/m]" : "  Base [m]         [kN/m]          [kN/m]") +
      "         [kN.m/m]");

  Vector x(nodes + 1, 0.0);
  for (int i = 2; i <= nodes; ++i) x[i] = x[i - 1] + At(widths, i - 1);
  // Node i: element i-1 ends there (its end j), element i begins there (its end i).
  for (int i = 1; i <= nodes; ++i) {
    const std::string distance = FormatNumber(std::fabs(x[i]) < 1.0E-9 ? 0.0 : x[i], "* ##0.000  ");
    std::string left[3], right[3];
    if (i > 1) {
      int e = i - 1;
      left[0] = ForceText(forces(e, 3));
      left[1] = ForceText(forces(e, 6));
      left[2] = ForceText(-forces(e, 4));
    }
    if (i < nodes) {
      right[0] = ForceText(forces(i, 1));
      right[1] = ForceText(forces(i, 5));
      right[2] = ForceText(forces(i, 2));
    }
    if (i > 1 && (i == nodes || RowsDiffer(left, right))) add(distance + left[0] + left[1] + left[2]);
    if (i < nodes) add(distance + right[0] + right[1] + right[2]);
  }
  add("");
  add("**REMARK:");
  add("        - POSITIVE SHEARS tend to cause Clockwise Rotation of Elements");
  add("        - Tensile AXIAL FORCES are POSITIVE");
  add(plate ? "        - POSITIVE MOMENTS produce Tension in Bottom Fibres"
            : "        - POSITIVE MOMENTS produce Tension in Fibres on Backfill Side");
  add(std::string(75, '-'));
  add("");
  if (soil) {
    add(std::string("                    ----- D I S P L A C E M E N T S -----          ") + "  Contact Pressure");
  } else {
    add(plate ? "                    ----- D I S P L A C E M E N T S -----"
              : "               -- D I S P L A C E M E N T S --");
  }
  add(plate ? "Distance from  Rotation Angle   Vert. Transl.   Horiz. Transl."
            : "Distance from  Rotation Angle  Horiz. Translation");
  add(std::string(plate ? "  Left [m]         [rad]            [mm]            [mm]  "
                        : "  Left [m]         [rad]            [mm] ") +
      (soil ? "           [kPa] " : ""));
  for (int i = 1; i <= nodes; ++i) {
    std::string row = FormatNumber(std::fabs(x[i]) < 1.0E-9 ? 0.0 : x[i], "* ##0.000    ") +
                      DisplacementText(displacements.Get(i, 1)) + DisplacementText(displacements.Get(i, 2) * 1000);
    if (plate) row += DisplacementText(displacements.Get(i, 3) * 1000);
    if (soil) row += PressureText(At(pressures, i));
    add(row);
  }
  if (soil) {
    add("");
    add(std::string(soilKind == 1 ? "TOTAL REACTION FROM ELASTIC FOUNDATION: "
                                  : "Estimate of Total Reaction from Elastic Foundation:") +
        TotalText(total) + "[kN]");
  }
  add("");
  add("**REMARKS:");
  add("         - Angle of Rotation is POSITIVE when CLOCKWISE");
  if (plate) add("         - Vertical Translation is POSITIVE if DOWNWARD");
  add("         - Horizontal Translation is POSITIVE if TOWARD TOE");
  return lines;
}

bool WriteSubstructureResults(int soilKind, const EndForceTable& forces, const Table2D<double>& displacements,
                              const Vector& pressures, double total, const Vector& widths, int nodes,
                              const std::string& fileName, const std::string& header, const std::string& name) {
  TextLineArray section =
      SubstructureResultLines(soilKind, forces, displacements, pressures, total, widths, nodes, header, name);
  TextLineArray lines(1);
  int count = 0;
  if (name != "BASE PLATE") {
    LoadTextLines(fileName, lines, 5000, count);
    if (count == 0) return false;  // the section that begins the report is missing
    lines.resize(static_cast<size_t>(count) + 1);
  }
  lines.insert(lines.end(), section.begin() + 1, section.end());
  return SaveTextLines(fileName, lines, static_cast<int>(lines.size()) - 1);
}

}  // namespace murelo
