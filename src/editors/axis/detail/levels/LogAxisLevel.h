// SPDX-License-Identifier: Apache-2.0
#pragma once

// The "Log" level (group 5) of the logarithmic axis editor: how decades are
// chosen and labelled, how powers of ten are written and where the
// multiplication factor goes.

#include "editors/axis/detail/levels/CartesianAxisLevel.h"
#include "editors/axis/detail/levels/SharedAxisRows.h"
#include "platform/plivex/PoLogAxis.h"

namespace plivexwin {

// Group 5, by element position.
constexpr auto kLogRows =
    joined(decadeRows<PoLogAxis>(),
           std::array{
               choice<&PoLogAxis::multFactorPosition, plivex::kMultFactorPosition>(
                   "Mult. Factor Position :", kMultFactorPositions),
               realSlider<&PoLogAxis::multFactorDistAxis>("Mult Factor Dist. Axis :", 0, 1, 0),
           });

inline const SbString kLogLabel("Log");
constexpr LevelGroup kLogGroups[] = {groupInOneSection<kLogRows, kLogLabel>(5)};

constexpr auto kLogCopied =
    joined(decadeCopies<PoLogAxis>(), std::array{
                                          copyField<&PoLogAxis::multFactorPosition>,
                                          copyField<&PoLogAxis::multFactorDistAxis>,
                                      });

constexpr EditorLevel kLogAxisLevel{&kCartesianAxisLevel, kLogGroups, kLogCopied,
                                    makeNode<PoLogAxis>};
static_assert(isWellFormed(kLogAxisLevel));

}  // namespace plivexwin
