// SPDX-License-Identifier: Apache-2.0
#include "editors/legend/PoXtNonLinearValueLegend1Editor.h"

#include "editors/detail/level/LevelSource.h"
#include "editors/legend/detail/levels/NonLinearValueLegendLevels.h"

PO_XT_LEGEND_LEVEL(PoXtNonLinearValueLegend1Editor, plivexwin::kNonLinearValueLegend1Level,
                   setNonLinearValueLegend1Filter, nonLinearValueElementsCallback)
