// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/PoConvertGutsVRML2.h"

#include "platform/plivex/PoConvertGuts.h"

void PoConvertGutsVRML2::groupConverted(const SoNode* from, SoVRMLGroup* to) {
  if (firstPass_) firstPass_->setSceneViewGroup(from, to);
}
