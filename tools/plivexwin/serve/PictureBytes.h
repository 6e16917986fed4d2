// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>

#include "plivexwin/PngFile.h"

class SoNode;

namespace plivexwin::serve {

// Renders scene whole with the offscreen renderer, on the program's paper,
// into a width x height PNG picture held in memory, encoded as encoding says.
// False, with the reason in error, when the size is refused or the scene
// cannot be rendered.
bool renderPng(SoNode* scene, int width, int height, std::string& png, std::string& error,
               cli::PngEncoding encoding = cli::PngEncoding::Compact);

}  // namespace plivexwin::serve
