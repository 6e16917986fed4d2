// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodes/SoCallback.h"

SO_NODE_SOURCE(SoCallback)

void SoCallback::initClass() { SO_NODE_INIT_CLASS(SoCallback, "Callback"); }

SoCallback::SoCallback() { SO_NODE_CONSTRUCTOR(SoCallback); }

void SoCallback::doAction(SoAction* action) {
  if (function_) function_(userData_, action);
}
