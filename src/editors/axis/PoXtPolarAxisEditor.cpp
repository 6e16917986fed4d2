#include "editors/axis/PoXtPolarAxisEditor.h"

#include "editors/axis/levels/PolarAxisLevel.h"
#include "editors/framework/level/LevelSource.h"

PO_XT_AXIS_LEVEL_SOURCE(PoXtPolarAxisEditor, PoXtAxisEditor, plivexwin::kPolarAxisLevel,
                        setPolarAxisFilter, getPolarAxisFilter, polarFilter, polarSectionCount,
                        polarFilterBuilt, polarElementsCallback)
