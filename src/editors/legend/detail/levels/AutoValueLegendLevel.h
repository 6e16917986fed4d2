// SPDX-License-Identifier: Apache-2.0
#pragma once

// The automatic value legend level: the "Auto Values" section (group 4) with
// the legend's two corners.

#include "editors/detail/level/ValueLegendLevel.h"
#include "platform/plivex/PoAutoValueLegend.h"

namespace plivexwin {

constexpr ElementRow kAutoValueRows[] = {
    convertedText("Start", "", showVector<&PoAutoValueLegend::start>,
                  writeVector<&PoAutoValueLegend::start>),
    convertedText("End", "", showVector<&PoAutoValueLegend::end>,
                  writeVector<&PoAutoValueLegend::end>),
};

inline const SbString kAutoValuesLabel("Auto Values");

constexpr LevelGroup kAutoValueGroups[] = {groupInOneSection<kAutoValueRows, kAutoValuesLabel>(4)};

constexpr CopyFieldFn kAutoValueCopied[] = {
    copyField<&PoAutoValueLegend::start>,
    copyField<&PoAutoValueLegend::end>,
};

constexpr EditorLevel kAutoValueLegendLevel{&kValueLegendLevel, kAutoValueGroups, kAutoValueCopied};
static_assert(isWellFormed(kAutoValueLegendLevel));

}  // namespace plivexwin
