#pragma once
// Axis scaling and labels of the response graphs. A graph is drawn in a world of 10000 x 10000
// units (y downwards) inside a frame of 8000 x 7720 units at (1400, 1200), 10 divisions across and
// 20 down. The ordinate axis gets round ends and a round step so that zero lies on a grid line,
// with a margin between the curve and the frame; moments, translations and contact pressures are
// conventionally drawn with positive values downwards (the axis reversed).
#include <string>

#include "core/graphpoints.h"

struct GraphFrame {
  double left = 1400, top = 1200, width = 8000, height = 7720;
};

// What ScaleGraphAxis finds. Both tab pages of a graph window draw with the same axis.
struct GraphAxis {
  float first = 0, last = 0;  // abscissae of the first and the last point (as they came)
  float bottom = 0, top = 0;  // ordinates at the lower and the upper frame edge
  double step = 0;            // between grid lines; negative when the axis is reversed
  long zeroY = 0;             // world y of the zero line; 0 when zero lies outside the frame
  int infinity = 0;           // 2 when the first ordinate was infinite (and was replaced)
};

// An ordinate beyond this magnitude stands for infinity (the readers write 9.9E21).
constexpr double kGraphInfinity = 9.0E21;

// Scales the ordinate axis of points 1..count into `divisions` grid divisions. An infinite first
// ordinate sets the infinity flag and point 1 is replaced by (x2/2, y) with y extrapolated from
// points 2 to 4 (a parabola through points 2 and 3 with the slope of the chord from 3 to 4, or
// 2 y2 for a 1/x law where two of those abscissae lie within 1/1000); with fewer than four points
// it becomes (x2/2, 2 y2), and a single point stays as it is. All ordinates 0 give the axis -5..5.
GraphAxis ScaleGraphAxis(GraphPoints& points, int count, int divisions, bool reversed,
                         const GraphFrame& frame = GraphFrame());

// The round step of a division size: whole sizes of 20 or more stay; otherwise the size is
// rounded up in its two leading digits (58.3 gives 60, 123.456 gives 200, 0.0237 gives 0.024).
// The sign is that of `sign`.
double RoundAxisStep(double size, double sign = 1);

// World position of a point of the graph (x0 + W (x - first)/(last - first) and
// y0 + H - H (y - bottom)/(top - bottom), each rounded down). A graph whose abscissae are all
// equal puts its points on the frame's left edge.
double GraphWorldX(double x, const GraphAxis& axis, const GraphFrame& frame = GraphFrame());
double GraphWorldY(double y, const GraphAxis& axis, const GraphFrame& frame = GraphFrame());

// Tick labels. Ordinates: "* ####0.00", "* #0.000" when both ends are below 100 in magnitude, and
// "0.000E+##" when the step is below 0.1 or an end exceeds 10000 in magnitude; a value below
// 1.0E-7 of the larger end prints as 0. Abscissae: "0.000E+##" above 1000 or between 1.0E-5 and
// 0.01 in magnitude, else "* #0.000"; values within 1.0E-5 of 0 (or below 1.0E-7 of the larger
// end) print as 0. Labels are trimmed of blanks.
std::string OrdinateLabelMask(const GraphAxis& axis);
std::string OrdinateLabel(double value, const GraphAxis& axis);
std::string AbscissaLabel(double value, const GraphAxis& axis);
