#pragma once

// The source of an editor class level: its constructor and the operations
// every level has, made from its description and the names its class gives
// them. A level's source file is its includes and one line:
//
//   PO_XT_AXIS_LEVEL_SOURCE(PoXtLinearAxisEditor, PoXtCartesianAxisEditor, kLinearAxisLevel,
//                           setLinearAxisFilter, getLinearAxisFilter, linearFilter,
//                           linearSectionCount, linearFilterBuilt, linearElementsCallback)
//
// The class declares what the macro defines: the constructor (parent, name,
// buildInsideParent), buildWidget, the family's filter, copy and update
// overrides, the level filter setter and getter, and the elements callback.

#include "editors/framework/level/LevelSteps.h"

// Editor and Node: the family's base and node class; setFiltersOp, copyOp and
// updateOp: the family's names of the operations that apply the stored filters,
// copy the edited fields and write the elements into the working copy.
#define PO_XT_LEVEL_SOURCE(Editor, Node, setFiltersOp, copyOp, updateOp, Class, Base, level,       \
                           setLevelFilter, getLevelFilter, filterMember, countMember, builtMember, \
                           callback)                                                               \
  static_assert((level).groups.size() == 1, #Class ": a class level has one element group");       \
                                                                                                   \
  Class::Class(HWND parent, const char* name, SbBool buildInsideParent)                            \
      : Base(parent, name, buildInsideParent) {                                                    \
    if (plivexwin::LevelSteps<Editor>::construct(*this, level, filterMember, countMember,          \
                                                 builtMember)) {                                   \
      buildWidget(parent, name, buildInsideParent);                                                \
      setFiltersOp();                                                                              \
    }                                                                                              \
  }                                                                                                \
                                                                                                   \
  void Class::buildWidget(HWND parent, const char* name, SbBool buildInsideParent) {               \
    Base::buildWidget(parent, name, buildInsideParent);                                            \
    plivexwin::LevelSteps<Editor>::build(*this, level, callback);                                  \
  }                                                                                                \
                                                                                                   \
  void Class::setFiltersOp() {                                                                     \
    Base::setFiltersOp();                                                                          \
    setLevelFilter(filterMember.show, filterMember.hide);                                          \
  }                                                                                                \
                                                                                                   \
  void Class::setLevelFilter(uint32_t show, uint32_t hide) {                                       \
    plivexwin::LevelSteps<Editor>::setFilter(*this, (level).groups[0], Base::getMenuItems(),       \
                                             filterMember, builtMember, show, hide);               \
  }                                                                                                \
                                                                                                   \
  void Class::getLevelFilter(uint32_t& show, uint32_t& hide) const {                               \
    show = filterMember.show;                                                                      \
    hide = filterMember.hide;                                                                      \
  }                                                                                                \
                                                                                                   \
  void Class::copyOp(Node* to, Node* from) {                                                       \
    Base::copyOp(to, from);                                                                        \
    plivexwin::copyFields(level, to, from);                                                        \
  }                                                                                                \
                                                                                                   \
  void Class::updateOp() {                                                                         \
    Base::updateOp();                                                                              \
    plivexwin::LevelSteps<Editor>::updateFromElements(*this, (level).groups[0]);                   \
  }                                                                                                \
                                                                                                   \
  void Class::callback(void* editor, PoXtDialogDataCB* record) {                                   \
    plivexwin::LevelSteps<Editor>::elementChanged(*static_cast<Class*>(editor), (level).groups[0], \
                                                  record);                                         \
  }

// A class level of the axis editors; see the example above.
#define PO_XT_AXIS_LEVEL_SOURCE(...)                                        \
  PO_XT_LEVEL_SOURCE(PoXtAxisEditor, PoAxis, setAxisFilter, copyAxisFields, \
                     updateAxisFromXtElements, __VA_ARGS__)

// A class level of the legend editors.
#define PO_XT_LEGEND_LEVEL_SOURCE(...)                                        \
  PO_XT_LEVEL_SOURCE(PoXtLegendEditor, PoLegend, setFilter, copyLegendFields, \
                     updateLegendFromXtElements, __VA_ARGS__)
