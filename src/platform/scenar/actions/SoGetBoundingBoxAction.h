// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "platform/scenar/actions/SoSubAction.h"
#include "platform/scenar/basic/SbBox3f.h"
#include "platform/scenar/basic/SbViewportRegion.h"

// Computes the world-space box around the shapes of a scene: each shape's own
// box, mapped by its model matrix.
class SoGetBoundingBoxAction : public SoAction {
  SO_ACTION_HEADER(SoGetBoundingBoxAction);

 public:
  explicit SoGetBoundingBoxAction(const SbViewportRegion& region);

  void setViewportRegion(const SbViewportRegion& region) { region_ = region; }
  const SbViewportRegion& getViewportRegion() const { return region_; }

  // Empty when the last application met no shape with an extent.
  const SbBox3f& getBoundingBox() const { return box_; }
  // The middle of the box; the origin for an empty box.
  SbVec3f getCenter() const { return box_.getCenter(); }

  // Called by shapes: adds a box given in the shape's own coordinates.
  void extendBy(const SbBox3f& objectBox);

 protected:
  void beginTraversal(SoNode* node) override;

 private:
  SbViewportRegion region_;
  SbBox3f box_;
};
