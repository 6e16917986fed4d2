// SPDX-License-Identifier: Apache-2.0
#include "editors/axis/PoXtCartesianAxisEditor.h"

#include "editors/axis/detail/levels/CartesianAxisLevel.h"
#include "editors/detail/level/LevelSource.h"

PO_XT_AXIS_LEVEL(PoXtCartesianAxisEditor, plivexwin::kCartesianAxisLevel, setCartesianAxisFilter,
                 cartesianElementsCallback)
