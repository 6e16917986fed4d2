#pragma once

// Axes made from settings written as in a scene file, their pictures and the
// texts they draw.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "PlivexTestSupport.h"
#include "PlotPicture.h"
#include "platform/scenar/actions/SoGLRenderAction.h"
#include "platform/scenar/actions/SoSearchAction.h"
#include "platform/scenar/fields/SoField.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoText3.h"
#include "platform/scenar/nodes/SoTransform.h"

// Sets fields from "name value; name value" (values as a scene file writes
// them); a name the node lacks or a value it cannot read fails the test.
inline void applySettings(SoNode* node, std::string_view settings) {
  while (!settings.empty()) {
    const std::size_t end = std::min(settings.find(';'), settings.size());
    std::string_view setting = settings.substr(0, end);
    settings.remove_prefix(std::min(end + 1, settings.size()));
    while (!setting.empty() && setting.front() == ' ') setting.remove_prefix(1);
    if (setting.empty()) continue;
    const std::size_t space = std::min(setting.find(' '), setting.size());
    const std::string name(setting.substr(0, space));
    SoField* field = node->getField(SbName(name.c_str()));
    ASSERT_TRUE(field) << name;
    EXPECT_TRUE(field->set(std::string(setting.substr(space)).c_str())) << setting;
  }
}

// The axis in a separator, moved by shift ("x y z").
inline NodeRef<SoSeparator> shifted(SoNode* axis, const char* shift) {
  auto* root = new SoSeparator;
  auto* move = new SoTransform;
  move->translation.set(shift);
  root->addChild(move);
  root->addChild(axis);
  return NodeRef<SoSeparator>(root);
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
