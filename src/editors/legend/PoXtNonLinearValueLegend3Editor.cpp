#include "editors/legend/PoXtNonLinearValueLegend3Editor.h"

#include "editors/framework/level/LevelSource.h"
#include "editors/legend/levels/NonLinearValueLegendLevels.h"

PO_XT_LEGEND_LEVEL_SOURCE(PoXtNonLinearValueLegend3Editor, PoXtAutoValueLegendEditor,
                          plivexwin::kNonLinearValueLegend3Level, setNonLinearValueLegend3Filter,
                          getNonLinearValueLegend3Filter, nonLinearValueLegendFilter,
                          nonLinearValueSectionCount, nonLinearValueLegendFilterBuilt,
                          nonLinearValueElementsCallback)
