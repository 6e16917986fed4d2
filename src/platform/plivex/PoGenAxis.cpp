// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/PoGenAxis.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/plivex/detail/AxisDrawing.h"

SO_NODE_SOURCE(PoGenAxis)

void PoGenAxis::initClass() { SO_NODE_INIT_CLASS(PoGenAxis, "PoGenAxis"); }

PoGenAxis::PoGenAxis() {
  SO_NODE_CONSTRUCTOR(PoGenAxis);
  SO_NODE_ADD_EMPTY_FIELD(gradList);
}

PoGenAxis::~PoGenAxis() = default;

void PoGenAxis::graduate(plivex::detail::AxisShape& shape, float, float) const {
  std::vector<std::string> texts;
  for (int i = 0; i < std::min(gradList.getNum(), plivex::detail::kMaxTicks); ++i)
    texts.push_back(gradList[i].str());
  shape.graduations = plivex::detail::listGraduations(texts);
}
