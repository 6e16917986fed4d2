// SPDX-License-Identifier: Apache-2.0
#include "editors/axis/PoXtGenAxisEditor.h"

#include "editors/axis/detail/levels/GenAxisLevel.h"
#include "editors/detail/level/LevelSource.h"

PO_XT_AXIS_LEVEL(PoXtGenAxisEditor, plivexwin::kGenAxisLevel, setGenAxisFilter, genElementsCallback)
