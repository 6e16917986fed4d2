// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/plivex/PoAxis.h"
#include "platform/scenar/fields/SoSFields.h"

// The circular axis of a polar plot, graduated in angles: an arc of radius
// about the origin, in the XY plane, from startAngle to endAngle, drawn as
// segments at most five degrees long; ABOVE it is outward. Its graduations
// are the angles plus offset, written in degrees from 0 to 360.
class PoAngularAxis : public PoAxis {
  SO_NODE_HEADER(PoAngularAxis, PoAxis);

 public:
  SoSFFloat offset;
  SoSFFloat startAngle;  // in radians
  SoSFFloat endAngle;    // in radians
  SoSFFloat radius;
  SoSFFloat angleStep;  // between two graduations; 0: chosen from the angle covered
  SoSFEnum gradFit;     // FIT, UNFIT

  PoAngularAxis();

 protected:
  ~PoAngularAxis() override;

  // Graduations every angleStep (a round number of degrees when it is 0).
  void describe(plivex::detail::AxisShape& shape) const override;
};
