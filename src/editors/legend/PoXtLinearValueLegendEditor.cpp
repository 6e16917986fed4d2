#include "editors/legend/PoXtLinearValueLegendEditor.h"

#include "editors/framework/level/LevelSource.h"
#include "editors/legend/levels/LinearValueLegendLevel.h"

PO_XT_LEGEND_LEVEL_SOURCE(PoXtLinearValueLegendEditor, PoXtAutoValueLegendEditor,
                          plivexwin::kLinearValueLegendLevel, setLinearValueLegendFilter,
                          getLinearValueLegendFilter, linearValueLegendFilter,
                          linearValueSectionCount, linearValueLegendFilterBuilt,
                          linearValueElementsCallback)
