// SPDX-License-Identifier: Apache-2.0
#pragma once

// What the view tests share: class registration, a probe that reads the
// traversal state where it stands, scene text in and out, and a fixture that
// checks references.

#include <gtest/gtest.h>

#include <string>

#include "platform/gl/GL.h"
#include "platform/scenar/SoDB.h"
#include "platform/scenar/actions/SoAction.h"
#include "platform/scenar/actions/SoGLUpdateAreaElement.h"
#include "platform/scenar/actions/SoLogicalViewportElement.h"
#include "platform/scenar/actions/SoModifyViewVolumeElement.h"
#include "platform/scenar/actions/SoState.h"
#include "platform/scenar/actions/SoViewportRegionElement.h"
#include "platform/scenar/actions/SoWriteAction.h"
#include "platform/scenar/basic/SbViewportRegion.h"
#include "platform/scenar/basic/SoBase.h"
#include "platform/scenar/files/SoInput.h"
#include "platform/scenar/files/SoOutput.h"
#include "platform/scenar/nodes/SoCallback.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "views/PoBaseView.h"

// The state as a callback node after a view sees it.
struct ProbeRecord {
  SbViewportRegion viewport;
  SbViewportRegion logical;
  SbVec4f portion;
  SbVec2f updateOrigin, updateSize;
  bool scissor = false;
  GLint scissorBox[4] = {0, 0, 0, 0};
  int calls = 0;
};

inline void probeCB(void* data, SoAction* action) {
  auto* record = static_cast<ProbeRecord*>(data);
  SoState* state = action->getState();
  ++record->calls;
  record->viewport = SoViewportRegionElement::get(state);
  record->logical = SoLogicalViewportElement::get(state);
  record->portion = SoModifyViewVolumeElement::get(state);
  SoGLUpdateAreaElement::get(state, record->updateOrigin, record->updateSize);
  record->scissor = glIsEnabled(GL_SCISSOR_TEST) != 0;
  glGetIntegerv(GL_SCISSOR_BOX, record->scissorBox);
}

inline SoCallback* makeProbe(ProbeRecord* record) {
  auto* probe = new SoCallback;
  probe->setCallback(probeCB, record);
  return probe;
}

// A separator holding a view with the given rectangle, then a probe.
inline SoSeparator* framedProbe(PoBaseView* view, SbVec2f origin, SbVec2f size,
                                ProbeRecord* record) {
  auto* frame = new SoSeparator;
  view->viewportOrigin.setValue(origin);
  view->viewportSize.setValue(size);
  frame->addChild(view);
  frame->addChild(makeProbe(record));
  return frame;
}

inline std::string writeScene(SoNode* node) {
  SoOutput out;
  out.setBuffer();
  SoWriteAction write(&out);
  write.apply(node);
  return out.getBuffer();
}

// The nodes of text under a separator, referenced; nullptr and the reason in
// error on a failure.
inline SoNode* readScene(const std::string& text, SbString* error = nullptr) {
  SoInput in;
  in.setBuffer(text.c_str());
  SoSeparator* root = SoDB::readAll(&in);
  if (!root && error) *error = in.getErrorMessage();
  if (root) root->ref();
  return root;
}

class ViewTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    SoDB::init();
    PoBaseView::initClasses();
  }
  void SetUp() override {
    SoDB::setRenderUnitMode(0);
    PoBaseView::m_vvPortion = SbVec4f(0, 0, 1, 1);
    liveAtStart = SoBase::getLiveCount();
  }
  void TearDown() override {
    SoDB::setRenderUnitMode(0);
    EXPECT_EQ(SoBase::getLiveCount(), liveAtStart) << "references do not balance";
  }
  long liveAtStart = 0;
};
