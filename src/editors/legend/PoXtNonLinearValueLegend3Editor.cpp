// SPDX-License-Identifier: Apache-2.0
#include "editors/legend/PoXtNonLinearValueLegend3Editor.h"

#include "editors/detail/level/LevelSource.h"
#include "editors/legend/detail/levels/NonLinearValueLegendLevels.h"

PO_XT_LEGEND_LEVEL(PoXtNonLinearValueLegend3Editor, plivexwin::kNonLinearValueLegend3Level,
                   setNonLinearValueLegend3Filter, nonLinearValueElementsCallback)
