// SPDX-License-Identifier: Apache-2.0
#pragma once

// The operations of one class level of an editor, each a short run of steps:
// the parent's operation first where the level's overrides one, then the
// level's part, done by LevelSteps on the level's description and on its own
// members, which the class names in levelMembers (PoXtLevelMembers.h). The
// class declares the operations, befriends its ClassLevel and defines them by
// one line of its source file (LevelSource.h).

#include <cstdint>
#include <type_traits>

#include "editors/detail/level/LevelSteps.h"
#include "editors/framework/PoXtAxisEditor.h"
#include "editors/framework/PoXtLegendEditor.h"
#include "editors/framework/PoXtLevelMembers.h"

namespace plivexwin {

template <typename Class, typename ParentClass>
struct ClassLevel {
  using Parent = ParentClass;
  static constexpr bool kAxis = std::is_base_of_v<PoXtAxisEditor, Class>;
  using Steps = LevelSteps<std::conditional_t<kAxis, PoXtAxisEditor, PoXtLegendEditor>>;

  // After the parent's constructor: a concrete level then builds its dialog
  // and applies the stored filters, with its own operations.
  static void construct(Class& editor, const EditorLevel& level, HWND parent, const char* name,
                        SbBool buildInsideParent) {
    constexpr const PoXtLevelMembers<Class>& own = Class::levelMembers;
    if (!Steps::construct(editor, level,
                          {.filter = editor.*own.filter,
                           .sectionCount = editor.*own.sectionCount,
                           .filterBuilt = editor.*own.filterBuilt}))
      return;
    editor.Class::buildWidget(parent, name, buildInsideParent);
    if constexpr (kAxis)
      editor.Class::setAxisFilter();
    else
      editor.Class::setFilter();
  }

  static void buildWidget(Class& editor, const EditorLevel& level, PoXtDialogCB* elementsCallback,
                          HWND parent, const char* name, SbBool buildInsideParent) {
    editor.Parent::buildWidget(parent, name, buildInsideParent);
    Steps::build(editor, level, elementsCallback);
  }

  // The family's operation that applies the stored filters: the parent's,
  // then the level's stored filter through its own setter.
  static void applyFilters(Class& editor, void (Class::*setLevelFilter)(uint32_t, uint32_t)) {
    if constexpr (kAxis)
      editor.Parent::setAxisFilter();
    else
      editor.Parent::setFilter();
    const PoXtElementFilter& stored = editor.*Class::levelMembers.filter;
    (editor.*setLevelFilter)(stored.show, stored.hide);
  }

  // The level filter setter: the level's sections follow those of the levels above.
  static void setFilter(Class& editor, const EditorLevel& level, uint32_t show, uint32_t hide) {
    Steps::setFilter(editor, level.groups[0], editor.Parent::getMenuItems(),
                     editor.*Class::levelMembers.filter, editor.*Class::levelMembers.filterBuilt,
                     show, hide);
  }

  template <typename Node>
  static void copy(Class& editor, const EditorLevel& level, Node* to, Node* from) {
    if constexpr (kAxis)
      editor.Parent::copyAxisFields(to, from);
    else
      editor.Parent::copyLegendFields(to, from);
    copyFields(level, to, from);
  }

  static void update(Class& editor, const EditorLevel& level) {
    if constexpr (kAxis)
      editor.Parent::updateAxisFromXtElements();
    else
      editor.Parent::updateLegendFromXtElements();
    Steps::updateFromElements(editor, level);
  }

  static void elementChanged(void* editor, const EditorLevel& level, PoXtDialogDataCB* record) {
    Steps::elementChanged(*static_cast<Class*>(editor), level, record);
  }
};

}  // namespace plivexwin
