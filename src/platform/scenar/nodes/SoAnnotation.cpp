// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodes/SoAnnotation.h"

#include "platform/scenar/actions/SoGLRenderAction.h"

SO_NODE_SOURCE(SoAnnotation)

void SoAnnotation::initClass() { SO_NODE_INIT_CLASS(SoAnnotation, "Annotation"); }

SoAnnotation::SoAnnotation() { SO_NODE_CONSTRUCTOR(SoAnnotation); }

void SoAnnotation::GLRender(SoGLRenderAction* action) {
  action->beginAnnotation();
  doAction(action);
  action->endAnnotation();
}
