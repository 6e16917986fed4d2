// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdint>

/// The element filter of one group: an element is shown when its bit is set in
/// show and clear in hide.
struct PoXtElementFilter {
  uint32_t show = 0;
  uint32_t hide = 0;

  constexpr uint32_t shown() const { return show & ~hide; }
};
