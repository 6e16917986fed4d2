// SPDX-License-Identifier: Apache-2.0
#include "editors/axis/PoXtTimeAxisEditor.h"

#include "editors/axis/detail/levels/TimeAxisLevel.h"
#include "editors/detail/level/LevelSource.h"

PO_XT_AXIS_LEVEL(PoXtTimeAxisEditor, plivexwin::kTimeAxisLevel, setTimeAxisFilter,
                 timeElementsCallback)
