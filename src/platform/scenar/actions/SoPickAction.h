// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "platform/scenar/actions/SoSubAction.h"
#include "platform/scenar/basic/SbViewportRegion.h"

// The base of the actions that pick shapes in a viewport.
class SoPickAction : public SoAction {
  SO_ACTION_HEADER(SoPickAction);

 public:
  void setViewportRegion(const SbViewportRegion& region) { region_ = region; }
  const SbViewportRegion& getViewportRegion() const { return region_; }

 protected:
  explicit SoPickAction(const SbViewportRegion& region) : region_(region) {}

  // Traverses with the viewport elements set to the action's region.
  void beginTraversal(SoNode* node) override;

 private:
  SbViewportRegion region_;
};
