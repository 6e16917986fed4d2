// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/plivex/PoCartesianAxis.h"
#include "platform/scenar/fields/SoMFields.h"

// A cartesian axis whose graduations are texts given one by one, evenly spaced.
class PoGenAxis : public PoCartesianAxis {
  SO_NODE_HEADER(PoGenAxis, PoCartesianAxis);

 public:
  SoMFString gradList;

  PoGenAxis();

 protected:
  ~PoGenAxis() override;

  // One graduation per text, spread evenly along the axis, ends included.
  void graduate(plivex::detail::AxisShape& shape, float from, float to) const override;
};
