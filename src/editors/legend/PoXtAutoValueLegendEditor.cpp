// SPDX-License-Identifier: Apache-2.0
#include "editors/legend/PoXtAutoValueLegendEditor.h"

#include "editors/detail/level/LevelSource.h"
#include "editors/legend/detail/levels/AutoValueLegendLevel.h"

PO_XT_LEGEND_LEVEL(PoXtAutoValueLegendEditor, plivexwin::kAutoValueLegendLevel,
                   setAutoValueLegendFilter, autoValueElementsCallback)
