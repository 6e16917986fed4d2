#include "platform/plivex/PoLinearAxis.h"

#include "platform/plivex/detail/AxisGeometry.h"

#include "platform/plivex/PoAxisEnums.h"

SO_NODE_SOURCE(PoLinearAxis)

using namespace plivex;

void PoLinearAxis::initClass() { SO_NODE_INIT_CLASS(PoLinearAxis, "PoLinearAxis"); }

PoLinearAxis::PoLinearAxis() {
  SO_NODE_CONSTRUCTOR(PoLinearAxis);
  SO_NODE_ADD_FIELD(step, (0.0f));
  PO_NODE_ADD_ENUM_FIELD(gradFit, kGradFit, "FIT");
  PO_NODE_ADD_ENUM_FIELD(multFactorPosition, kMultFactorPosition, "END");
  SO_NODE_ADD_FIELD(multFactorDistAxis, (0.05f));
}

PoLinearAxis::~PoLinearAxis() = default;

std::vector<float> PoLinearAxis::tickCoordinates(float from, float to) const {
  return plivex::detail::evenTicks(from, to, step.getValue());
}
