#include "platform/plivex/PoPolarAxis.h"

#include "platform/plivex/PoAxisEnums.h"

SO_NODE_SOURCE(PoPolarAxis)

using namespace plivex;

void PoPolarAxis::initClass() { SO_NODE_INIT_ABSTRACT_CLASS(PoPolarAxis, "PoPolarAxis"); }

PoPolarAxis::PoPolarAxis() {
  SO_NODE_CONSTRUCTOR(PoPolarAxis);
  SO_NODE_ADD_FIELD(offset, (0.0f));
  SO_NODE_ADD_FIELD(startRadius, (0.0f));
  SO_NODE_ADD_FIELD(endRadius, (1.0f));
  SO_NODE_ADD_FIELD(theta, (0.0f));
  PO_NODE_ADD_ENUM_FIELD(multFactorPosition, kMultFactorPosition, "END");
  SO_NODE_ADD_FIELD(multFactorDistAxis, (0.05f));
}

PoPolarAxis::~PoPolarAxis() = default;
