// SPDX-License-Identifier: Apache-2.0
#pragma once

// The value legend level: the "Value" section (group 3) with the texts of the
// values outside the mapping and which values are shown.

#include "editors/detail/level/LegendBaseLevel.h"
#include "platform/plivex/PoValueLegend.h"

namespace plivexwin {

constexpr ElementRow kValueRows[] = {
    text<&PoValueLegend::stringUndefUpper>("String Undef Upper :", "UNDEF <"),
    text<&PoValueLegend::stringUndefLower>("String Undef Lower :", "UNDEF >"),
    intSlider<&PoValueLegend::periodValue>("Period Value :", 1, 10, 1),
    intSlider<&PoValueLegend::firstValue>("First Value :", 1, 10, 1),
    intSlider<&PoValueLegend::lastValue>("Last Value :", 1, 10, 1),
};

inline const SbString kValueLabel("Value");

constexpr LevelGroup kValueGroups[] = {groupInOneSection<kValueRows, kValueLabel>(3)};

constexpr CopyFieldFn kValueCopied[] = {
    copyField<&PoValueLegend::stringUndefUpper>, copyField<&PoValueLegend::stringUndefLower>,
    copyField<&PoValueLegend::periodValue>,      copyField<&PoValueLegend::firstValue>,
    copyField<&PoValueLegend::lastValue>,
};

constexpr EditorLevel kValueLegendLevel{&kLegendBaseLevel, kValueGroups, kValueCopied};
static_assert(isWellFormed(kValueLegendLevel));

}  // namespace plivexwin
