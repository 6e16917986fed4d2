// SPDX-License-Identifier: Apache-2.0
#include "editors/axis/PoXtAngularAxisEditor.h"

#include "editors/axis/detail/levels/AngularAxisLevel.h"
#include "editors/detail/level/LevelSource.h"

PO_XT_AXIS_LEVEL(PoXtAngularAxisEditor, plivexwin::kAngularAxisLevel, setAngularAxisFilter,
                 angularElementsCallback)
