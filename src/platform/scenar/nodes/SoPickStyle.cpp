// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodes/SoPickStyle.h"

#include <iterator>

#include "platform/scenar/actions/SoAction.h"
#include "platform/scenar/actions/SoPickStyleElement.h"

namespace {
constexpr SoEnumEntry kStyles[] = {
    {"SHAPE", SoPickStyle::SHAPE},
    {"BOUNDING_BOX", SoPickStyle::BOUNDING_BOX},
    {"UNPICKABLE", SoPickStyle::UNPICKABLE},
};
}  // namespace

SO_NODE_SOURCE(SoPickStyle)

void SoPickStyle::initClass() { SO_NODE_INIT_CLASS(SoPickStyle, "PickStyle"); }

SoPickStyle::SoPickStyle() {
  SO_NODE_CONSTRUCTOR(SoPickStyle);
  SO_NODE_ADD_FIELD(style, (SHAPE));
  style.setEnums(kStyles, static_cast<int>(std::size(kStyles)));
}

void SoPickStyle::doAction(SoAction* action) {
  SoPickStyleElement::set(action->getState(), style.getValue());
}
