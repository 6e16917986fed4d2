// SPDX-License-Identifier: Apache-2.0
#pragma once

// The "Linear" level (group 4) of the linear axis editor: the graduation step
// and fit and the place of the multiplication factor.

#include "editors/axis/detail/levels/CartesianAxisLevel.h"
#include "editors/axis/detail/levels/SharedAxisRows.h"
#include "platform/plivex/PoLinearAxis.h"

namespace plivexwin {

// Group 4, by element position.
constexpr ElementRow kLinearRows[] = {
    realSlider<&PoLinearAxis::step>("Step :", 0, 1, 0),
    choice<&PoLinearAxis::gradFit, plivex::kGradFit>("Graduation Fit :", kGradFits),
    choice<&PoLinearAxis::multFactorPosition, plivex::kMultFactorPosition>(
        "Mult. Factor Position :", kMultFactorPositions),
    realSlider<&PoLinearAxis::multFactorDistAxis>("Mult. Factor Dist. Axis :", 0, 1, 0),
    button("Format :", "Edit"),
};

inline const SbString kLinearLabel("Linear");
constexpr LevelGroup kLinearGroups[] = {groupInOneSection<kLinearRows, kLinearLabel>(4)};

constexpr CopyFieldFn kLinearCopied[] = {
    copyField<&PoLinearAxis::step>,
    copyField<&PoLinearAxis::gradFit>,
    copyField<&PoLinearAxis::multFactorPosition>,
    copyField<&PoLinearAxis::multFactorDistAxis>,
    copyAttribute<&PoLinearAxis::getFormat, &PoLinearAxis::setFormat>,
};

constexpr EditorLevel kLinearAxisLevel{&kCartesianAxisLevel, kLinearGroups, kLinearCopied,
                                       makeNode<PoLinearAxis>};
static_assert(isWellFormed(kLinearAxisLevel));

}  // namespace plivexwin
