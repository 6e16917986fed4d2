// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <memory>

class SoNode;
class SoWinViewer;

namespace plivexwin::serve {

// Finds the axis or legend under a click on a scene's picture, as a window
// showing the scene would: the press goes through the views' event routing,
// which hands the viewer the camera of the view under the pointer, then a ray
// pick in that view finds the nearest line, text or box there and its
// plotting node. Every view of the scene is made sensitive to events.
class ScenePicker {
 public:
  explicit ScenePicker(SoNode* root);
  ~ScenePicker();
  ScenePicker(const ScenePicker&) = delete;
  ScenePicker& operator=(const ScenePicker&) = delete;

  // How near, in pixels, a line must pass the click.
  static constexpr float kLineRadius = 4.0f;

  // The axis or legend (a PoAxis or PoLegend, not referenced) under pixel
  // (x, y), y counted from the top, of the scene's width x height picture;
  // nullptr when the click meets none or lies outside the picture.
  SoNode* pick(int width, int height, int x, int y);

 private:
  SoNode* root_;
  std::unique_ptr<SoWinViewer> viewer_;
};

}  // namespace plivexwin::serve
