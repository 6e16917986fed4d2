// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string_view>

namespace plivexwin::cli {

// The text of the demo's scene file, from its header line on.
std::string_view demoScene();

}  // namespace plivexwin::cli
