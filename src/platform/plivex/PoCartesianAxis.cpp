// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/PoCartesianAxis.h"

#include <algorithm>
#include <cmath>

#include "platform/plivex/PoAxisEnums.h"
#include "platform/plivex/detail/AxisDrawing.h"

SO_NODE_SOURCE(PoCartesianAxis)

using namespace plivex;

void PoCartesianAxis::initClass() {
  SO_NODE_INIT_ABSTRACT_CLASS(PoCartesianAxis, "PoCartesianAxis");
}

PoCartesianAxis::PoCartesianAxis() {
  SO_NODE_CONSTRUCTOR(PoCartesianAxis);
  SO_NODE_ADD_FIELD(start, (0.0f, 0.0f, 0.0f));
  SO_NODE_ADD_FIELD(end, (1.0f));
  PO_NODE_ADD_ENUM_FIELD(type, kCartesianType, "XY");
}

PoCartesianAxis::~PoCartesianAxis() = default;

namespace {

// line axis, tick axis: XY, XZ, YX, YZ, ZX, ZY
constexpr int kAxes[][2] = {{0, 1}, {0, 2}, {1, 0}, {1, 2}, {2, 0}, {2, 1}};

}  // namespace

int PoCartesianAxis::lineAxis() const {
  const int t = type.getValue();
  return t >= 0 && t < 6 ? kAxes[t][0] : 0;
}

int PoCartesianAxis::tickAxis() const {
  const int t = type.getValue();
  return t >= 0 && t < 6 ? kAxes[t][1] : 1;
}

void PoCartesianAxis::describe(detail::AxisShape& shape) const {
  const int line = lineAxis(), tick = tickAxis(), third = 3 - line - tick;
  // The plane's x and y are the lower and higher numbered of the two axes.
  const int planeX = std::min(line, tick), planeY = std::max(line, tick);
  shape.plane.x = shape.plane.y = shape.plane.origin = SbVec3f();
  shape.plane.x[planeX] = 1;
  shape.plane.y[planeY] = 1;
  const SbVec3f first = start.getValue();
  shape.plane.origin[third] = first[third];

  SbVec3f along, above;
  along[line == planeX ? 0 : 1] = end.getValue() >= first[line] ? 1 : -1;
  above[tick == planeX ? 0 : 1] = 1;
  shape.path.origin = SbVec3f(first[planeX], first[planeY], 0);
  shape.path.along = along;
  shape.path.length = std::fabs(end.getValue() - first[line]);
  shape.path.above = above;
  constexpr detail::AxisOrientation kOrientations[] = {
      detail::AxisOrientation::X, detail::AxisOrientation::Y, detail::AxisOrientation::Z};
  shape.orientation = kOrientations[line];
  graduate(shape, first[line], end.getValue());
}
