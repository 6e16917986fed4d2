// SPDX-License-Identifier: Apache-2.0
#pragma once

// The value names of the axis nodes' enumerated fields. Values are numbered from
// 0 in the order of each table; a table serves every field whose choices are the
// same. Nodes hand these tables to SoSFEnum::setEnums, so they read and write
// their enumerated fields by name as well as by number.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/scenar/fields/SoSFields.h"

namespace plivex {

// gradVisibility, titleVisibility, gridVisibility, arrowVisibility, tickVisibility
inline constexpr SoEnumEntry kVisibility[] = {{"OFF", 0}, {"ON", 1}, {"DEPEND", 2}};
// gradPosition
inline constexpr SoEnumEntry kGradPosition[] = {{"ABOVE", 0}, {"BELOW", 1}, {"DEPEND", 2}};
// gradPath, titlePath
inline constexpr SoEnumEntry kTextPath[] = {
    {"RIGHT", 0}, {"LEFT", 1}, {"UP", 2}, {"DOWN", 3}, {"DEPEND", 4}};
// marginType
inline constexpr SoEnumEntry kMarginType[] = {{"RELATIVE", 0}, {"FIXED", 1}};
// titlePosition
inline constexpr SoEnumEntry kTitlePosition[] = {{"MIDDLE", 0}, {"END", 1}, {"DEPEND", 2}};
// tickPosition
inline constexpr SoEnumEntry kTickPosition[] = {
    {"GRAD_SIDE", 0}, {"GRAD_OTHER_SIDE", 1}, {"ACROSS_AXIS", 2}};
// tickSubDef
inline constexpr SoEnumEntry kTickSubDef[] = {{"NUM_SUB", 0}, {"PERIOD_MAIN", 1}};
// reverseFlag
inline constexpr SoEnumEntry kReverseFlag[] = {{"NO_REVERSE", 0}, {"REVERSE", 1}, {"DEPEND", 2}};

// type of the cartesian axes: their orientation, named by two coordinate axes
inline constexpr SoEnumEntry kCartesianType[] = {{"XY", 0}, {"XZ", 1}, {"YX", 2},
                                                 {"YZ", 3}, {"ZX", 4}, {"ZY", 5}};
// gradFit of the linear, time, polar linear and angular axes
inline constexpr SoEnumEntry kGradFit[] = {{"FIT", 0}, {"UNFIT", 1}};
// multFactorPosition of the linear, logarithmic and polar axes
inline constexpr SoEnumEntry kMultFactorPosition[] = {
    {"START", 0}, {"END", 1}, {"EXTR", 2}, {"GRAD", 3}};

// decadeListDef of the logarithmic axes
inline constexpr SoEnumEntry kDecadeListDef[] = {{"AUTO", 0}, {"NON_AUTO", 1}};
// tenPowerRep of the logarithmic axes
inline constexpr SoEnumEntry kTenPowerRep[] = {{"POWER_10", 0}, {"DECIMAL", 1}, {"DEPEND", 2}};
// decadeRep of the logarithmic axes
inline constexpr SoEnumEntry kDecadeRep[] = {
    {"NONE", 0}, {"AS_TEN_POWER", 1}, {"DECIMAL", 2}, {"DIGIT", 3}, {"DEPEND", 4}};

// type of the time axis
inline constexpr SoEnumEntry kTimeAxisType[] = {{"X", 0}, {"Y", 1}};
// language of the time axis's month and day names
inline constexpr SoEnumEntry kLanguage[] = {
    {"ENGLISH", 0}, {"FRANCAIS", 1}, {"DEUTCH", 2}, {"ESPANOL", 3}};

// The value named name in table; a name the table lacks does not compile.
template <std::size_t N>
consteval int32_t enumValue(const SoEnumEntry (&table)[N], std::string_view name) {
  for (const SoEnumEntry& entry : table)
    if (name == entry.name) return entry.value;
  throw "plivex::enumValue(): no such value name";
}

template <std::size_t N>
void setEnums(SoSFEnum& field, const SoEnumEntry (&table)[N]) {
  field.setEnums(table, static_cast<int>(N));
}

}  // namespace plivex

// Records an enumerated field inside a node constructor (after
// SO_NODE_CONSTRUCTOR): its value names come from table, its default is the
// value named defaultName.
#define PO_NODE_ADD_ENUM_FIELD(fieldName, table, defaultName)                \
  do {                                                                       \
    SO_NODE_ADD_FIELD(fieldName, (::plivex::enumValue(table, defaultName))); \
    ::plivex::setEnums(this->fieldName, table);                              \
  } while (false)
