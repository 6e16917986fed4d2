// SPDX-License-Identifier: Apache-2.0
#pragma once

// What several axis levels show alike: the items of the graduation fit and of
// the multiplication factor's place, the maximum of the angle sliders, and the
// decade elements and copied decade fields of the logarithmic axes, made for
// each node class that has them.

#include <array>
#include <bit>
#include <cstdint>

#include "editors/detail/level/ElementTable.h"
#include "platform/plivex/PoAxisEnums.h"

namespace plivexwin {

constexpr const char* kGradFits[] = {"Fit", "Unfit"};
constexpr const char* kMultFactorPositions[] = {"Start", "End", "Extr", "Grad"};

// The maximum of the sliders of an angle in radians: 6.28 in single precision,
// a little short of a full turn; a larger node value widens the slider.
constexpr float kAngleSliderMax = 6.28f;
static_assert(std::bit_cast<uint32_t>(kAngleSliderMax) == 0x40c8f5c3u);

constexpr const char* kDecadeListDefs[] = {"Auto", "Non-Auto"};
constexpr const char* kDecadeReps[] = {"None", "As ten power", "Decimal", "Digit", "Depend"};
constexpr const char* kTenPowerReps[] = {"Power 10", "Decimal", "Depend"};

// The decade elements of a logarithmic axis node, positions 0 to 5 of its level's group.
template <typename Node>
constexpr std::array<ElementRow, 6> decadeRows() {
  return {
      choice<&Node::decadeListDef, plivex::kDecadeListDef>("Decade List Def. :", kDecadeListDefs),
      convertedText("Decade List :", "", showDecadeList<&Node::decadeList>,
                    writeDecadeList<&Node::decadeList>),
      choice<&Node::decadeRep, plivex::kDecadeRep>("Decade Rep. :", kDecadeReps),
      text<&Node::decadeFontName>("Decade Font Name :", "defaultFont"),
      realSlider<&Node::decadeFontSize>("Decade Font Size :", 0, 1, 0),
      choice<&Node::tenPowerRep, plivex::kTenPowerRep>("Ten Power Rep. :", kTenPowerReps),
  };
}

// The decade fields in the order they are copied: the definition before the list.
template <typename Node>
constexpr std::array<CopyFieldFn, 6> decadeCopies() {
  return {
      copyField<&Node::decadeListDef>,  copyField<&Node::decadeList>,
      copyField<&Node::tenPowerRep>,    copyField<&Node::decadeRep>,
      copyField<&Node::decadeFontName>, copyField<&Node::decadeFontSize>,
  };
}

}  // namespace plivexwin
