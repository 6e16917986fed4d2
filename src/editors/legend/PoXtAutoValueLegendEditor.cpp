#include "editors/legend/PoXtAutoValueLegendEditor.h"

#include "editors/framework/level/LevelSource.h"
#include "editors/legend/levels/AutoValueLegendLevel.h"

PO_XT_LEGEND_LEVEL_SOURCE(PoXtAutoValueLegendEditor, PoXtValueLegendEditor,
                          plivexwin::kAutoValueLegendLevel, setAutoValueLegendFilter,
                          getAutoValueLegendFilter, autoValueLegendFilter, autoValueSectionCount,
                          autoValueLegendFilterBuilt, autoValueElementsCallback)
