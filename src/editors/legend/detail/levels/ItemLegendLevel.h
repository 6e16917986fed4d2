// SPDX-License-Identifier: Apache-2.0
#pragma once

// The item legend level: the "Item" section (group 2) with the legend's two
// corners and the visibility of the items' boxes, lines and markers.

#include "editors/detail/level/LegendBaseLevel.h"
#include "platform/plivex/PoItemLegend.h"

namespace plivexwin {

constexpr ElementRow kItemRows[] = {
    convertedText("Start :", "0", showVector<&PoItemLegend::start>,
                  writeVector<&PoItemLegend::start>),
    convertedText("End :", "0", showVector<&PoItemLegend::end>, writeVector<&PoItemLegend::end>),
    toggle<&PoItemLegend::boxVisibility>("Box Visibility :"),
    toggle<&PoItemLegend::lineVisibility>("Line Visibility :"),
    toggle<&PoItemLegend::markerVisibility>("Marker Visibility :"),
};

inline const SbString kItemLabel("Item");

constexpr LevelGroup kItemGroups[] = {groupInOneSection<kItemRows, kItemLabel>(2)};

// Lists are copied whole, so that a shorter list leaves no old value behind.
constexpr CopyFieldFn kItemCopied[] = {
    copyField<&PoItemLegend::start>,          copyField<&PoItemLegend::end>,
    copyField<&PoItemLegend::itemString>,     copyField<&PoItemLegend::boxVisibility>,
    copyField<&PoItemLegend::boxColor>,       copyField<&PoItemLegend::lineVisibility>,
    copyField<&PoItemLegend::lineColor>,      copyField<&PoItemLegend::lineFloatValue>,
    copyField<&PoItemLegend::lineShortValue>, copyField<&PoItemLegend::markerVisibility>,
    copyField<&PoItemLegend::markerColor>,    copyField<&PoItemLegend::markerFloatValue>,
    copyField<&PoItemLegend::markerString>,
};

constexpr EditorLevel kItemLegendLevel{&kLegendBaseLevel, kItemGroups, kItemCopied,
                                       makeNode<PoItemLegend>};
static_assert(isWellFormed(kItemLegendLevel));

}  // namespace plivexwin
