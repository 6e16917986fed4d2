// SPDX-License-Identifier: Apache-2.0
#pragma once

// The value names of the legend nodes' enumerated fields, numbered from 0 in
// the order of each table, like the axis ones (PoAxisEnums.h, whose margin
// type table the legends share).

#include "platform/plivex/PoAxisEnums.h"

namespace plivex {

// titleVisibility, valueVisibility
inline constexpr SoEnumEntry kLegendVisibility[] = {{"OFF", 0}, {"ON", 1}};
// titlePosition, valuePosition
inline constexpr SoEnumEntry kLegendPosition[] = {
    {"BOTTOM", 0}, {"TOP", 1}, {"RIGHT", 2}, {"LEFT", 3}};
// titlePath
inline constexpr SoEnumEntry kLegendTextPath[] = {
    {"RIGHT", 0}, {"LEFT", 1}, {"UP", 2}, {"DOWN", 3}};
// incrementType: how the items follow each other, column after column or row after row
inline constexpr SoEnumEntry kIncrementType[] = {{"VERTICAL", 0}, {"HORIZONTAL", 1}};
// valueDistribution of the linear value legend: which of its values it shows
inline constexpr SoEnumEntry kValueDistribution[] = {
    {"ALL_VALUES", 0}, {"LINEAR_VALUES", 1}, {"MIN_MAX_VALUES", 2}};

}  // namespace plivex
