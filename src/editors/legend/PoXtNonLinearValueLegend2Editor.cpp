#include "editors/legend/PoXtNonLinearValueLegend2Editor.h"

#include "editors/framework/level/LevelSource.h"
#include "editors/legend/levels/NonLinearValueLegendLevels.h"

PO_XT_LEGEND_LEVEL_SOURCE(PoXtNonLinearValueLegend2Editor, PoXtAutoValueLegendEditor,
                          plivexwin::kNonLinearValueLegend2Level, setNonLinearValueLegend2Filter,
                          getNonLinearValueLegend2Filter, nonLinearValueLegendFilter,
                          nonLinearValueSectionCount, nonLinearValueLegendFilterBuilt,
                          nonLinearValueElementsCallback)
