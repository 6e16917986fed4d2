#include "editors/legend/PoXtNonLinearValueLegend1Editor.h"

#include "editors/framework/level/LevelSource.h"
#include "editors/legend/levels/NonLinearValueLegendLevels.h"

PO_XT_LEGEND_LEVEL_SOURCE(PoXtNonLinearValueLegend1Editor, PoXtAutoValueLegendEditor,
                          plivexwin::kNonLinearValueLegend1Level, setNonLinearValueLegend1Filter,
                          getNonLinearValueLegend1Filter, nonLinearValueLegendFilter,
                          nonLinearValueSectionCount, nonLinearValueLegendFilterBuilt,
                          nonLinearValueElementsCallback)
