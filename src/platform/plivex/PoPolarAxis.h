#pragma once

#include "platform/plivex/PoAxis.h"
#include "platform/scenar/fields/SoSFields.h"

// A radial axis of a polar plot: it runs from the centre outward along the
// angle theta. Not creatable.
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
};
