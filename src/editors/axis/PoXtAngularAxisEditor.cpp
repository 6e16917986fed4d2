#include "editors/axis/PoXtAngularAxisEditor.h"

#include "editors/axis/levels/AngularAxisLevel.h"
#include "editors/framework/level/LevelSource.h"

PO_XT_AXIS_LEVEL_SOURCE(PoXtAngularAxisEditor, PoXtAxisEditor, plivexwin::kAngularAxisLevel,
                        setAngularAxisFilter, getAngularAxisFilter, angularFilter,
                        angularSectionCount, angularFilterBuilt, angularElementsCallback)
