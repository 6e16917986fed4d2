// SPDX-License-Identifier: Apache-2.0
#include "editors/axis/PoXtPolarAxisEditor.h"

#include "editors/axis/detail/levels/PolarAxisLevel.h"
#include "editors/detail/level/LevelSource.h"

PO_XT_AXIS_LEVEL(PoXtPolarAxisEditor, plivexwin::kPolarAxisLevel, setPolarAxisFilter,
                 polarElementsCallback)
