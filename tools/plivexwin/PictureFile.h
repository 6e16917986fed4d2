// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <functional>
#include <string>

#include "platform/scenar/basic/SbLinear.h"

class SoNode;

namespace plivexwin::cli {

class ReplacingFile;

// The paper plots lie on: what a picture shows outside every view, and the
// background of a converted world.
inline const SbColor kPaperColor(1.0f, 1.0f, 1.0f);

// How a scene is rendered into a picture.
struct PictureSettings {
  int width = 800;
  int height = 600;
  int columns = 1;  // tiles
  int rows = 1;
  bool renderUnit = false;  // SoDB's render-unit mode during the render
};

// Told after each tile: how many are done, out of how many.
using TileProgress = std::function<void(int done, int total)>;

// Whether settings can render; false, with the reason in error, when they
// cannot (a side of 0 or above the renderer's largest, tiles finer than the
// pixels).
bool canRender(const PictureSettings& settings, std::string& error);

// Renders scene with SoOffscreenRenderer and streams its rows into a PNG file
// at path, written through a new file renamed into place. False, with the
// reason in error and path as it was, when the settings are refused or the
// file cannot be written. SoDB's render-unit mode is as before afterwards.
bool writePicture(SoNode* scene, const PictureSettings& settings, const std::string& path,
                  const TileProgress& progress, std::string& error);
// Renders scene into file, open, as the other writePicture does, and leaves
// it to be committed; on a failure file is discarded.
bool writePicture(SoNode* scene, const PictureSettings& settings, ReplacingFile& file,
                  const TileProgress& progress, std::string& error);

}  // namespace plivexwin::cli
