#include "editors/axis/PoXtTimeAxisEditor.h"

#include "editors/axis/levels/TimeAxisLevel.h"
#include "editors/framework/level/LevelSource.h"

PO_XT_AXIS_LEVEL_SOURCE(PoXtTimeAxisEditor, PoXtAxisEditor, plivexwin::kTimeAxisLevel,
                        setTimeAxisFilter, getTimeAxisFilter, timeFilter, timeSectionCount,
                        timeFilterBuilt, timeElementsCallback)
