// SPDX-License-Identifier: Apache-2.0
#pragma once

// The "Cartesian" level (group 3): where a cartesian axis starts, where it ends
// along its direction and its orientation.

#include "editors/detail/level/AxisBaseLevel.h"
#include "platform/plivex/PoCartesianAxis.h"

namespace plivexwin {

constexpr const char* kCartesianTypes[] = {"XY", "XZ", "YX", "YZ", "ZX", "ZY"};

// Group 3, by element position.
constexpr ElementRow kCartesianRows[] = {
    convertedText("Start :", "0 0 0", showVector<&PoCartesianAxis::start>,
                  writeVector<&PoCartesianAxis::start>),
    convertedText("End :", "1", showNumber<&PoCartesianAxis::end>,
                  writeNumber<&PoCartesianAxis::end>),
    choice<&PoCartesianAxis::type, plivex::kCartesianType>("Type :", kCartesianTypes),
};

inline const SbString kCartesianLabel("Cartesian");
constexpr LevelGroup kCartesianGroups[] = {groupInOneSection<kCartesianRows, kCartesianLabel>(3)};

constexpr CopyFieldFn kCartesianCopied[] = {
    copyField<&PoCartesianAxis::start>,
    copyField<&PoCartesianAxis::end>,
    copyField<&PoCartesianAxis::type>,
};

constexpr EditorLevel kCartesianAxisLevel{&kAxisBaseLevel, kCartesianGroups, kCartesianCopied};
static_assert(isWellFormed(kCartesianAxisLevel));

}  // namespace plivexwin
