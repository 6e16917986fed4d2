// SPDX-License-Identifier: Apache-2.0
#pragma once

// The "PolarLin" level (group 9) of the polar linear axis editor: the
// graduation step and fit, and the button of the numeric display format, which
// the editor carries between the nodes but does not edit.

#include "editors/axis/detail/levels/PolarAxisLevel.h"
#include "platform/plivex/PoPolarLinAxis.h"

namespace plivexwin {

// Group 9, by element position.
constexpr ElementRow kPolarLinRows[] = {
    realSlider<&PoPolarLinAxis::step>("Step :", 0, 1, 0),
    choice<&PoPolarLinAxis::gradFit, plivex::kGradFit>("Graduations Fit :", kGradFits),
    button("Format :", "Edit"),
};

inline const SbString kPolarLinLabel("PolarLin");
constexpr LevelGroup kPolarLinGroups[] = {groupInOneSection<kPolarLinRows, kPolarLinLabel>(9)};

constexpr CopyFieldFn kPolarLinCopied[] = {
    copyField<&PoPolarLinAxis::step>,
    copyField<&PoPolarLinAxis::gradFit>,
    copyAttribute<&PoPolarLinAxis::getFormat, &PoPolarLinAxis::setFormat>,
};

constexpr EditorLevel kPolarLinAxisLevel{&kPolarAxisLevel, kPolarLinGroups, kPolarLinCopied,
                                         makeNode<PoPolarLinAxis>};
static_assert(isWellFormed(kPolarLinAxisLevel));

}  // namespace plivexwin
