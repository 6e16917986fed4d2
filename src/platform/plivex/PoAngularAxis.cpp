#include "platform/plivex/PoAngularAxis.h"

#include <numbers>

#include "platform/plivex/PoAxisEnums.h"

SO_NODE_SOURCE(PoAngularAxis)

using namespace plivex;

void PoAngularAxis::initClass() { SO_NODE_INIT_CLASS(PoAngularAxis, "PoAngularAxis"); }

PoAngularAxis::PoAngularAxis() {
  SO_NODE_CONSTRUCTOR(PoAngularAxis);
  SO_NODE_ADD_FIELD(offset, (0.0f));
  SO_NODE_ADD_FIELD(startAngle, (0.0f));
  SO_NODE_ADD_FIELD(endAngle, (2.0f * std::numbers::pi_v<float>));
  SO_NODE_ADD_FIELD(radius, (1.0f));
  SO_NODE_ADD_FIELD(angleStep, (0.0f));
  PO_NODE_ADD_ENUM_FIELD(gradFit, kGradFit, "FIT");
}

PoAngularAxis::~PoAngularAxis() = default;
