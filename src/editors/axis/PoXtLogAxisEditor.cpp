// SPDX-License-Identifier: Apache-2.0
#include "editors/axis/PoXtLogAxisEditor.h"

#include "editors/axis/detail/levels/LogAxisLevel.h"
#include "editors/detail/level/LevelSource.h"

PO_XT_AXIS_LEVEL(PoXtLogAxisEditor, plivexwin::kLogAxisLevel, setLogAxisFilter, logElementsCallback)
