// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "platform/scenar/actions/SoSubAction.h"
#include "platform/scenar/basic/SbLinear.h"
#include "platform/scenar/basic/SbMatrix.h"
#include "platform/scenar/basic/SbViewVolume.h"
#include "platform/scenar/basic/SbViewportRegion.h"

// Renders a scene into the GL stand-in. Each shape met adds a record to the
// render log, telling what was drawn where, so that callers can check
// placement, tiling and scissoring; when a framebuffer is bound to the GL
// stand-in, the shape is also drawn into it.
//
// A render may draw one tile of a larger logical image: the VV portion is the
// part (xmin, ymin, xmax, ymax, normalized) of the full view volume drawn, and
// the logical viewport region is the viewport of the whole image.
//
// Each render starts by resetting the GL stand-in's state (the depth function
// then GL_LEQUAL), then sets the
// viewport region, the logical viewport, the view-volume portion (info 0), the
// logical-viewport portion (both the VV portion) and the update area (the
// whole window) in its state.
//
// Drawing maps each camera's full view volume (before any narrowing to a
// portion) onto its frame: the pixels of the whole picture that the camera's
// part of the window covers (the image region a view sets, else the logical
// viewport when a tile is drawn, else the viewport region). A tile draws the
// same frame shifted by the tile's origin, so that tiles put every vertex
// where the whole picture puts it. Cameras take their aspect ratio from it.
class SoGLRenderAction : public SoAction {
  SO_ACTION_HEADER(SoGLRenderAction);

 public:
  // What one shape drew: the shape, its object-to-world matrix, the view
  // volume and viewport region current at the shape, the GL scissor test at
  // that moment (box as x, y, width, height), and the light model and diffuse
  // colour in force.
  struct RenderRecord {
    SoNode* node = nullptr;
    SbMatrix modelMatrix;
    SbViewVolume viewVolume;
    SbViewportRegion viewportRegion;
    bool scissorEnabled = false;
    int scissorBox[4] = {0, 0, 0, 0};
    bool annotation = false;  // drawn inside an annotation
    int lightModel = 1;       // SoLightModel::PHONG
    SbColor diffuseColor{0.8f, 0.8f, 0.8f};
  };

  explicit SoGLRenderAction(const SbViewportRegion& region);

  void setViewportRegion(const SbViewportRegion& region) { region_ = region; }
  const SbViewportRegion& getViewportRegion() const { return region_; }
  // The logical viewport follows the viewport region until it is set.
  void setLogicalViewportRegion(const SbViewportRegion& region) {
    logical_ = region;
    logicalSet_ = true;
  }
  const SbViewportRegion& getLogicalViewportRegion() const {
    return logicalSet_ ? logical_ : region_;
  }
  void setVVPortion(const SbVec4f& portion) { portion_ = portion; }
  const SbVec4f& getVVPortion() const { return portion_; }

  // The records of the last render, in drawing order. Cleared at the start
  // of each render; its storage is kept.
  const std::vector<RenderRecord>& getRenderLog() const { return log_; }
  void setRenderLogEnabled(bool enabled) { logEnabled_ = enabled; }
  bool isRenderLogEnabled() const { return logEnabled_; }

  // Called by shapes as they render: adds node with the current state.
  void addRenderRecord(SoNode* node);
  // The current frame: a rectangle of the whole picture in pixels.
  struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
  };
  PixelRect getImageFrame();
  // The frame's width over its height; 0 when it has no height.
  float getImageFrameAspect();
  // Sets the GL stand-in up to draw the current shape: the frame as viewport,
  // the camera's full view volume and the model matrix as matrices, the
  // diffuse colour, lighting unless BASE_COLOR, and the depth test but inside
  // annotations. False when no framebuffer is bound or the frame has no pixels:
  // nothing is drawn.
  bool beginShapeDrawing();

  // Annotations bracket their children with these; records in between are
  // marked as annotation.
  void beginAnnotation() { ++annotationDepth_; }
  void endAnnotation() {
    if (annotationDepth_ > 0) --annotationDepth_;
  }

 protected:
  void beginTraversal(SoNode* node) override;

 private:
  // The whole picture's pixel where the buffer drawn into starts: (0, 0)
  // but for a tile.
  SbVec2i32 getTileOrigin() const;

  SbViewportRegion region_;
  SbViewportRegion logical_;
  bool logicalSet_ = false;
  SbVec4f portion_{0.0f, 0.0f, 1.0f, 1.0f};
  std::vector<RenderRecord> log_;
  bool logEnabled_ = true;
  int annotationDepth_ = 0;
};
