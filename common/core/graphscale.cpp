#include "core/graphscale.h"

#include <algorithm>
#include <cmath>

#include "core/numbers.h"

namespace {

double Sign(double v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

// Point 1 of a graph whose first ordinate is infinite (a point load on a plate's centre).
void ReplaceInfinitePoint(GraphPoints& p, int count) {
  if (count < 2) return;  // nothing to extrapolate from
  double x2 = p.x[2], y2 = p.y[2];
  double x1 = x2 / 2, y1 = 2 * y2;
  if (count >= 4) {
    double x3 = p.x[3], y3 = p.y[3], x4 = p.x[4], y4 = p.y[4];
    if (std::fabs(x4 - x3) > 1.0E-3 && std::fabs(x2 - x3) > 1.0E-3) {
      // Parabola through points 2 and 3 whose slope at x3 is that of the chord from 3 to 4.
      double g = (y3 - y4) / (x4 - x3);
      double a = ((y2 - y3) + (x2 - x3) * g) / ((x2 - x3) * (x2 - x3));
      double b = -g - 2 * a * x3;
      double c = y2 - a * x2 * x2 - b * x2;
      y1 = a * x1 * x1 + b * x1 + c;
    }
  }
  p.x[1] = static_cast<float>(x1);
  p.y[1] = static_cast<float>(y1);
}

}  // namespace

double RoundAxisStep(double size, double sign) {
  double s = std::fabs(size);
  if (!(s > 0) || !std::isfinite(s)) return 0;
  int e = 0;
  double scaled = s;
  if (s >= 20) {
    // The place of the decimal point in the 7-digit text (" 58.3": 4) fixes the exponent.
    std::string text = NumberToText(static_cast<float>(s));
    size_t dot = text.find('.');
    int p = dot == std::string::npos ? 0 : static_cast<int>(dot) + 1;
    e = p - 3;
    scaled = e < 0 ? s * std::pow(10.0, -e) : s / std::pow(10.0, e);
  } else {
    int q = 0;
    while (scaled < 20 && q < 400) {
      scaled *= 10;
      ++q;
    }
    e = -q;
  }
  // The multiplications by 10 leave a trace of rounding (0.3 x 100 = 30.000000000000004) that
  // must not lift the step to the next whole number.
  double whole = std::ceil(scaled * (1 - 1.0E-12));
  double step = e < 0 ? whole / std::pow(10.0, -e) : whole * std::pow(10.0, e);
  return sign < 0 ? -step : step;
}

GraphAxis ScaleGraphAxis(GraphPoints& points, int count, int divisions, bool reversed, const GraphFrame& frame) {
  GraphAxis axis;
  const int D = std::max(divisions, 1);
  count = std::max(count, 0);
  points.Reserve(std::max(count, 1));
  axis.first = points.x[1];
  axis.last = points.x[static_cast<size_t>(std::max(count, 1))];

  if (count >= 1 && std::fabs(points.y[1]) > kGraphInfinity) {
    axis.infinity = 2;
    ReplaceInfinitePoint(points, count);
  }

  double ymin = 0, ymax = 0;
  for (int i = 1; i <= count; ++i) {
    double y = points.y[static_cast<size_t>(i)];
    if (i == 1 || y < ymin) ymin = y;
    if (i == 1 || y > ymax) ymax = y;
  }

  double m = (ymax - ymin) / 9;
  double bottom = ymin - m / 2, top = ymax + m / 2;
  bottom *= bottom < 0 ? 1.05 : 0.95;
  top *= top < 0 ? 0.95 : 1.05;

  double step = 0;
  double range = top - bottom;
  if (range != 0) step = RoundAxisStep(range / D, range);
  if (step == 0) {
    // A flat range (all ordinates 0): ten units round the value.
    bottom -= 5;
    top += 5;
    step = 10.0 / D;
  } else {
    // Anchor at zero: a range of one sign that starts within one step of 0.
    if (bottom / top > 0) {
      if (std::fabs(bottom) / std::fabs(step) < 1) {
        bottom = 0;
        top = D * step;
      }
      if (std::fabs(top) / std::fabs(step) < 1) {
        top = 0;
        bottom = -step * D;
      }
    }
    // Divisions below zero (nNeg) and above it (nPos), zero on a grid line.
    int nNeg = 0, nPos = 0;
    if (bottom < 0 && top >= 0) {
      double fb = std::fabs(bottom / (top - bottom)) * D, ft = std::fabs(top / (top - bottom)) * D;
      if (fb <= ft) {
        nNeg = static_cast<int>(std::ceil(fb));
        nPos = D - nNeg;
      } else {
        nPos = static_cast<int>(std::ceil(ft));
        nNeg = D - nPos;
      }
      double oldTop = top, oldBottom = bottom;
      top = Sign(top) * nPos * step;
      bottom = Sign(bottom) * nNeg * step;
      double slackTop = std::fabs(top) - std::fabs(oldTop), slackBottom = std::fabs(bottom) - std::fabs(oldBottom);
      if (slackTop <= std::fabs(step) && slackBottom > std::fabs(step) && std::fabs(top) > 1.0E-4) {
        ++nPos;
        --nNeg;
        top = nPos * step;
        bottom = -nNeg * step;
      } else if (slackTop > std::fabs(step) && slackBottom < std::fabs(step) && std::fabs(bottom) > 1.0E-4) {
        --nPos;
        ++nNeg;
        top = nPos * step;
        bottom = -nNeg * step;
      }
    } else if (bottom < 0 && top < 0) {
      top = -std::floor(std::fabs(top / step)) * step;
      nPos = D;
      nNeg = 0;
      bottom = top - D * step;
    } else {
      bottom = std::floor(bottom / step) * step;
      nNeg = D;
      nPos = 0;
      top = bottom + D * step;
    }
    // Zero at an edge of the frame moves one division inside, so the zero line shows.
    if (std::fabs(bottom / range) < 1.0E-4 && top != 0) {
      nNeg = 1;
      nPos = D - 1;
      bottom = -step;
      top = (D - 1) * step;
    } else if (std::fabs(top / range) < 1.0E-4 && bottom != 0) {
      nNeg = D - 1;
      nPos = 1;
      bottom = -(D - 1) * step;
      top = step;
    }
    // A margin of 0.4 step between the curve and the frame.
    if (bottom <= ymin - 0.4 * step) {
      if (top < ymax + 0.4 * step) {
        if (nNeg < 1 || nPos < 1) {
          bottom += step;
          top += step;
        } else {
          bottom = -(nNeg - 1) * step;
          top = (nPos + 1) * step;
        }
      }
    } else if (nNeg < 1 || nPos < 1) {
      bottom -= step;
      top -= step;
    } else {
      bottom = -(nNeg + 1) * step;
      top = (nPos - 1) * step;
    }
  }

  double z = std::floor(frame.height * top / (top - bottom));
  double zeroY = frame.top + z;
  if (reversed) {
    std::swap(bottom, top);
    step = -step;
    zeroY = frame.top + frame.height - z;
  }
  axis.bottom = static_cast<float>(bottom);
  axis.top = static_cast<float>(top);
  axis.step = step;
  axis.zeroY = (!std::isfinite(zeroY) || zeroY < frame.top || zeroY > frame.top + frame.height) ? 0 : std::lround(zeroY);
  return axis;
}

double GraphWorldX(double x, const GraphAxis& axis, const GraphFrame& frame) {
  double span = static_cast<double>(axis.last) - axis.first;
  if (span == 0) return frame.left;
  return frame.left + std::floor(frame.width * (x - axis.first) / span);
}

double GraphWorldY(double y, const GraphAxis& axis, const GraphFrame& frame) {
  double span = static_cast<double>(axis.top) - axis.bottom;
  if (span == 0) return frame.top + frame.height;
  return frame.top + frame.height - std::floor(frame.height * (y - axis.bottom) / span);
}

std::string OrdinateLabelMask(const GraphAxis& axis) {
  double larger = std::max(std::fabs(axis.top), std::fabs(axis.bottom));
  if (std::fabs(axis.step) < 0.1 || larger > 10000) return "0.000E+##";
  if (larger < 100) return "* #0.000";
  return "* ####0.00";
}

std::string OrdinateLabel(double value, const GraphAxis& axis) {
  double larger = std::max(std::fabs(axis.top), std::fabs(axis.bottom));
  if (larger == 0 || std::fabs(value) / larger < 1.0E-7) value = 0;
  return Trim(FormatNumber(value, OrdinateLabelMask(axis)));
}

std::string AbscissaLabel(double value, const GraphAxis& axis) {
  double larger = std::max(std::fabs(axis.first), std::fabs(axis.last));
  if (std::fabs(value) <= 1.0E-5 || (larger > 0 && std::fabs(value) / larger < 1.0E-7)) value = 0;
  double v = std::fabs(value);
  bool exponent = v > 1000 || (v > 1.0E-5 && v < 0.01);
  return Trim(FormatNumber(value, exponent ? "0.000E+##" : "* #0.000"));
}
