// SPDX-License-Identifier: Apache-2.0
#pragma once

// Axes made from settings written as in a scene file, moved in their
// pictures, and the texts they draw.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FieldPictures.h"
#include "PlivexTestSupport.h"
#include "platform/scenar/actions/SoGLRenderAction.h"
#include "platform/scenar/actions/SoSearchAction.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoText3.h"
#include "platform/scenar/nodes/SoTransform.h"

// The axis in a separator, moved by shift ("x y z").
inline SoRef<SoSeparator> shifted(SoNode* axis, const char* shift) {
  auto* root = new SoSeparator;
  auto* move = new SoTransform;
  move->translation.set(shift);
  root->addChild(move);
  root->addChild(axis);
  return SoRef<SoSeparator>(root);
}

// The strings of the texts a node draws, in drawing order.
inline std::vector<std::string> textsOf(PoBase* node) {
  SoGLRenderAction(SbViewportRegion(100, 100)).apply(node);
  std::vector<std::string> texts;
  if (!node->getGeometry()) return texts;
  SoSearchAction search;
  search.setType(SoText3::getClassTypeId());
  search.setInterest(SoSearchAction::ALL);
  search.apply(node->getGeometry());
  for (int i = 0; i < search.getPaths().getLength(); ++i) {
    const SoMFString& lines = static_cast<SoText3*>(search.getPaths()[i]->getTail())->string;
    for (int line = 0; line < lines.getNum(); ++line) texts.push_back(lines[line].str());
  }
  return texts;
}
