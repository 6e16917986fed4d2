// SPDX-License-Identifier: Apache-2.0
#pragma once

// The three non-linear value legend levels: each a "Non Linear Values"
// section of its own group (5, 6, 7). The first edits the legend's three
// texts; the other two legends have nothing to edit there, and their section
// is a head without elements.

#include <array>

#include "editors/legend/detail/levels/AutoValueLegendLevel.h"
#include "platform/plivex/PoNonLinearValueLegend1.h"
#include "platform/plivex/PoNonLinearValueLegend2.h"
#include "platform/plivex/PoNonLinearValueLegend3.h"

namespace plivexwin {

inline const SbString kNonLinearValuesLabel("Non Linear Values");

// Texts stored as typed, blanks included.
constexpr ElementRow kNonLinearValue1Rows[] = {
    text<&PoNonLinearValueLegend1::lessLevelString>("Less Level String :", ""),
    text<&PoNonLinearValueLegend1::greaterLevelString>("Greater Level String :", ""),
    text<&PoNonLinearValueLegend1::valueSeparatorString>("Value Separator String :", ""),
};
constexpr LevelGroup kNonLinearValue1Groups[] = {
    groupInOneSection<kNonLinearValue1Rows, kNonLinearValuesLabel>(5)};
constexpr CopyFieldFn kNonLinearValue1Copied[] = {
    copyField<&PoNonLinearValueLegend1::lessLevelString>,
    copyField<&PoNonLinearValueLegend1::greaterLevelString>,
    copyField<&PoNonLinearValueLegend1::valueSeparatorString>,
};
constexpr EditorLevel kNonLinearValueLegend1Level{&kAutoValueLegendLevel, kNonLinearValue1Groups,
                                                  kNonLinearValue1Copied,
                                                  makeNode<PoNonLinearValueLegend1>};
static_assert(isWellFormed(kNonLinearValueLegend1Level));

constexpr std::array<ElementRow, 0> kNoRows{};

constexpr LevelGroup kNonLinearValue2Groups[] = {
    groupInOneSection<kNoRows, kNonLinearValuesLabel>(6)};
constexpr EditorLevel kNonLinearValueLegend2Level{
    &kAutoValueLegendLevel, kNonLinearValue2Groups, {}, makeNode<PoNonLinearValueLegend2>};
static_assert(isWellFormed(kNonLinearValueLegend2Level));

constexpr LevelGroup kNonLinearValue3Groups[] = {
    groupInOneSection<kNoRows, kNonLinearValuesLabel>(7)};
constexpr EditorLevel kNonLinearValueLegend3Level{
    &kAutoValueLegendLevel, kNonLinearValue3Groups, {}, makeNode<PoNonLinearValueLegend3>};
static_assert(isWellFormed(kNonLinearValueLegend3Level));

}  // namespace plivexwin
