// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/nodes/SoSubNode.h"

using SoCallbackCB = void(void* userData, SoAction* action);

// Calls a function with the action whenever any action traverses it.
class SoCallback : public SoNode {
  SO_NODE_HEADER(SoCallback, SoNode);

 public:
  SoCallback();

  void setCallback(SoCallbackCB* function, void* userData = nullptr) {
    function_ = function;
    userData_ = userData;
  }
  SoCallbackCB* getCallback() const { return function_; }
  void* getCallbackData() const { return userData_; }

  void doAction(SoAction* action) override;

 protected:
  ~SoCallback() override = default;

 private:
  SoCallbackCB* function_ = nullptr;
  void* userData_ = nullptr;
};
