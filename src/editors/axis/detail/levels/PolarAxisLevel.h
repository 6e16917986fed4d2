// SPDX-License-Identifier: Apache-2.0
#pragma once

// The "Polar" level (group 8) shared by the polar axis editors: where the
// radial axis starts and ends, its angle, and where the multiplication factor
// goes.

#include "editors/axis/detail/levels/SharedAxisRows.h"
#include "editors/detail/level/AxisBaseLevel.h"
#include "platform/plivex/PoPolarAxis.h"

namespace plivexwin {

// Group 8, by element position.
constexpr ElementRow kPolarRows[] = {
    realSlider<&PoPolarAxis::offset>("Offset :", 0, 1, 0),
    realSlider<&PoPolarAxis::startRadius>("Start Radius :", 0, 1, 0),
    realSlider<&PoPolarAxis::endRadius>("End Radius :", 0, 1, 1),
    realSlider<&PoPolarAxis::theta>("Theta :", 0, kAngleSliderMax, 0),
    choice<&PoPolarAxis::multFactorPosition, plivex::kMultFactorPosition>("Mult. Factor Position :",
                                                                          kMultFactorPositions),
    realSlider<&PoPolarAxis::multFactorDistAxis>("Mult. Factor Dist. Axis :", 0, 1, 0),
};

inline const SbString kPolarLabel("Polar");
constexpr LevelGroup kPolarGroups[] = {groupInOneSection<kPolarRows, kPolarLabel>(8)};

constexpr CopyFieldFn kPolarCopied[] = {
    copyField<&PoPolarAxis::offset>,
    copyField<&PoPolarAxis::startRadius>,
    copyField<&PoPolarAxis::endRadius>,
    copyField<&PoPolarAxis::theta>,
    copyField<&PoPolarAxis::multFactorPosition>,
    copyField<&PoPolarAxis::multFactorDistAxis>,
};

constexpr EditorLevel kPolarAxisLevel{&kAxisBaseLevel, kPolarGroups, kPolarCopied};
static_assert(isWellFormed(kPolarAxisLevel));

}  // namespace plivexwin
