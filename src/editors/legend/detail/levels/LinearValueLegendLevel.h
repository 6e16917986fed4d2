// SPDX-License-Identifier: Apache-2.0
#pragma once

// The linear value legend level: the " Linear Values" section (group 8) with
// which of the legend's values are shown.

#include "editors/legend/detail/levels/AutoValueLegendLevel.h"
#include "platform/plivex/PoLinearValueLegend.h"

namespace plivexwin {

constexpr const char* kValueDistributions[] = {"All Values", "Linear Values", "Min Max Values"};

constexpr ElementRow kLinearValueRows[] = {
    choice<&PoLinearValueLegend::valueDistribution, plivex::kValueDistribution>(
        "Value Distribution :", kValueDistributions),
};

// The head's label starts with a blank.
inline const SbString kLinearValuesLabel(" Linear Values");

constexpr LevelGroup kLinearValueGroups[] = {
    groupInOneSection<kLinearValueRows, kLinearValuesLabel>(8)};

constexpr CopyFieldFn kLinearValueCopied[] = {copyField<&PoLinearValueLegend::valueDistribution>};

constexpr EditorLevel kLinearValueLegendLevel{&kAutoValueLegendLevel, kLinearValueGroups,
                                              kLinearValueCopied, makeNode<PoLinearValueLegend>};
static_assert(isWellFormed(kLinearValueLegendLevel));

}  // namespace plivexwin
