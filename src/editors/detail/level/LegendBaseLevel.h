// SPDX-License-Identifier: Apache-2.0
#pragma once

// The level of the legend editor base: group 1, the four sections common to
// every legend editor, and the copied fields.

#include "editors/detail/level/EditorLevel.h"
#include "editors/detail/level/SharedChoices.h"
#include "platform/plivex/PoLegend.h"
#include "platform/plivex/PoLegendEnums.h"

namespace plivexwin {

constexpr const char* kOffOn[] = {"Off", "On"};
constexpr const char* kLegendPositions[] = {"Bottom", "Top", "Right", "Left"};
constexpr const char* kLegendPaths[] = {"Right", "Left", "Up", "Down"};
constexpr const char* kIncrementTypes[] = {"Vertical", "Horizontal"};

// Group 1, by element position.
constexpr ElementRow kLegendRows[] = {
    choice<&PoLegend::titleVisibility, plivex::kLegendVisibility>("Visibility :", kOffOn),
    choice<&PoLegend::titlePosition, plivex::kLegendPosition>("Position :", kLegendPositions),
    choice<&PoLegend::titlePath, plivex::kLegendTextPath>("Text Path :", kLegendPaths),
    text<&PoLegend::titleFontName>("Font Name :", ""),
    realSlider<&PoLegend::titleFontSize>("Font Size :", 0, 1, 0),
    text<&PoLegend::titleString>("String :", ""),
    choice<&PoLegend::valueVisibility, plivex::kLegendVisibility>("Visibility :", kOffOn),
    choice<&PoLegend::valuePosition, plivex::kLegendPosition>("Position :", kLegendPositions),
    text<&PoLegend::valueFontName>("Font Name :", ""),
    toggle<&PoLegend::valueAddStringVisibility>("Add String Visibility :"),
    text<&PoLegend::valueAddString>("Add String :", ""),
    choice<&PoLegend::marginType, plivex::kMarginType>("Type :", kMarginTypes),
    realSlider<&PoLegend::marginLeft>("Left :", 0, 1, 0),
    realSlider<&PoLegend::marginRight>("Right :", 0, 1, 0),
    realSlider<&PoLegend::marginBottom>("Bottom :", 0, 1, 0),
    realSlider<&PoLegend::marginTop>("Top :", 0, 1, 0),
    choice<&PoLegend::incrementType, plivex::kIncrementType>("Increment Type :", kIncrementTypes),
    ushortText<&PoLegend::numColumns>("Number of columns :", ""),
    realSlider<&PoLegend::boxRatio>("Box Ratio :", 0, 1, 0),
    button("Misc. Text Attr. :", "Edit"),
};

inline const SbString kLegendTitleLabel("Title");
inline const SbString kValuesAspectLabel("Values Aspect");
inline const SbString kLegendMarginLabel("Margin");
inline const SbString kMiscLabel("Misc.");

// label, element mask, toggled
constexpr SectionRow kLegendSections[] = {
    {&kLegendTitleLabel, 0x0000003f, true},
    {&kValuesAspectLabel, 0x000007c0, true},
    {&kLegendMarginLabel, 0x0000f800, true},
    {&kMiscLabel, 0x000f0000, false},
};

// elements, sections, default filter
constexpr LevelGroup kLegendGroups[] = {
    {makeGroup<kLegendRows>(1), kLegendSections, {0xfffff, 0}},
};

// The common fields in declaration order, then the miscellaneous text attribute.
constexpr CopyFieldFn kLegendCopied[] = {
    copyField<&PoLegend::titleVisibility>,
    copyField<&PoLegend::titlePosition>,
    copyField<&PoLegend::titlePath>,
    copyField<&PoLegend::titleFontSize>,
    copyField<&PoLegend::titleFontName>,
    copyField<&PoLegend::titleString>,
    copyField<&PoLegend::valueVisibility>,
    copyField<&PoLegend::valuePosition>,
    copyField<&PoLegend::valueFontName>,
    copyField<&PoLegend::valueAddStringVisibility>,
    copyField<&PoLegend::valueAddString>,
    copyField<&PoLegend::marginType>,
    copyField<&PoLegend::marginLeft>,
    copyField<&PoLegend::marginRight>,
    copyField<&PoLegend::marginBottom>,
    copyField<&PoLegend::marginTop>,
    copyField<&PoLegend::incrementType>,
    copyField<&PoLegend::numColumns>,
    copyField<&PoLegend::boxRatio>,
    copyAttribute<&PoLegend::getMiscTextAttr, &PoLegend::setMiscTextAttr>,
};

constexpr EditorLevel kLegendBaseLevel{nullptr, kLegendGroups, kLegendCopied};
static_assert(isWellFormed(kLegendBaseLevel));

}  // namespace plivexwin
