// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/PoPolarLogAxis.h"

#include "platform/plivex/PoAxisEnums.h"
#include "platform/plivex/detail/AxisGraduations.h"

SO_NODE_SOURCE(PoPolarLogAxis)

using namespace plivex;

void PoPolarLogAxis::initClass() { SO_NODE_INIT_CLASS(PoPolarLogAxis, "PoPolarLogAxis"); }

PoPolarLogAxis::PoPolarLogAxis() {
  SO_NODE_CONSTRUCTOR(PoPolarLogAxis);
  SO_NODE_ADD_EMPTY_FIELD(decadeList);
  PO_NODE_ADD_ENUM_FIELD(decadeListDef, kDecadeListDef, "AUTO");
  PO_NODE_ADD_ENUM_FIELD(tenPowerRep, kTenPowerRep, "DEPEND");
  PO_NODE_ADD_ENUM_FIELD(decadeRep, kDecadeRep, "DEPEND");
  SO_NODE_ADD_FIELD(decadeFontName, ("defaultFont"));
  SO_NODE_ADD_FIELD(decadeFontSize, (0.03f));
}

PoPolarLogAxis::~PoPolarLogAxis() = default;

detail::Graduations PoPolarLogAxis::graduate(double from, double to) const {
  return detail::logGraduations(
      from, to, detail::decadeOptionsOf(*this, textStyle(decadeFontName, decadeFontSize)));
}
