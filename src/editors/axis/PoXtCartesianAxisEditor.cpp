#include "editors/axis/PoXtCartesianAxisEditor.h"

#include "editors/axis/levels/CartesianAxisLevel.h"
#include "editors/framework/level/LevelSource.h"

PO_XT_AXIS_LEVEL_SOURCE(PoXtCartesianAxisEditor, PoXtAxisEditor, plivexwin::kCartesianAxisLevel,
                        setCartesianAxisFilter, getCartesianAxisFilter, cartesianFilter,
                        cartesianSectionCount, cartesianFilterBuilt, cartesianElementsCallback)
