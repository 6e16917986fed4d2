// SPDX-License-Identifier: Apache-2.0
#pragma once

// Choice items that both editor families show.

namespace plivexwin {

constexpr const char* kMarginTypes[] = {"Relative", "Fixed"};

}  // namespace plivexwin
