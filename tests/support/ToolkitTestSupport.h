// SPDX-License-Identifier: Apache-2.0
#pragma once

// What tests of toolkit graphs share: a check that references balance,
// reading a scene file, a separator with a camera, naming nodes as they are
// made, and counting the nodes of a type in a graph.

#include <gtest/gtest.h>

#include <string>

#include "platform/scenar/SoDB.h"
#include "platform/scenar/actions/SoSearchAction.h"
#include "platform/scenar/basic/SbName.h"
#include "platform/scenar/basic/SoBase.h"
#include "platform/scenar/basic/SoRef.h"
#include "platform/scenar/files/SoInput.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoOrthographicCamera.h"
#include "platform/scenar/nodes/SoPath.h"
#include "platform/scenar/vrml/SoVRMLShape.h"
#include "platform/scenar/vrml/SoVRMLText.h"

// A test that checks at its end that it released every toolkit object it made.
class LiveCountTest : public ::testing::Test {
 protected:
  void SetUp() override { liveAtStart_ = SoBase::getLiveCount(); }
  void TearDown() override {
    EXPECT_EQ(SoBase::getLiveCount(), liveAtStart_) << "references do not balance";
  }

 private:
  long liveAtStart_ = 0;
};

// Reads text, a scene file that must read, and returns its node held (empty,
// and a failed expectation, when it does not read).
inline SoRef<SoNode> readNode(const std::string& text) {
  SoInput in;
  in.setBuffer(text);
  SoNode* node = nullptr;
  EXPECT_TRUE(SoDB::read(&in, node)) << in.getErrorMessage().str();
  return SoRef(node);
}

// A held separator holding an orthographic camera at (0, 0, 5): it sees
// [-1, 1] on both axes of the z = 0 plane.
inline SoRef<SoSeparator> cameraScene() {
  SoRef root(new SoSeparator);
  auto* camera = new SoOrthographicCamera;
  camera->position.setValue(0, 0, 5);
  root->addChild(camera);
  return root;
}

// node, given the name.
template <typename T>
T* named(T* node, const char* name) {
  node->setName(name);
  return node;
}

// How many nodes of type, or of a type derived from it, the search finds
// below root, root included.
inline int countBelow(SoNode* root, SoType type) {
  SoSearchAction search;
  search.setType(type);
  search.setInterest(SoSearchAction::ALL);
  search.apply(root);
  return search.getPaths().getLength();
}

// How many VRML Shapes below root hold something else than a text: what the
// lines, faces and cubes of a toolkit scene convert to.
inline int countShapesBesideTexts(SoNode* root) {
  SoSearchAction search;
  search.setType(SoVRMLShape::getClassTypeId());
  search.setInterest(SoSearchAction::ALL);
  search.apply(root);
  int count = 0;
  for (int i = 0; i < search.getPaths().getLength(); ++i) {
    const auto* shape = static_cast<SoVRMLShape*>(search.getPaths()[i]->getTail());
    if (!dynamic_cast<SoVRMLText*>(shape->geometry.getValue())) ++count;
  }
  return count;
}
