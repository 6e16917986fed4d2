#include "platform/plivex/PoPolarLinAxis.h"

#include "platform/plivex/detail/AxisGeometry.h"

#include "platform/plivex/PoAxisEnums.h"

SO_NODE_SOURCE(PoPolarLinAxis)

using namespace plivex;

void PoPolarLinAxis::initClass() { SO_NODE_INIT_CLASS(PoPolarLinAxis, "PoPolarLinAxis"); }

PoPolarLinAxis::PoPolarLinAxis() {
  SO_NODE_CONSTRUCTOR(PoPolarLinAxis);
  SO_NODE_ADD_FIELD(step, (0.0f));
  PO_NODE_ADD_ENUM_FIELD(gradFit, kGradFit, "FIT");
}

PoPolarLinAxis::~PoPolarLinAxis() = default;

std::vector<float> PoPolarLinAxis::tickRadii(float from, float to) const {
  return plivex::detail::evenTicks(from, to, step.getValue());
}
