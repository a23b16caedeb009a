#include "trabix/core/resultsreport.h"

#include <cmath>
#include <utility>

#include "core/hostfs.h"
#include "core/numbers.h"

namespace trabix {

namespace {

// A value that rounds away to nothing is printed as a clean 0 (never "-0").
double Clean(double v, double below) { return std::fabs(v) < below || !std::isfinite(v) ? 0.0 : v; }

// Force table value: fixed mask, or the exponent mask when it is large or small.
// The masks are made once: a long report formats tens of thousands of values.
const std::string kStripExponentMask = "   #.000E+##;  -#.000E+##", kStripFixedMask = "* ######.00";
const std::string kBeamExponentMask = "       #.0000E+##;      -#.0000E+##", kBeamFixedMask = "* ##########0.00";
const std::string kDisplacementExponentMask = "   #.0000E+##       ;  -#.0000E+##       ";
const std::string kDisplacementFixedMask = "* #####0.000       ";
const std::string kDistanceMask = "* ###0.000       ";

std::string ForceText(double v, bool strip) {
  v = Clean(v, 1.0E-7);
  double a = std::fabs(v);
  bool exponent = a > 10000 || (a > 1.0E-5 && a < 0.1);
  if (strip) return FitField(FormatNumber(v, exponent ? kStripExponentMask : kStripFixedMask), 11);
  return FitField(FormatNumber(v, exponent ? kBeamExponentMask : kBeamFixedMask), 16);
}

// Translations [mm] and pressures [kPa] of the displacement table.
std::string DisplacementText(double v) {
  double a = std::fabs(v);
  bool exponent = a >= 10000 || (a > 0 && a < 0.1);
  return FitField(FormatNumber(v, exponent ? kDisplacementExponentMask : kDisplacementFixedMask), 24);
}

std::string SlopeText(double v) {
  if (std::fabs(v) <= 1.0E-10) v = 0.0;
  return FitField(FormatNumber(v, kDisplacementExponentMask), 14);
}

std::string TotalText(double v) {
  double a = std::fabs(v);
  bool exponent = a >= 10000 || (a > 0 && a < 0.1);
  return FormatNumber(v, exponent ? " #.0000E+##" : " ####0.000 ");
}

double At(const Vector& v, int i) { return (i >= 0 && static_cast<size_t>(i) < v.size()) ? v[i] : 0.0; }

// The report's lines in order, each handed to add (by value).
template <typename Add>
void ReportLines(int kind, const Vector& displacements, const Vector& pressures, int nodes, const Vector& abscissae,
                 const EndForceTable& endForces, const SoilEndForces& soilEndForces, bool strip,
                 const std::string& header, Add add) {
  const int n = nodes;
  const bool soil = kind == HalfSpaceSoil || kind == WinklerSoil;
  const std::string kindWord = strip ? "STRIP" : "BEAM";
  // Values too small to mean anything are written as 0.
  Vector u(2 * n + 1), x(n + 1), p(pressures.size());
  for (int i = 1; i <= 2 * n; ++i) u[i] = Clean(At(displacements, i), 1.0E-9);
  for (int i = 1; i <= n; ++i) x[i] = Clean(At(abscissae, i), 1.0E-9);
  for (size_t i = 0; i < p.size(); ++i) p[i] = Clean(pressures[i], 1.0E-9);

  {
    TextLineArray opening(1);
    AddReportOpening(opening, header);
    for (size_t k = 1; k < opening.size(); ++k) add(std::move(opening[k]));
  }
  add(kindWord);
  add(std::string(kindWord.size(), '^'));

  // Force table. Node i: element i-1 lies to its left, element i to its right.
  const size_t field = strip ? 11 : 16;
  if (strip) {
    add("  Distance       S H E A R S         WIDTH B. MOMENTS     LENGTH B. MOMENTS");
    add("    from       LEFT      RIGHT        LEFT      RIGHT       LEFT      RIGHT");
    add("  Left [m]    [kN/m]     [kN/m]    [kNm/m]    [kNm/m]    [kNm/m]    [kNm/m]");
  } else {
    add("                 S H E A R   F O R C E S  and  B E N D I N G   M O M E N T S ");
    add(std::string("Distance from      Left Shear     Right Shear") + "    Left Moment    Right Moment");
    add(std::string("   Left [m]           [kN]            [kN]") + "          [kN.m]          [kN.m]");
  }
  const std::string blank(field, ' ');
  for (int i = 1; i <= n; ++i) {
    bool hasLeft = i > 1, hasRight = i < n;
    int l = i - 1, r = i;
    double soilLeft = soil && hasLeft ? At(soilEndForces.atJ, l) : 0.0;
    double soilRight = soil && hasRight ? At(soilEndForces.atI, r) : 0.0;
    std::string leftShear = hasLeft ? ForceText(endForces(l, 3) + soilLeft, strip) : blank;
    std::string rightShear = hasRight ? ForceText(-endForces(r, 1) - soilRight, strip) : blank;
    std::string leftMoment = hasLeft ? ForceText(-endForces(l, 4), strip) : blank;
    std::string rightMoment = hasRight ? ForceText(endForces(r, 2), strip) : blank;
    std::string row = FormatNumber(x[i], strip ? "* ##0.000" : "* ###0.000 ");
    row.reserve(row.size() + 6 * field);
    row += leftShear;
    row += rightShear;
    row += leftMoment;
    row += rightMoment;
    if (strip) {
      row += hasLeft ? ForceText(-endForces(l, 6), strip) : blank;
      row += hasRight ? ForceText(endForces(r, 5), strip) : blank;
    }
    add(std::move(row));
  }
  add("");
  if (strip) {
    add("**REMARKS:");
    add("          - POSITIVE MOMENTS PRODUCE TENSION IN BOTTOM FIBRES");
    add("          - 'WIDTH B. MOMENTS'=Bending Moments producing stresses");
    add("                               acting in STRIP WIDTH direction");
    add("          - 'LENGTH B. MOMENTS'=Bending Moments producing stresses");
    add("                                acting in STRIP LENGTH direction");
  } else {
    add("**REMARK: POSITIVE MOMENTS PRODUCE TENSION IN BOTTOM FIBRES");
  }

  // Displacement table.
  add(std::string(75, '-'));
  add("");
  if (!soil) {
    add("                        D I S P L A C E M E N T S ");
    add("Distance from     Vert. Translation        Slope");
    add("  Left [m]              [mm]              [rad] ");
  } else {
    add("                            DISPLACEMENTS                " + kindWord + " - SOIL");
    add(std::string("Distance from     Vert. Translation      Slope") + "         Contact Pressure");
    add(std::string("   Left [m]             [mm]             [rad]") + "               [kPa] ");
  }
  for (int i = 1; i <= n; ++i) {
    std::string start = FormatNumber(x[i], kDistanceMask);
    start.reserve(start.size() + 24 + 14 + 24);
    start += DisplacementText(u[2 * i - 1] * 1000);
    start += SlopeText(u[2 * i]);
    if (kind == HalfSpaceSoil) {
      double pi = std::fabs(At(p, i)) <= 1.0E-10 ? 0.0 : At(p, i);
      add(start + DisplacementText(pi));
    } else if (kind == WinklerSoil) {
      auto pressure = [&p](int k) { return Clean(At(p, k), 1.0E-5); };
      std::string left = DisplacementText(pressure(i == 1 ? 1 : 2 * i - 2));
      add(start + left);
      if (i > 1 && i < n) {
        // A pressure jump at a node shows as two rows of that node.
        std::string right = DisplacementText(pressure(2 * i - 1));
        if (right != left) add(start + right);
      }
    } else {
      add(start);
    }
  }
  if (kind == HalfSpaceSoil) add("TOTAL REACTION FROM ELASTIC FOUNDATION: " + TotalText(At(p, n + 1)) + " [kN]");
  if (kind == WinklerSoil) add("ESTIMATE OF TOTAL REACTION FROM ELASTIC FOUNDATION:" + TotalText(At(p, 2 * n)) + " [kN]");
  add("");
  add("**REMARKS:");
  add("         - Vertical Translation is POSITIVE if DOWNWARD");
  add("         - Angle of Rotation is POSITIVE if CLOCKWISE");
}

}  // namespace

TextLineArray ResultsReportLines(int kind, const Vector& displacements, const Vector& pressures, int nodes,
                                 const Vector& abscissae, const EndForceTable& endForces,
                                 const SoilEndForces& soilEndForces, bool strip, const std::string& header, int& count) {
  TextLineArray lines(1);
  lines.reserve(static_cast<size_t>(kind == WinklerSoil ? 3 : 2) * nodes + 40);
  ReportLines(kind, displacements, pressures, nodes, abscissae, endForces, soilEndForces, strip, header,
              [&lines](std::string text) { lines.push_back(std::move(text)); });
  count = static_cast<int>(lines.size()) - 1;
  return lines;
}

bool WriteResultsReport(int kind, const Vector& displacements, const Vector& pressures, int nodes, const Vector& abscissae,
                        const EndForceTable& endForces, const SoilEndForces& soilEndForces, bool strip,
                        const std::string& fileName, const std::string& header) {
  // The file's bytes are made line by line into one block, as SaveTextLines would write the
  // lines: a long beam's report has ten thousand of them, not worth keeping one by one.
  std::string bytes;
  bytes.reserve((static_cast<size_t>(kind == WinklerSoil ? 3 : 2) * nodes + 40) * 100);
  ReportLines(kind, displacements, pressures, nodes, abscissae, endForces, soilEndForces, strip, header,
              [&bytes](std::string text) {
                bytes += text;
                bytes += "\r\n";
              });
  return hostfs::WriteWhole(fileName, bytes);
}

}  // namespace trabix
