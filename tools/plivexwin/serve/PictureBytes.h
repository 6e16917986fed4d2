#pragma once

#include <string>

class SoNode;

namespace plivexwin::serve {

// Renders scene whole with the offscreen renderer, on the program's paper,
// into a width x height PNG picture held in memory. False, with the reason in
// error, when the size is refused or the scene cannot be rendered.
bool renderPng(SoNode* scene, int width, int height, std::string& png, std::string& error);

}  // namespace plivexwin::serve
