// SPDX-License-Identifier: Apache-2.0
#include "editors/axis/PoXtLinearAxisEditor.h"

#include "editors/axis/detail/levels/LinearAxisLevel.h"
#include "editors/detail/level/LevelSource.h"

PO_XT_AXIS_LEVEL(PoXtLinearAxisEditor, plivexwin::kLinearAxisLevel, setLinearAxisFilter,
                 linearElementsCallback)
