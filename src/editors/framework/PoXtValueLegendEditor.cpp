#include "editors/framework/PoXtValueLegendEditor.h"

#include "editors/framework/level/LevelSource.h"
#include "editors/framework/level/ValueLegendLevel.h"

PO_XT_LEGEND_LEVEL_SOURCE(PoXtValueLegendEditor, PoXtLegendEditor, plivexwin::kValueLegendLevel,
                          setValueLegendFilter, getValueLegendFilter, valueLegendFilter,
                          valueSectionCount, valueLegendFilterBuilt, valueElementsCallback)
