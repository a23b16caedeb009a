#include "palvore/core/resultsreport.h"

#include <algorithm>
#include <cmath>

#include "core/numbers.h"

namespace palvore {

namespace {

// A value that rounds away to nothing is printed as a clean 0 (never "-0").
double Clean(double v, double below) { return std::fabs(v) < below || !std::isfinite(v) ? 0.0 : v; }

double At(const Vector& v, int i) { return (i >= 0 && static_cast<size_t>(i) < v.size()) ? v[i] : 0.0; }

const char* const kSmallExponentMask = "      0.000E+##     ;     -0.000E+##     ";
const char* const kBlankCell = "                ";

std::string ForceText(double v) {
  v = Clean(v, 1.0E-7);
  const double a = std::fabs(v);
  const bool exponent = a > 10000 || (a > 1.0E-5 && a < 0.1);
  return FitField(FormatNumber(v, exponent ? "      0.0000E+## ;     -0.0000E+## " : "* #########.00  "), 16);
}

bool ExponentForm(double v) {
  const double a = std::fabs(v);
  return a >= 10000 || (a > 0 && a < 0.1);
}

// Translations [mm] and pressures [kPa].
std::string DisplacementText(double v) {
  return FitField(FormatNumber(v, ExponentForm(v) ? kSmallExponentMask : "* #######.000      "), 19);
}

std::string RotationText(double v) {
  if (std::fabs(v) < 1.0E-9) return FormatNumber(0.0, "* #######.000      ");
  return FitField(FormatNumber(v, kSmallExponentMask), 19);
}

std::string TotalText(double v) { return FormatNumber(v, ExponentForm(v) ? kSmallExponentMask : " #####.000 "); }

}  // namespace

TextLineArray ResultsReportLines(int kind, const Vector& displacements, const Vector& pressures, int count,
                                 const Vector& depths, const EndForceTable& endForces,
                                 const SoilEndForces& soilEndForces, bool sheetPile, int above,
                                 const std::string& header, int& lineCount) {
  const int n = std::max(0, count - 1);  // nodes
  const bool soil = kind == HalfSpaceSoil || kind == WinklerSoil;
  // Values too small to mean anything are written as 0.
  Vector u(2 * n + 1, 0.0), x(n + 1, 0.0), p(std::max<size_t>(pressures.size(), 2 * n + 1), 0.0);
  for (int i = 1; i <= 2 * n; ++i) u[i] = Clean(At(displacements, i), 1.0E-9);
  for (int i = 1; i <= n; ++i) x[i] = Clean(At(depths, i), 1.0E-9);
  for (size_t i = 0; i < pressures.size(); ++i) p[i] = pressures[i];
  if (kind == HalfSpaceSoil)
    for (int i = 1; i <= n + 1; ++i) p[i] = Clean(p[i], 1.0E-9);
  if (kind == WinklerSoil) {
    for (int i = 1; i <= 2 * n - 2; ++i) p[i] = Clean(p[i], 1.0E-5);
    p[2 * n] = Clean(p[2 * n], 1.0E-9);
  }

  TextLineArray lines(1);
  auto add = [&lines](const std::string& text) { lines.push_back(text); };
  AddReportOpening(lines, std::string(39, ' ') + "DATE: " + ReportDateText() + ";     TIME: " + ReportTimeText(), header);
  add("                 S H E A R   F O R C E S  and  B E N D I N G   M O M E N T S ");
  add(std::string("Distance from    Shear Above     Shear Below") + "    Moment Above   Moment Below");
  if (sheetPile) add(std::string("   Top [m]          [kN/m]          [kN/m]") + "         [kN.m/m]        [kN.m/m]");
  else add(std::string("   Top [m]           [kN]            [kN]") + "          [kN.m]          [kN.m]");
  auto soilShare = [&](const Vector& v, int e) { return soil ? At(v, e) : 0.0; };
  for (int i = 1; i <= n; ++i) {
    const bool hasAbove = i > 1, hasBelow = i < n;
    std::string row = FitField(FormatNumber(x[i], "* ###.000  "), 11);
    row += hasAbove ? ForceText(-(endForces(i - 1, 3) + soilShare(soilEndForces.atJ, i - 1))) : kBlankCell;
    row += hasBelow ? ForceText(endForces(i, 1) + soilShare(soilEndForces.atI, i)) : kBlankCell;
    row += hasAbove ? ForceText(-endForces(i - 1, 4)) : kBlankCell;
    row += hasBelow ? ForceText(endForces(i, 2)) : kBlankCell;
    add(row);
  }
  add("");
  add("**REMARK: POSITIVE MOMENTS PRODUCE TENSION ON LEFT SIDE");
  add(std::string(75, '-'));
  add("");
  if (soil) add(std::string("                              DISPLACEMENTS               ") + "PILE - SOIL");
  else add("                        D I S P L A C E M E N T S ");
  add(std::string("Distance from    Horiz. Translation       Slope") + (soil ? "         Contact Pressure" : ""));
  if (soil) add(std::string("  Left [m]              [mm]              [rad]") + "               [kPa] ");
  else add("  Left [m]              [mm]              [rad] ");
  // Where a pile enters the soil below a free length its pressure curve starts from zero.
  const int firstInSoil = above > 0 ? above + 1 : 0;
  for (int i = 1; i <= n; ++i) {
    const std::string start = FitField(FormatNumber(x[i], "* ###.000       "), 16) + DisplacementText(u[2 * i - 1] * 1000) +
                              RotationText(u[2 * i]);
    if (kind == HalfSpaceSoil) {
      if (i == firstInSoil) add(start + DisplacementText(0.0));
      add(start + DisplacementText(p[i]));
    } else if (kind == WinklerSoil) {
      if (i == 1 || i == n) {
        add(start + DisplacementText(p[i == 1 ? 1 : 2 * n - 2]));
        continue;
      }
      const double pa = p[2 * i - 2], pb = p[2 * i - 1];
      add(start + DisplacementText(pa));
      const double larger = std::max(std::fabs(pa), std::fabs(pb));
      if (larger > 0 && std::fabs(pb - pa) / larger > 0.001) add(start + DisplacementText(pb));
    } else {
      add(start);
    }
  }
  if (soil) {
    add("");
    // A sheet pile is taken per metre of its length, as its forces above are.
    add("ESTIMATE OF TOTAL SOIL-PILE INTERACTION FORCE:" + TotalText(kind == HalfSpaceSoil ? p[n + 1] : p[2 * n]) +
        (sheetPile ? "[kN/m]" : "[kN]"));
  }
  add("");
  add("**REMARKS:");
  add("         - Horizontal Translation is POSITIVE if RIGHTWARD");
  add("         - Slope (Angle of Rotation) is POSITIVE if CLOCKWISE");
  add(std::string(75, '-'));
  lineCount = static_cast<int>(lines.size()) - 1;
  return lines;
}

bool WriteResultsReport(int kind, const Vector& displacements, const Vector& pressures, int count, const Vector& depths,
                        const EndForceTable& endForces, const SoilEndForces& soilEndForces, bool sheetPile,
                        int above, const std::string& fileName, const std::string& header) {
  int lineCount = 0;
  TextLineArray lines = ResultsReportLines(kind, displacements, pressures, count, depths, endForces, soilEndForces,
                                           sheetPile, above, header, lineCount);
  return SaveTextLines(fileName, lines, lineCount);
}

}  // namespace palvore
