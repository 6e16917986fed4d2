// SPDX-License-Identifier: Apache-2.0
#include "editors/axis/PoXtPolarLogAxisEditor.h"

#include "editors/axis/detail/levels/PolarLogAxisLevel.h"
#include "editors/detail/level/LevelSource.h"

PO_XT_AXIS_LEVEL(PoXtPolarLogAxisEditor, plivexwin::kPolarLogAxisLevel, setPolarLogAxisFilter,
                 polarLogElementsCallback)
