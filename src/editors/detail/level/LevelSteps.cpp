// SPDX-License-Identifier: Apache-2.0
#include "editors/detail/level/LevelSteps.h"

#include "editors/framework/PoXtAxisEditor.h"
#include "editors/framework/PoXtLegendEditor.h"
#include "platform/plivex/PoAxis.h"
#include "platform/plivex/PoLegend.h"
#include "platform/scenar/sensors/SoCallbackList.h"
#include "platform/scenar/sensors/SoNodeSensor.h"
#include "platform/scenarwin/menuColumn.h"

namespace plivexwin {

namespace {

// Sets each section's first index to the number of dialog entries before it.
void renumber(menuColumn* sections, int count) {
  int index = 0;
  for (int s = 0; s < count; ++s) {
    sections[s].firstIndex = index;
    index += sections[s].elementCount;
  }
}

// Gives the section its head label, the group's tables and the aspect flags of
// the presentation: a plain section never has a head.
void installSection(menuColumn& section, const LevelGroup& group, const SectionRow& row,
                    bool folded, bool withoutToggles) {
  section.setToggleName(*row.label);
  section.setCreationArray(group.elements.create, group.elements.count);
  section.setUpdateArray(group.elements.update, group.elements.count);
  section.elementMask = row.mask;
  section.groupBits = group.elements.bits();
  section.withToggle = row.toggled && !withoutToggles;
  section.withoutToggle = row.toggled && withoutToggles;
  section.unfolded = section.withToggle && !folded;
}

}  // namespace

template <typename Editor>
bool LevelSteps<Editor>::construct(Editor& editor, const EditorLevel& level, Members members) {
  members.sectionCount = level.sectionCount();
  editor.sectionCount += members.sectionCount;
  members.filter = level.groups[0].defaultFilter;
  members.filterBuilt = 0;
  if (!level.makeWorkingCopy) return false;
  using Node = std::remove_pointer_t<decltype(editor.workingCopy)>;
  editor.workingCopy = static_cast<Node*>(level.makeWorkingCopy());
  editor.workingCopy->ref();
  return true;
}

template <typename Editor>
void LevelSteps<Editor>::build(Editor& editor, const EditorLevel& level,
                               PoXtDialogCB* elementsCallback) {
  if (level.makeWorkingCopy) {
    editor.sections = new menuColumn[static_cast<std::size_t>(editor.sectionCount)];
    for (int s = 0; s < editor.sectionCount; ++s) {
      editor.sections[s].setDialog(editor.dialog);
      editor.sections[s].setData(editor.workingCopy);
    }
  }
  editor.dialog->addValueChangedCallback(elementsCallback, &editor);
}

template <typename Editor>
void LevelSteps<Editor>::setFilter(Editor& editor, const LevelGroup& group, int firstSection,
                                   PoXtElementFilter& stored, int& built, uint32_t show,
                                   uint32_t hide) {
  if ((show & ~hide) == stored.shown() && built) return;
  const int count = static_cast<int>(group.sections.size());
  if (!editor.sections || firstSection + count > editor.sectionCount) return;
  built = 1;
  renumber(editor.sections, editor.sectionCount);
  for (int i = 0; i < count; ++i) {
    const SectionRow& row = group.sections[static_cast<std::size_t>(i)];
    menuColumn& section = editor.sections[firstSection + i];
    if (section.built)
      section.destroy(section.firstIndex);
    else
      installSection(section, group, row, editor.presentation == Editor::FOLDED,
                     editor.presentation == Editor::WITHOUT_TOGGLES);
    section.build(section.firstIndex, show & row.mask, hide & row.mask);
    renumber(editor.sections, editor.sectionCount);
  }
  stored = {show, hide};
}

template <typename Editor>
void LevelSteps<Editor>::elementChanged(Editor& editor, const LevelGroup& group,
                                        const PoXtDialogDataCB* record) {
  if (!editor.dialog || !record) return;
  PoXtElementData* element = editor.dialog->get1Value(record->elementIndex);
  if (!element) return;
  const int32_t id = element->getID();
  if (id < 0 || editor.updateFrequency == Editor::AFTER_ACCEPT || !editor.workingCopy) return;
  const int p = elementPositionOf(id);
  if (groupCodeOf(id) != group.elements.code || p < 0 || p >= group.elements.count) return;
  // A push button has no handler: it writes nothing, yet counts as a change.
  const ElementHandlerFn handler = group.elements.handler[p];
  if (handler) handler(editor.workingCopy, element);
  if (editor.attachedNode) {
    WriteWithoutEcho quiet(editor.sensor, editor.attachedNode);
    if (handler) handler(editor.attachedNode, element);
  }
  editor.changeCallbacks->invokeCallbacks(editor.workingCopy);
}

template <typename Editor>
void LevelSteps<Editor>::updateFromElements(Editor& editor, const LevelGroup& group) {
  if (!editor.workingCopy || !editor.dialog) return;
  for (int i = 0; i < editor.dialog->getNum(); ++i) {
    PoXtElementData* element = editor.dialog->get1Value(i);
    const int32_t id = element->getID();
    if (id < 0 || groupCodeOf(id) != group.elements.code) continue;
    const int p = elementPositionOf(id);
    if (p >= 0 && p < group.elements.count && group.elements.handler[p])
      group.elements.handler[p](editor.workingCopy, element);
  }
}

void copyFields(const EditorLevel& level, SoNode* to, SoNode* from) {
  if (!to || !from) return;
  for (CopyFieldFn copy : level.copied) copy(to, from);
}

WriteWithoutEcho::WriteWithoutEcho(SoNodeSensor* sensor, SoNode* node)
    : sensor_(sensor), node_(node), following_(sensor->getAttachedNode() != nullptr) {
  sensor_->detach();
}

WriteWithoutEcho::~WriteWithoutEcho() {
  if (following_) sensor_->attach(node_);
}

template struct LevelSteps<PoXtAxisEditor>;
template struct LevelSteps<PoXtLegendEditor>;

}  // namespace plivexwin
