// SPDX-License-Identifier: Apache-2.0
#pragma once

// The operations every class level has, defined for one level by one line of
// its source file:
//
//   PO_XT_AXIS_LEVEL(PoXtLinearAxisEditor, plivexwin::kLinearAxisLevel, setLinearAxisFilter,
//                    linearElementsCallback)
//
// Class is the level's class, level its description; setLevelFilter and
// callback are the class's names of its level filter setter and elements
// callback. Each operation is one call of the class's ClassLevel, named Level
// in the class (ClassLevel.h), which also knows the level above and the
// level's own members. The class declares every operation defined here.

#include "editors/detail/level/ClassLevel.h"

// The constructor, buildWidget, the level filter setter and the elements callback.
#define PO_XT_LEVEL(Class, level, setLevelFilter, callback)                                  \
  static_assert((level).groups.size() == 1, #Class ": a class level has one element group"); \
                                                                                             \
  Class::Class(HWND parent, const char* name, SbBool buildInsideParent)                      \
      : Level::Parent(parent, name, buildInsideParent) {                                     \
    Level::construct(*this, level, parent, name, buildInsideParent);                         \
  }                                                                                          \
  void Class::buildWidget(HWND parent, const char* name, SbBool buildInsideParent) {         \
    Level::buildWidget(*this, level, callback, parent, name, buildInsideParent);             \
  }                                                                                          \
  void Class::setLevelFilter(uint32_t show, uint32_t hide) {                                 \
    Level::setFilter(*this, level, show, hide);                                              \
  }                                                                                          \
  void Class::callback(void* editor, PoXtDialogDataCB* record) {                             \
    Level::elementChanged(editor, level, record);                                            \
  }

// A class level of the axis editors, with the family's operations that apply
// the stored filters, copy the edited fields and write the elements into the
// working copy.
#define PO_XT_AXIS_LEVEL(Class, level, setLevelFilter, callback)                                \
  PO_XT_LEVEL(Class, level, setLevelFilter, callback)                                           \
  void Class::setAxisFilter() { Level::applyFilters(*this, &Class::setLevelFilter); }           \
  void Class::copyAxisFields(PoAxis* to, PoAxis* from) { Level::copy(*this, level, to, from); } \
  void Class::updateAxisFromXtElements() { Level::update(*this, level); }

// A class level of the legend editors, the same under the family's names.
#define PO_XT_LEGEND_LEVEL(Class, level, setLevelFilter, callback)                \
  PO_XT_LEVEL(Class, level, setLevelFilter, callback)                             \
  void Class::setFilter() { Level::applyFilters(*this, &Class::setLevelFilter); } \
  void Class::copyLegendFields(PoLegend* to, PoLegend* from) {                    \
    Level::copy(*this, level, to, from);                                          \
  }                                                                               \
  void Class::updateLegendFromXtElements() { Level::update(*this, level); }
