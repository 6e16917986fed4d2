// SPDX-License-Identifier: Apache-2.0
#pragma once

// The level of the axis editor base: the text group (1) and the geometry group
// (2), the eight sections common to every axis editor and the copied fields.

#include "editors/detail/level/EditorLevel.h"
#include "editors/detail/level/SharedChoices.h"
#include "platform/plivex/PoAxis.h"
#include "platform/plivex/PoAxisEnums.h"

namespace plivexwin {

constexpr const char* kOffOnDepend[] = {"Off", "On", "Depend"};
constexpr const char* kPaths[] = {"Right", "Left", "Up", "Down", "Depend"};
constexpr const char* kGradPositions[] = {"Above", "Below", "Depend"};
constexpr const char* kTitlePositions[] = {"Middle", "End", "Depend"};
constexpr const char* kReverse[] = {"No Reverse", "Reverse", "Depend"};
constexpr const char* kTickPositions[] = {"Grad. Side", "Grad. Other Side", "Across Axis"};
constexpr const char* kTickSubDefs[] = {"Num. Sub.", "Period Main"};

// Group 1, the text group, by element position.
constexpr ElementRow kAxisTextRows[] = {
    choice<&PoAxis::gradVisibility, plivex::kVisibility>("Visibility :", kOffOnDepend),
    choice<&PoAxis::gradPosition, plivex::kGradPosition>("Position :", kGradPositions),
    choice<&PoAxis::gradPath, plivex::kTextPath>("Path :", kPaths),
    text<&PoAxis::gradFontName>("Font Name :", "defaultFont"),
    realSlider<&PoAxis::gradFontSize>("Font Size :", 0, 1, 0),
    realSlider<&PoAxis::gradDistAxis>("Dist. Axis :", 0, 1, 0),
    toggle<&PoAxis::gradStringVisibility>("String Visibility :"),
    text<&PoAxis::gradString>("String :", ""),
    choice<&PoAxis::titleVisibility, plivex::kVisibility>("Visibility :", kOffOnDepend),
    choice<&PoAxis::titlePosition, plivex::kTitlePosition>("Position :", kTitlePositions),
    choice<&PoAxis::titlePath, plivex::kTextPath>("Path :", kPaths),
    text<&PoAxis::titleFontName>("Font Name :", ""),
    realSlider<&PoAxis::titleFontSize>("Font Size :", 0, 1, 0),
    realSlider<&PoAxis::titleDistAxis>("Dist. Axis :", 0, 1, 0),
    text<&PoAxis::titleString>("String :", ""),
    choice<&PoAxis::reverseFlag, plivex::kReverseFlag>("Reverse Flag :", kReverse),
    button("Misc. Text Attr. :", "Edit"),
};

// Group 2, the geometry group.
constexpr ElementRow kAxisGeomRows[] = {
    choice<&PoAxis::marginType, plivex::kMarginType>("Type :", kMarginTypes),
    realSlider<&PoAxis::marginStart>("Start :", 0, 1, 0),
    realSlider<&PoAxis::marginEnd>("End :", 0, 1, 0),
    choice<&PoAxis::gridVisibility, plivex::kVisibility>("Visibility :", kOffOnDepend),
    realSlider<&PoAxis::gridLengthGradSide>("Length Grad. Side :", 0, 1, 0),
    realSlider<&PoAxis::gridLengthGradOtherSide>("Length Grad. Other Side :", 0, 1, 1),
    choice<&PoAxis::arrowVisibility, plivex::kVisibility>("Visibility :", kOffOnDepend),
    realSlider<&PoAxis::arrowHeight>("Height :", 0, 1, 0),
    realSlider<&PoAxis::arrowLength>("Length :", 0, 1, 0),
    choice<&PoAxis::tickVisibility, plivex::kVisibility>("Visibility :", kOffOnDepend),
    choice<&PoAxis::tickPosition, plivex::kTickPosition>("Position :", kTickPositions),
    realSlider<&PoAxis::tickMainLength>("Main Length :", 0, 1, 0),
    realSlider<&PoAxis::tickSubLength>("Sub. Length :", 0, 1, 0),
    choice<&PoAxis::tickSubDef, plivex::kTickSubDef>("Sub. Definition :", kTickSubDefs),
    intSlider<&PoAxis::tickNumOrPeriod>("Numeric Or Period :", 1, 10, 1),
    intSlider<&PoAxis::tickFirstGrad>("First Grad. :", 1, 10, 1),
    intSlider<&PoAxis::tickLastGrad>("Last Grad. :", 1, 10, 1),
};

inline const SbString kGraduationsLabel("Graduations");
inline const SbString kTitleLabel("Title");
inline const SbString kReverseFlagLabel("Reverse Flag");
inline const SbString kMiscTextAttrLabel("Misc. Text Attr.");
inline const SbString kMarginLabel("Margin");
inline const SbString kGridLabel("Grid");
inline const SbString kArrowLabel("Arrow");
inline const SbString kTickLabel("Tick");

// label, element mask, toggled
constexpr SectionRow kAxisTextSections[] = {
    {&kGraduationsLabel, 0x000000ff, true},
    {&kTitleLabel, 0x00007f00, true},
    {&kReverseFlagLabel, 0x00008000, false},
    {&kMiscTextAttrLabel, 0x00010000, false},
};
constexpr SectionRow kAxisGeomSections[] = {
    {&kMarginLabel, 0x00000007, true},
    {&kGridLabel, 0x00000038, true},
    {&kArrowLabel, 0x000001c0, true},
    {&kTickLabel, 0x0001fe00, true},
};

// elements, sections, default filter
constexpr LevelGroup kAxisGroups[] = {
    {makeGroup<kAxisTextRows>(1), kAxisTextSections, {0x1ffff, 0}},
    {makeGroup<kAxisGeomRows>(2), kAxisGeomSections, {0x1ffff, 0}},
};

// The common fields in declaration order, then the miscellaneous text attribute.
constexpr CopyFieldFn kAxisCopied[] = {
    copyField<&PoAxis::gradVisibility>,
    copyField<&PoAxis::gradPosition>,
    copyField<&PoAxis::gradPath>,
    copyField<&PoAxis::gradFontName>,
    copyField<&PoAxis::gradFontSize>,
    copyField<&PoAxis::gradDistAxis>,
    copyField<&PoAxis::gradStringVisibility>,
    copyField<&PoAxis::gradString>,
    copyField<&PoAxis::marginType>,
    copyField<&PoAxis::marginStart>,
    copyField<&PoAxis::marginEnd>,
    copyField<&PoAxis::titleVisibility>,
    copyField<&PoAxis::titlePosition>,
    copyField<&PoAxis::titlePath>,
    copyField<&PoAxis::titleFontName>,
    copyField<&PoAxis::titleFontSize>,
    copyField<&PoAxis::titleDistAxis>,
    copyField<&PoAxis::titleString>,
    copyField<&PoAxis::gridVisibility>,
    copyField<&PoAxis::gridLengthGradSide>,
    copyField<&PoAxis::gridLengthGradOtherSide>,
    copyField<&PoAxis::arrowVisibility>,
    copyField<&PoAxis::arrowHeight>,
    copyField<&PoAxis::arrowLength>,
    copyField<&PoAxis::tickVisibility>,
    copyField<&PoAxis::tickPosition>,
    copyField<&PoAxis::tickMainLength>,
    copyField<&PoAxis::tickSubLength>,
    copyField<&PoAxis::tickSubDef>,
    copyField<&PoAxis::tickNumOrPeriod>,
    copyField<&PoAxis::tickFirstGrad>,
    copyField<&PoAxis::tickLastGrad>,
    copyField<&PoAxis::reverseFlag>,
    copyAttribute<&PoAxis::getMiscTextAttr, &PoAxis::setMiscTextAttr>,
};

constexpr EditorLevel kAxisBaseLevel{nullptr, kAxisGroups, kAxisCopied};
static_assert(isWellFormed(kAxisBaseLevel));

}  // namespace plivexwin
