#include "editors/axis/PoXtGenAxisEditor.h"

#include "editors/axis/levels/GenAxisLevel.h"
#include "editors/framework/level/LevelSource.h"

PO_XT_AXIS_LEVEL_SOURCE(PoXtGenAxisEditor, PoXtCartesianAxisEditor, plivexwin::kGenAxisLevel,
                        setGenAxisFilter, getGenAxisFilter, genFilter, genSectionCount,
                        genFilterBuilt, genElementsCallback)
