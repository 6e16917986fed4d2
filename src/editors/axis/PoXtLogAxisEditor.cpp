#include "editors/axis/PoXtLogAxisEditor.h"

#include "editors/axis/levels/LogAxisLevel.h"
#include "editors/framework/level/LevelSource.h"

PO_XT_AXIS_LEVEL_SOURCE(PoXtLogAxisEditor, PoXtCartesianAxisEditor, plivexwin::kLogAxisLevel,
                        setLogAxisFilter, getLogAxisFilter, logFilter, logSectionCount,
                        logFilterBuilt, logElementsCallback)
