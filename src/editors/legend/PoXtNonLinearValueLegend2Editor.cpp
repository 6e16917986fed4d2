// SPDX-License-Identifier: Apache-2.0
#include "editors/legend/PoXtNonLinearValueLegend2Editor.h"

#include "editors/detail/level/LevelSource.h"
#include "editors/legend/detail/levels/NonLinearValueLegendLevels.h"

PO_XT_LEGEND_LEVEL(PoXtNonLinearValueLegend2Editor, plivexwin::kNonLinearValueLegend2Level,
                   setNonLinearValueLegend2Filter, nonLinearValueElementsCallback)
