// SPDX-License-Identifier: Apache-2.0
#pragma once

// The "PolarLog" level (group 10) of the polar logarithmic axis editor: the
// decade elements of the logarithmic axes; the multiplication factor is the
// polar level's.

#include "editors/axis/detail/levels/PolarAxisLevel.h"
#include "editors/axis/detail/levels/SharedAxisRows.h"
#include "platform/plivex/PoPolarLogAxis.h"

namespace plivexwin {

// Group 10, by element position.
constexpr auto kPolarLogRows = decadeRows<PoPolarLogAxis>();

inline const SbString kPolarLogLabel("PolarLog");
constexpr LevelGroup kPolarLogGroups[] = {groupInOneSection<kPolarLogRows, kPolarLogLabel>(10)};

constexpr auto kPolarLogCopied = decadeCopies<PoPolarLogAxis>();

constexpr EditorLevel kPolarLogAxisLevel{&kPolarAxisLevel, kPolarLogGroups, kPolarLogCopied,
                                         makeNode<PoPolarLogAxis>};
static_assert(isWellFormed(kPolarLogAxisLevel));

}  // namespace plivexwin
