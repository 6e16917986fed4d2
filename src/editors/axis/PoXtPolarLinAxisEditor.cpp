#include "editors/axis/PoXtPolarLinAxisEditor.h"

#include "editors/axis/levels/PolarLinAxisLevel.h"
#include "editors/framework/level/LevelSource.h"

PO_XT_AXIS_LEVEL_SOURCE(PoXtPolarLinAxisEditor, PoXtPolarAxisEditor, plivexwin::kPolarLinAxisLevel,
                        setPolarLinAxisFilter, getPolarLinAxisFilter, polarLinFilter,
                        polarLinSectionCount, polarLinFilterBuilt, polarLinElementsCallback)
