// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/basic/SbBox3f.h"
#include "platform/scenar/nodes/SoSubNode.h"

// The base of the nodes that draw geometry. A shape records itself in the
// render log and draws itself into the framebuffer bound to the GL stand-in,
// adds its box to bounding boxes and is hit by picking rays. On an
// applied path, a shape beside the path does none of that.
class SoShape : public SoNode {
  SO_NODE_HEADER(SoShape, SoNode);

 public:
  // The shape's extent in its own coordinates; empty when it has none.
  virtual void computeBBox(SoAction* action, SbBox3f& box) = 0;

  void GLRender(SoGLRenderAction* action) override;
  void getBoundingBox(SoGetBoundingBoxAction* action) override;
  // Honours the pick style: skipped when UNPICKABLE, the box picked for
  // BOUNDING_BOX, else rayPickGeometry.
  void rayPick(SoRayPickAction* action) override;

 protected:
  SoShape();
  ~SoShape() override = default;

  // Issues the shape's primitives to the GL stand-in, set up by the render
  // action for this shape. Nothing is drawn by default.
  virtual void drawGeometry(SoGLRenderAction* action) { (void)action; }
  // Called with the action's ray set up: intersects it with the geometry.
  // Nothing is picked by default.
  virtual void rayPickGeometry(SoRayPickAction* action) { (void)action; }
  static bool isOffPath(const SoAction* action);
};
