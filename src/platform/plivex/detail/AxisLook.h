// SPDX-License-Identifier: Apache-2.0
#pragma once

// The fields every axis has, read and with DEPEND resolved: what the drawing
// of an axis works from. DEPEND takes the value the axis's orientation makes
// natural, from the table below.

#include <string>

#include "platform/plivex/PoAxisEnums.h"
#include "platform/plivex/detail/PlotText.h"

namespace plivex::detail {

// The orientations DEPEND resolves by: cartesian and time axes along X, Y or
// Z, radial axes of polar plots and angular (circular) axes.
enum class AxisOrientation : int { X, Y, Z, Radial, Angular };

// What DEPEND stands for in each field, per orientation (rows in the order of
// AxisOrientation). Text paths are values of kTextPath.
struct DependValues {
  bool gradVisible;
  bool gradAbove;  // else below
  int gradPath;
  bool titleVisible;
  bool titleAtEnd;  // else in the middle
  int titlePath;
  bool grid;
  bool arrow;
  bool ticks;
  bool reverse;
};

inline constexpr int kRight = enumValue(kTextPath, "RIGHT");
inline constexpr int kUp = enumValue(kTextPath, "UP");

// Graduations below an X axis and left of a Y axis, outside an angular one;
// titles across the page but along a Y axis; ticks, no grid, no arrow, no
// reversal.
inline constexpr DependValues kDependValues[] = {
    /* X */ {true, false, kRight, true, false, kRight, false, false, true, false},
    /* Y */ {true, false, kRight, true, false, kUp, false, false, true, false},
    /* Z */ {true, false, kRight, true, false, kRight, false, false, true, false},
    /* Radial */ {true, false, kRight, true, false, kRight, false, false, true, false},
    /* Angular */ {true, true, kRight, true, false, kRight, false, false, true, false},
};

struct TextLook {
  bool visible = false;
  int path = kRight;  // a value of kTextPath but DEPEND
  TextStyle style;
  float distAxis = 0;
};

struct AxisLook {
  TextLook grad;
  bool gradAbove = false;
  std::string gradSuffix;  // gradString when it is shown
  bool marginFixed = false;
  float marginStart = 0;
  float marginEnd = 0;
  TextLook title;
  bool titleAtEnd = false;
  std::string titleText;
  bool grid = false;
  float gridGradSide = 0;
  float gridOtherSide = 0;
  bool arrow = false;
  float arrowHeight = 0;
  float arrowLength = 0;
  bool ticks = true;
  int tickPosition = 0;  // a value of kTickPosition
  float tickMainLength = 0;
  float tickSubLength = 0;
  bool subTicksByPeriod = false;  // tickSubDef PERIOD_MAIN
  int tickNumOrPeriod = 1;
  int tickFirstGrad = 1;
  int tickLastGrad = 1;
  bool reverse = false;
  float lineSpacing = 1;  // of texts of more than one line, in ems
};

}  // namespace plivex::detail
