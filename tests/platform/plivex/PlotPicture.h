// SPDX-License-Identifier: Apache-2.0
#pragma once

// Pictures of one plotting node: drawn in dark grey on white under an
// orthographic camera that sees the square [-0.5, 1.5] of its plane, so that
// an axis or legend between 0 and 1 shows with its texts around it.

#include <algorithm>
#include <cstddef>
#include <vector>

#include "platform/scenar/basic/SoRef.h"
#include "platform/scenar/nodes/SoGroup.h"
#include "platform/scenar/nodes/SoLightModel.h"
#include "platform/scenar/nodes/SoMaterial.h"
#include "platform/scenar/nodes/SoOrthographicCamera.h"
#include "platform/scenar/rendering/SoOffscreenRenderer.h"

// RGBA bytes, top row first; empty when the render failed.
inline std::vector<unsigned char> plotPicture(SoNode* plot, int side = 200, int columns = 1,
                                              int rows = 1) {
  const SoRef root(new SoSeparator);
  auto* camera = new SoOrthographicCamera;
  camera->position.setValue(0.5f, 0.5f, 5.0f);
  camera->height.setValue(2.0f);
  root->addChild(camera);
  auto* model = new SoLightModel;
  model->model.setValue(SoLightModel::BASE_COLOR);
  root->addChild(model);
  auto* material = new SoMaterial;
  material->diffuseColor.setValue(SbColor(0.2f, 0.2f, 0.2f));
  root->addChild(material);
  root->addChild(plot);
  SoOffscreenRenderer renderer(
      SbViewportRegion(static_cast<short>(side), static_cast<short>(side)));
  renderer.setBackgroundColor(SbColor(1.0f, 1.0f, 1.0f));
  renderer.setTiles(columns, rows);
  std::vector<unsigned char> picture;
  if (renderer.render(root.get()) && renderer.getBuffer())
    picture.assign(renderer.getBuffer(),
                   renderer.getBuffer() + static_cast<std::size_t>(side) * side * 4);
  return picture;
}

// Whether a picture is all white.
inline bool isBlank(const std::vector<unsigned char>& picture) {
  return std::all_of(picture.begin(), picture.end(), [](unsigned char c) { return c == 255; });
}
