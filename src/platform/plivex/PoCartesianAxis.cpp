#include "platform/plivex/PoCartesianAxis.h"

#include "platform/plivex/PoAxisEnums.h"

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
