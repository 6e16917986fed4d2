// SPDX-License-Identifier: Apache-2.0
#pragma once

// The "Angular" level (group 7) of the angular axis editor, right on the axis
// base: the arc the axis is drawn along (offset, start and end angle, radius),
// the angle between graduations and the graduation fit.

#include "editors/axis/detail/levels/SharedAxisRows.h"
#include "editors/detail/level/AxisBaseLevel.h"
#include "platform/plivex/PoAngularAxis.h"

namespace plivexwin {

// Group 7, by element position.
constexpr ElementRow kAngularRows[] = {
    realSlider<&PoAngularAxis::offset>("Offset :", 0, kAngleSliderMax, 0),
    realSlider<&PoAngularAxis::startAngle>("Start Angle :", 0, kAngleSliderMax, 0),
    realSlider<&PoAngularAxis::endAngle>("End Angle :", 0, kAngleSliderMax, 0),
    realSlider<&PoAngularAxis::radius>("Radius :", 0, 1, 0),
    realSlider<&PoAngularAxis::angleStep>("Angle Step :", 0, 1, 0),
    choice<&PoAngularAxis::gradFit, plivex::kGradFit>("Graduation Fit :", kGradFits),
};

inline const SbString kAngularLabel("Angular");
constexpr LevelGroup kAngularGroups[] = {groupInOneSection<kAngularRows, kAngularLabel>(7)};

constexpr CopyFieldFn kAngularCopied[] = {
    copyField<&PoAngularAxis::offset>,    copyField<&PoAngularAxis::startAngle>,
    copyField<&PoAngularAxis::endAngle>,  copyField<&PoAngularAxis::radius>,
    copyField<&PoAngularAxis::angleStep>, copyField<&PoAngularAxis::gradFit>,
};

constexpr EditorLevel kAngularAxisLevel{&kAxisBaseLevel, kAngularGroups, kAngularCopied,
                                        makeNode<PoAngularAxis>};
static_assert(isWellFormed(kAngularAxisLevel));

}  // namespace plivexwin
