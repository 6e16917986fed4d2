// SPDX-License-Identifier: Apache-2.0
#include "editors/legend/PoXtItemLegendEditor.h"

#include "editors/detail/level/LevelSource.h"
#include "editors/legend/detail/levels/ItemLegendLevel.h"

PO_XT_LEGEND_LEVEL(PoXtItemLegendEditor, plivexwin::kItemLegendLevel, setItemLegendFilter,
                   itemElementsCallback)
