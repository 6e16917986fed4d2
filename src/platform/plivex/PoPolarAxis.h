// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/plivex/PoAxis.h"
#include "platform/scenar/fields/SoSFields.h"

// A radial axis of a polar plot: it runs from the centre outward along the
// angle theta, in the XY plane, from startRadius to endRadius; ABOVE it is a
// quarter turn counterclockwise from it. Its graduations are those of the
// radii plus offset: offset is the value at radius 0. Not creatable.
class PoPolarAxis : public PoAxis {
  SO_NODE_HEADER(PoPolarAxis, PoAxis);

 public:
  SoSFFloat offset;
  SoSFFloat startRadius;
  SoSFFloat endRadius;
  SoSFFloat theta;              // in radians
  SoSFEnum multFactorPosition;  // START, END, EXTR, GRAD
  SoSFFloat multFactorDistAxis;

 protected:
  PoPolarAxis();
  ~PoPolarAxis() override;

  void describe(plivex::detail::AxisShape& shape) const override;
  // The kind's graduations of the values from `from` to `to`: the start and
  // end radii plus offset.
  virtual plivex::detail::Graduations graduate(double from, double to) const = 0;
};
