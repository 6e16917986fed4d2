// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/gl/detail/Fragments.h"
#include "platform/gl/detail/Window.h"

namespace glstandin::detail {

// Fills the pixels of target.rect whose centres the triangle covers, either
// winding, with a top-left rule for centres on an edge; depth interpolated
// with barycentric weights from the exact edge values.
void drawTriangle(const WindowVertex& a, const WindowVertex& b, const WindowVertex& c,
                  const FragmentTarget& target);

// Draws the one pixel wide line from a towards b (b itself excluded): along
// the major axis each pixel whose centre lies in [a, b), on the minor axis the
// pixel holding the exact interpolated position there.
void drawLine(const WindowVertex& a, const WindowVertex& b, const FragmentTarget& target);

}  // namespace glstandin::detail
