#include "editors/axis/PoXtLinearAxisEditor.h"

#include "editors/axis/levels/LinearAxisLevel.h"
#include "editors/framework/level/LevelSource.h"

PO_XT_AXIS_LEVEL_SOURCE(PoXtLinearAxisEditor, PoXtCartesianAxisEditor, plivexwin::kLinearAxisLevel,
                        setLinearAxisFilter, getLinearAxisFilter, linearFilter, linearSectionCount,
                        linearFilterBuilt, linearElementsCallback)
