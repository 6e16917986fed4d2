#include "editors/legend/PoXtItemLegendEditor.h"

#include "editors/framework/level/LevelSource.h"
#include "editors/legend/levels/ItemLegendLevel.h"

PO_XT_LEGEND_LEVEL_SOURCE(PoXtItemLegendEditor, PoXtLegendEditor, plivexwin::kItemLegendLevel,
                          setItemLegendFilter, getItemLegendFilter, itemLegendFilter,
                          itemSectionCount, itemLegendFilterBuilt, itemElementsCallback)
