// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/PoLogAxis.h"

#include "platform/plivex/PoAxisEnums.h"
#include "platform/plivex/detail/AxisDrawing.h"

SO_NODE_SOURCE(PoLogAxis)

using namespace plivex;

void PoLogAxis::initClass() { SO_NODE_INIT_CLASS(PoLogAxis, "PoLogAxis"); }

PoLogAxis::PoLogAxis() {
  SO_NODE_CONSTRUCTOR(PoLogAxis);
  SO_NODE_ADD_EMPTY_FIELD(decadeList);
  PO_NODE_ADD_ENUM_FIELD(decadeListDef, kDecadeListDef, "AUTO");
  PO_NODE_ADD_ENUM_FIELD(tenPowerRep, kTenPowerRep, "DEPEND");
  PO_NODE_ADD_ENUM_FIELD(decadeRep, kDecadeRep, "DEPEND");
  SO_NODE_ADD_FIELD(decadeFontName, ("defaultFont"));
  SO_NODE_ADD_FIELD(decadeFontSize, (0.03f));
  PO_NODE_ADD_ENUM_FIELD(multFactorPosition, kMultFactorPosition, "END");
  SO_NODE_ADD_FIELD(multFactorDistAxis, (0.05f));
}

PoLogAxis::~PoLogAxis() = default;

void PoLogAxis::graduate(detail::AxisShape& shape, float from, float to) const {
  shape.graduations = detail::logGraduations(
      from, to, detail::decadeOptionsOf(*this, textStyle(decadeFontName, decadeFontSize)));
  shape.multFactorPosition = multFactorPosition.getValue();
  shape.multFactorDistAxis = multFactorDistAxis.getValue();
}
