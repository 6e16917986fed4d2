// SPDX-License-Identifier: Apache-2.0
#include "SceneIoTestNodes.h"

#include <gtest/gtest.h>

#include "platform/scenar/SoDB.h"
#include "platform/scenar/actions/SoWriteAction.h"

namespace {
const SoEnumEntry kStyles[] = {
    {"SOLID", IoTestNode::SOLID}, {"WIRE", IoTestNode::WIRE}, {"POINTS", IoTestNode::POINTS}};
}

SO_NODE_SOURCE(IoTestNode)

void IoTestNode::initClass() { SO_NODE_INIT_CLASS(IoTestNode, "IoTestNode"); }

IoTestNode::IoTestNode() {
  SO_NODE_CONSTRUCTOR(IoTestNode);
  SO_NODE_ADD_FIELD(size, (1.0f));
  SO_NODE_ADD_FIELD(position, (SbVec3f(0, 0, 0)));
  SO_NODE_ADD_FIELD(label, (""));
  SO_NODE_ADD_FIELD(visible, (TRUE));
  SO_NODE_ADD_FIELD(style, (SOLID));
  SO_NODE_ADD_EMPTY_FIELD(values);
  style.setEnums(kStyles, 3);
}

SO_NODE_SOURCE(IoTestHolder)

void IoTestHolder::initClass() { SO_NODE_INIT_CLASS(IoTestHolder, "IoTestHolder"); }

IoTestHolder::IoTestHolder() {
  SO_NODE_CONSTRUCTOR(IoTestHolder);
  SO_NODE_ADD_FIELD(part, (nullptr));
  SO_NODE_ADD_FIELD(other, (nullptr));
}

void initSceneIoTestNodes() {
  SoDB::init();
  IoTestNode::initClass();
  IoTestHolder::initClass();
}

std::string writeScene(SoNode* node) {
  SoWriteAction action;
  action.apply(node);
  return action.getOutput()->getBuffer();
}
