// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/PoPolarLinAxis.h"

#include "platform/plivex/PoAxisEnums.h"
#include "platform/plivex/detail/AxisGraduations.h"

SO_NODE_SOURCE(PoPolarLinAxis)

using namespace plivex;

void PoPolarLinAxis::initClass() { SO_NODE_INIT_CLASS(PoPolarLinAxis, "PoPolarLinAxis"); }

PoPolarLinAxis::PoPolarLinAxis() {
  SO_NODE_CONSTRUCTOR(PoPolarLinAxis);
  SO_NODE_ADD_FIELD(step, (0.0f));
  PO_NODE_ADD_ENUM_FIELD(gradFit, kGradFit, "FIT");
}

PoPolarLinAxis::~PoPolarLinAxis() = default;

detail::Graduations PoPolarLinAxis::graduate(double from, double to) const {
  return detail::linearGraduations(from, to, step.getValue(),
                                   gradFit.getValue() != enumValue(kGradFit, "UNFIT"), format_);
}
