#pragma once

// The labels of the section heads, made when the library is loaded (the
// definitions stand with the library's other load-time statics).

#include "platform/scenar/basic/SbString.h"

namespace plivexwin::detail::labels {

// Common axis sections.
extern const SbString graduations, title, reverseFlag, miscTextAttr, margin, grid, arrow, tick;
// Axis class levels.
extern const SbString cartesian, linear;

}  // namespace plivexwin::detail::labels
