// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/plivex/PoAxis.h"
#include "platform/scenar/fields/SoSFields.h"

// An axis along a straight line parallel to a coordinate axis: the first
// letter of type names that axis, the second the one its ticks stand out
// along. Not creatable.
class PoCartesianAxis : public PoAxis {
  SO_NODE_HEADER(PoCartesianAxis, PoAxis);

 public:
  SoSFVec3f start;  // the origin of the axis
  SoSFFloat end;    // the coordinate of the axis's end along its direction
  SoSFEnum type;    // XY, XZ, YX, YZ, ZX, ZY

 protected:
  PoCartesianAxis();
  ~PoCartesianAxis() override;

  // A line from start along the first axis of type, in the plane of the two
  // axes type names, ABOVE its graduations being toward the second axis.
  void describe(plivex::detail::AxisShape& shape) const override;
  // The kind's graduations of the coordinates from `from` (start's) to `to` (end).
  virtual void graduate(plivex::detail::AxisShape& shape, float from, float to) const = 0;

 private:
  // The coordinate axes (0 x, 1 y, 2 z) of the line and of the ticks.
  int lineAxis() const;
  int tickAxis() const;
};
