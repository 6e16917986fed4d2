#include "editors/axis/PoXtPolarLogAxisEditor.h"

#include "editors/axis/levels/PolarLogAxisLevel.h"
#include "editors/framework/level/LevelSource.h"

PO_XT_AXIS_LEVEL_SOURCE(PoXtPolarLogAxisEditor, PoXtPolarAxisEditor, plivexwin::kPolarLogAxisLevel,
                        setPolarLogAxisFilter, getPolarLogAxisFilter, polarLogFilter,
                        polarLogSectionCount, polarLogFilterBuilt, polarLogElementsCallback)
