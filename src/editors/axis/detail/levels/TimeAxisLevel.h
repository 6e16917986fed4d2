// SPDX-License-Identifier: Apache-2.0
#pragma once

// The "Time" level (group 11) of the time axis editor, right on the axis base:
// the date range, where the axis lies, the language of the date texts, the
// graduation fit and the period of the times. The graduation texts and the
// date format mapping travel between the nodes behind two buttons.

#include "editors/axis/detail/levels/SharedAxisRows.h"
#include "editors/detail/level/AxisBaseLevel.h"
#include "platform/plivex/PoTimeAxis.h"

namespace plivexwin {

constexpr const char* kTimeAxisTypes[] = {"X", "Y"};
constexpr const char* kLanguages[] = {"English", "Francais", "Deutch", "Espanol"};

// Group 11, by element position.
constexpr ElementRow kTimeRows[] = {
    text<&PoTimeAxis::startDate>("Start Date :", "1-01-70"),
    text<&PoTimeAxis::endDate>("End Date :", "2-01-70"),
    convertedText("Coordinate :", "0", showNumber<&PoTimeAxis::coordinate>,
                  writePrintedNumber<&PoTimeAxis::coordinate>),
    choice<&PoTimeAxis::type, plivex::kTimeAxisType>("Type :", kTimeAxisTypes),
    choice<&PoTimeAxis::language, plivex::kLanguage>("Language :", kLanguages),
    choice<&PoTimeAxis::gradFit, plivex::kGradFit>("Gradutation Fit :", kGradFits),
    button("Graduation Rep. :", "Edit"),
    text<&PoTimeAxis::timesPeriod>("Times Period :", ""),
    button("Date Format Mapping :", "Edit"),
};

inline const SbString kTimeLabel("Time");
constexpr LevelGroup kTimeGroups[] = {groupInOneSection<kTimeRows, kTimeLabel>(11)};

constexpr CopyFieldFn kTimeCopied[] = {
    copyField<&PoTimeAxis::startDate>,
    copyField<&PoTimeAxis::endDate>,
    copyField<&PoTimeAxis::coordinate>,
    copyField<&PoTimeAxis::type>,
    copyField<&PoTimeAxis::language>,
    copyField<&PoTimeAxis::gradFit>,
    copyField<&PoTimeAxis::gradRep>,
    copyField<&PoTimeAxis::timesPeriod>,
    copyAttribute<&PoTimeAxis::getDateFormatMapping, &PoTimeAxis::setDateFormatMapping>,
};

constexpr EditorLevel kTimeAxisLevel{&kAxisBaseLevel, kTimeGroups, kTimeCopied,
                                     makeNode<PoTimeAxis>};
static_assert(isWellFormed(kTimeAxisLevel));

}  // namespace plivexwin
