// SPDX-License-Identifier: Apache-2.0
#pragma once

// The "Gen" level (group 6) of the generic axis editor: a head-less section
// with the button of the graduation texts, which the editor carries between
// the nodes but does not edit.

#include "editors/axis/detail/levels/CartesianAxisLevel.h"
#include "platform/plivex/PoGenAxis.h"

namespace plivexwin {

// Group 6, by element position.
constexpr ElementRow kGenRows[] = {
    button("Graduations List :", "Edit"),
};

inline const SbString kGenLabel("Gen");
constexpr LevelGroup kGenGroups[] = {groupInOnePlainSection<kGenRows, kGenLabel>(6)};

constexpr CopyFieldFn kGenCopied[] = {
    copyField<&PoGenAxis::gradList>,
};

constexpr EditorLevel kGenAxisLevel{&kCartesianAxisLevel, kGenGroups, kGenCopied,
                                    makeNode<PoGenAxis>};
static_assert(isWellFormed(kGenAxisLevel));

}  // namespace plivexwin
