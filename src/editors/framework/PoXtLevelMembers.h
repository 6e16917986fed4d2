// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "editors/framework/PoXtElementFilter.h"

namespace plivexwin {
template <typename Level, typename Parent>
struct ClassLevel;
}

/// The members a class level keeps of its own, bound by name: its filter, the
/// number of its sections and whether its filter setter built them. A class
/// level declares them, then one of these naming them for the steps every
/// class level shares (its ClassLevel, which it befriends):
///
/// ```
///   using Level = plivexwin::ClassLevel<PoXtLinearAxisEditor, PoXtCartesianAxisEditor>;
///   friend Level;
///   static constexpr PoXtLevelMembers<PoXtLinearAxisEditor> levelMembers{
///       .filter = &PoXtLinearAxisEditor::linearFilter,
///       .sectionCount = &PoXtLinearAxisEditor::linearSectionCount,
///       .filterBuilt = &PoXtLinearAxisEditor::linearFilterBuilt};
/// ```
template <typename Level>
struct PoXtLevelMembers {
  PoXtElementFilter Level::*filter;
  int Level::*sectionCount;
  int Level::*filterBuilt;
};
