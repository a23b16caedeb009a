#pragma once
// The cubic spline of the response graphs and the path of a graph's curve in world units.
// Arrays are 1-based (index 0 unused), as the points of a graph are.
#include <vector>

#include "core/graphscale.h"

// An end slope above this makes a natural end (second derivative 0).
constexpr double kNaturalSplineEnd = 9.9E29;

// Second derivatives y2(1..n) of the cubic spline through (xa(i), ya(i)), i = 1..n, with the
// given slopes at the first and the last point (natural ends for slopes above 9.9E29). The
// abscissae must increase strictly. With fewer than 2 points every second derivative is 0.
void SplineSecondDerivatives(const std::vector<double>& xa, const std::vector<double>& ya, int n, double slopeStart,
                             double slopeEnd, std::vector<double>& y2);

// The spline's value at x, found in the interval of xa that brackets x (outside the abscissae the
// end pieces are continued). Returns false and leaves y as it was when the bracketing abscissae
// are equal (bad input: the caller tells the user "Error: Bad XA input").
bool SplineValue(const std::vector<double>& xa, const std::vector<double>& ya, const std::vector<double>& y2a, int n,
                 double x, double& y);

// A run of the curve: points first..last drawn as one piece. A graph's curve breaks where two
// neighbouring points stand at one abscissa (less than 1/10000 apart: a jump at a node), so no
// run holds an interval of zero width.
struct SplineRun {
  int first = 0, last = 0;
};
std::vector<SplineRun> SplineRuns(const GraphPoints& points, int count);

// The path of a graph's curve in world units: the pen starts on point 1 and draws a line to each
// point of the path in turn.
//  - straight: to points 2..count;
//  - spline: run by run; a run after the first starts with a line to its first point (the jump);
//    a run of fewer than 4 points goes straight to its points; a longer one follows the spline
//    with the slopes of its first and last chords at its ends, sampled every 4 world units across
//    (at least at each interval's end), keeping only samples to the right of the last one drawn,
//    with world x above 0 and not beyond the frame's right edge, and world y from 0 to the
//    frame's bottom.
// badInput counts spline values that could not be found (none for points from SplineRuns).
struct GraphWorldPoint {
  double x = 0, y = 0;
};
std::vector<GraphWorldPoint> GraphCurvePath(const GraphPoints& points, int count, const GraphAxis& axis, bool spline,
                                            const GraphFrame& frame = GraphFrame(), int* badInput = nullptr);
