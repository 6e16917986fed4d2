// SPDX-License-Identifier: Apache-2.0
#include "editors/legend/PoXtLinearValueLegendEditor.h"

#include "editors/detail/level/LevelSource.h"
#include "editors/legend/detail/levels/LinearValueLegendLevel.h"

PO_XT_LEGEND_LEVEL(PoXtLinearValueLegendEditor, plivexwin::kLinearValueLegendLevel,
                   setLinearValueLegendFilter, linearValueElementsCallback)
