#include "editors/framework/detail/EditorMachinery.h"

#include "platform/scenar/sensors/SoCallbackList.h"
#include "platform/scenar/sensors/SoNodeSensor.h"

namespace plivexwin::detail {

namespace {

// Sets each section's first index to the number of dialog entries before it.
void renumber(const EditorView& editor) {
  int index = 0;
  for (int s = 0; s < editor.sectionCount; ++s) {
    editor.sections[s].firstIndex = index;
    index += editor.sections[s].elementCount;
  }
}

}  // namespace

WriteWithoutEcho::WriteWithoutEcho(const EditorView& editor)
    : sensor_(editor.sensor), node_(editor.attachedNode) {
  following_ = sensor_->getAttachedNode() != nullptr;
  sensor_->detach();
}

WriteWithoutEcho::~WriteWithoutEcho() {
  if (following_) sensor_->attach(node_);
}

void installSection(menuColumn& section, const SectionLayout& layout, int presentation) {
  section.setToggleName(*layout.label);
  section.setCreationArray(layout.group->create, layout.group->count);
  section.setUpdateArray(layout.group->update, layout.group->count);
  if (!layout.toggled) {
    section.withToggle = 0, section.withoutToggle = 0, section.unfolded = 0;
  } else if (presentation == kWithoutToggles) {
    section.withToggle = 0, section.withoutToggle = 1, section.unfolded = 0;
  } else {
    section.withToggle = 1, section.withoutToggle = 0;
    section.unfolded = presentation != kFolded;
  }
}

void applyFilter(const EditorView& editor, int firstSection, std::span<const SectionLayout> layouts,
                 PoXtElementFilter& stored, int& built, uint32_t show, uint32_t hide) {
  if ((show & ~hide) == stored.shown() && built) return;
  if (!editor.sections || firstSection + static_cast<int>(layouts.size()) > editor.sectionCount)
    return;
  built = 1;
  renumber(editor);
  for (std::size_t i = 0; i < layouts.size(); ++i) {
    const SectionLayout& layout = layouts[i];
    menuColumn& section = editor.sections[firstSection + static_cast<int>(i)];
    if (section.built) {
      section.destroy(section.firstIndex);
    } else {
      installSection(section, layout, editor.presentation);
      section.elementMask = layout.mask;
      section.groupBits = layout.group->bits();
    }
    section.build(section.firstIndex, show & layout.mask, hide & layout.mask);
    renumber(editor);
  }
  stored = {show, hide};
}

void elementChanged(const EditorView& editor, const PoXtDialogDataCB* record,
                    const ElementGroup& group) {
  if (!editor.dialog || !record) return;
  PoXtElementData* element = editor.dialog->get1Value(record->elementIndex);
  if (!element) return;
  const int32_t id = element->getID();
  if (id < 0 || editor.updateFrequency == kAfterAccept || !editor.workingCopy) return;
  const int p = elementPositionOf(id);
  if (groupCodeOf(id) != group.code || p < 0 || p >= group.count) return;
  // A push button has no handler: it writes nothing, yet counts as a change.
  const ElementHandlerFn handler = group.handler[p];
  if (handler) handler(editor.workingCopy, element);
  if (editor.attachedNode) {
    WriteWithoutEcho quiet(editor);
    if (handler) handler(editor.attachedNode, element);
  }
  editor.changeCallbacks->invokeCallbacks(editor.changeData);
}

void updateFromElements(const EditorView& editor, const ElementGroup& group) {
  if (!editor.workingCopy || !editor.dialog) return;
  for (int i = 0; i < editor.dialog->getNum(); ++i) {
    PoXtElementData* element = editor.dialog->get1Value(i);
    const int32_t id = element->getID();
    if (id < 0 || groupCodeOf(id) != group.code) continue;
    const int p = elementPositionOf(id);
    if (p >= 0 && p < group.count && group.handler[p])
      group.handler[p](editor.workingCopy, element);
  }
}

void applyPresentation(const EditorView& editor, int presentation) {
  if (!editor.sections) return;
  int index = 0;
  for (int s = 0; s < editor.sectionCount; ++s) {
    menuColumn& section = editor.sections[s];
    section.firstIndex = index;
    if (section.withToggle || section.withoutToggle) {
      section.withToggle = presentation != kWithoutToggles;
      section.withoutToggle = presentation == kWithoutToggles;
      section.unfolded = presentation == kUnfolded;
      section.changeToggleAspect(section.firstIndex);
      if (presentation == kFolded)
        section.fold(section.firstIndex);
      else
        section.unfold(section.firstIndex);
    }
    index = section.firstIndex + section.elementCount;
  }
}

bool switchUpdateFrequency(const EditorView& editor, int frequency, PoXtDialogCB* acceptCallback,
                           void* userData) {
  if (frequency == editor.updateFrequency || !editor.dialog) return false;
  const int n = editor.dialog->getNum();
  if (frequency == kContinuous) {
    if (n > 0 && editor.dialog->get1Value(n - 1)->getID() == kAcceptId) {
      editor.dialog->removeValueChangedCallback(acceptCallback, userData);
      editor.dialog->delete1Value(n - 1);
    }
    return editor.attachedNode != nullptr && editor.visible;
  }
  if (frequency == kAfterAccept) {
    editor.dialog->addValueChangedCallback(acceptCallback, userData);
    auto* accept = new PoXtTriggerButtonData("", "Accept");
    accept->setID(kAcceptId);
    editor.dialog->insert1Value(n, accept);
  }
  return false;
}

void refreshSections(const EditorView& editor) {
  if (!editor.sections) return;
  for (int s = 0; s < editor.sectionCount; ++s) editor.sections[s].setData(editor.workingCopy);
}

void copyFields(SoNode* to, SoNode* from, std::span<const CopyFieldFn> fields) {
  if (!to || !from) return;
  for (CopyFieldFn copy : fields) copy(to, from);
}

}  // namespace plivexwin::detail
