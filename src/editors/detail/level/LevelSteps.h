// SPDX-License-Identifier: Apache-2.0
#pragma once

// What every class level of an editor does the same way, given its
// description: the constructor's steps, building, the level filter setter,
// the elements callback, the update from the elements and the field copy.
// Editor is the base of an editor family (PoXtAxisEditor, PoXtLegendEditor);
// the steps read and write its members, as the class levels do. A class
// level's own operations run them through ClassLevel.h.

#include <cstdint>
#include <span>

#include "editors/detail/level/EditorLevel.h"
#include "editors/framework/PoXtElementFilter.h"
#include "platform/scenarwin/PoXtDialog.h"

class SoNodeSensor;

namespace plivexwin {

template <typename Editor>
struct LevelSteps {
  // A class level's own members on one editor, named.
  struct Members {
    PoXtElementFilter& filter;
    int& sectionCount;
    int& filterBuilt;
  };

  // The start of a level's constructor: adds the level's sections to the
  // editor's and gives its own members their initial values. A concrete level
  // also makes the working copy; true then, and the constructor goes on to
  // build the dialog and apply the filters.
  static bool construct(Editor& editor, const EditorLevel& level, Members members);

  // The level's part of buildWidget: a concrete level makes the sections, each
  // level registers its elements callback.
  static void build(Editor& editor, const EditorLevel& level, PoXtDialogCB* elementsCallback);

  // Applies (show, hide) to the sections of group, the first of which is
  // section firstSection, unless the shown set equals the stored one and the
  // sections were built; then stores the pair. Every section's first index is
  // kept equal to the number of dialog entries before it.
  static void setFilter(Editor& editor, const LevelGroup& group, int firstSection,
                        PoXtElementFilter& stored, int& built, uint32_t show, uint32_t hide);

  // A change of an element of group: writes it into the working copy and,
  // without echo, into the attached node, then runs the change callbacks.
  // Other groups, framework elements, after-accept mode and a missing working
  // copy are ignored.
  static void elementChanged(Editor& editor, const LevelGroup& group,
                             const PoXtDialogDataCB* record);
  // The same for every group of level.
  static void elementChanged(Editor& editor, const EditorLevel& level,
                             const PoXtDialogDataCB* record) {
    for (const LevelGroup& group : level.groups) elementChanged(editor, group, record);
  }

  // Writes every element of group, in dialog order, into the working copy.
  static void updateFromElements(Editor& editor, const LevelGroup& group);
  // The same for every group of level, one group after the other.
  static void updateFromElements(Editor& editor, const EditorLevel& level) {
    for (const LevelGroup& group : level.groups) updateFromElements(editor, group);
  }
};

// Copies the level's fields from one node to the other, in order.
void copyFields(const EditorLevel& level, SoNode* to, SoNode* from);

// Detaches the node sensor for the writes the editor makes to the attached node,
// so that the editor does not hear its own changes, and attaches it again after
// them if it was attached before. A hidden editor's sensor thus stays detached:
// the editor goes on ignoring the node until it is shown, and then catches up.
class WriteWithoutEcho {
 public:
  WriteWithoutEcho(SoNodeSensor* sensor, SoNode* node);
  ~WriteWithoutEcho();
  WriteWithoutEcho(const WriteWithoutEcho&) = delete;
  WriteWithoutEcho& operator=(const WriteWithoutEcho&) = delete;

 private:
  SoNodeSensor* sensor_;
  SoNode* node_;
  bool following_;
};

}  // namespace plivexwin
