// SPDX-License-Identifier: Apache-2.0
#include "editors/axis/PoXtPolarLinAxisEditor.h"

#include "editors/axis/detail/levels/PolarLinAxisLevel.h"
#include "editors/detail/level/LevelSource.h"

PO_XT_AXIS_LEVEL(PoXtPolarLinAxisEditor, plivexwin::kPolarLinAxisLevel, setPolarLinAxisFilter,
                 polarLinElementsCallback)
