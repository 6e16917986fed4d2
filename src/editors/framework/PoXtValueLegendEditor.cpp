// SPDX-License-Identifier: Apache-2.0
#include "editors/framework/PoXtValueLegendEditor.h"

#include "editors/detail/level/LevelSource.h"
#include "editors/detail/level/ValueLegendLevel.h"

PO_XT_LEGEND_LEVEL(PoXtValueLegendEditor, plivexwin::kValueLegendLevel, setValueLegendFilter,
                   valueElementsCallback)
