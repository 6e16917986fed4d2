// SPDX-License-Identifier: Apache-2.0
#include "editors/framework/PoXtEditorBase.h"

#include "editors/detail/level/LevelSteps.h"
#include "platform/plivex/PoAxis.h"
#include "platform/plivex/PoLegend.h"
#include "platform/scenar/sensors/SoCallbackList.h"
#include "platform/scenar/sensors/SoNodeSensor.h"
#include "platform/scenarwin/PoXtDialog.h"
#include "platform/scenarwin/menuColumn.h"

namespace {

// The identifier of the "Accept" button.
constexpr int32_t kAcceptId = -3;

}  // namespace

template <typename Node>
PoXtEditorBase<Node>::PoXtEditorBase(HWND parent, const char* componentName,
                                     SbBool buildInsideParent, int menuItems)
    : SoWinComponent(parent, componentName, buildInsideParent, TRUE),
      sectionCount(menuItems),
      menuItems(menuItems) {
  changeCallbacks = new SoCallbackList;
  addVisibilityChangeCallback(visibilityChangeCB, this);
  sensor = new SoNodeSensor(sensorCB, this);
}

template <typename Node>
PoXtEditorBase<Node>::~PoXtEditorBase() {
  delete dialog;
  detach();
  if (workingCopy) workingCopy->unref();
  delete sensor;
  delete changeCallbacks;
  delete[] sections;
}

template <typename Node>
void PoXtEditorBase<Node>::buildWidget(HWND parent, const char* name, SbBool buildInsideParent) {
  HWND dialogParent = parent;
  if (!parent || !buildInsideParent) dialogParent = isTopLevelShell() ? getShellWidget() : nullptr;
  setClassName(getDefaultWidgetName());
  dialog = new PoXtDialog(dialogParent, nullptr, 0, 0, nullptr);
  HWND window = dialog->getWidget();
  unregisterWidget(window);
  registerWidget(window);
  dialog->windowResizeByXtElement(TRUE);
  // The constructor left AFTER_ACCEPT, so this runs in full.
  setUpdateFrequency(CONTINUOUS);
  setBaseWidget(window);
  setTitle(name);
}

template <typename Node>
void PoXtEditorBase<Node>::attach(Node* node) {
  // Take the new reference first: re-attaching the attached node must not free it.
  if (node) node->ref();
  detach();
  if (!node) return;
  attachedNode = node;
  activate();
}

template <typename Node>
void PoXtEditorBase<Node>::detach() {
  if (!attachedNode) return;
  sensor->detach();
  attachedNode->unref();
  attachedNode = nullptr;
}

// Catches up with the attached node and follows it, unless it follows it already.
template <typename Node>
void PoXtEditorBase<Node>::activate() {
  if (!attachedNode || sensor->getAttachedNode()) return;
  copyNodeFields(workingCopy, attachedNode);
  updateXtElements();
  sensor->attach(attachedNode);
}

template <typename Node>
void PoXtEditorBase<Node>::deactivate() {
  sensor->detach();
}

template <typename Node>
void PoXtEditorBase<Node>::updateXtElements() {
  if (!sections) return;
  for (int s = 0; s < sectionCount; ++s) sections[s].setData(workingCopy);
}

template <typename Node>
void PoXtEditorBase<Node>::addChangedCallback(void (*fn)(void*, Node*), void* userData) {
  changeCallbacks->addCallback(fn, userData);
}

template <typename Node>
void PoXtEditorBase<Node>::removeChangedCallback(void (*fn)(void*, Node*), void* userData) {
  changeCallbacks->removeCallback(fn, userData);
}

template <typename Node>
void PoXtEditorBase<Node>::show() {
  SoWinComponent::show();
  dialog->show();
}

template <typename Node>
void PoXtEditorBase<Node>::hide() {
  SoWinComponent::hide();
  dialog->hide();
}

// Gives every section with a head the look of the presentation; plain
// sections keep theirs.
template <typename Node>
void PoXtEditorBase<Node>::setPresentation(Presentation wanted) {
  if (wanted == presentation) return;
  int index = 0;
  for (int s = 0; sections && s < sectionCount; ++s) {
    menuColumn& section = sections[s];
    section.firstIndex = index;
    if (section.withToggle || section.withoutToggle) {
      section.withToggle = wanted != WITHOUT_TOGGLES;
      section.withoutToggle = wanted == WITHOUT_TOGGLES;
      section.unfolded = wanted == UNFOLDED;
      section.changeToggleAspect(section.firstIndex);
      if (wanted == FOLDED)
        section.fold(section.firstIndex);
      else
        section.unfold(section.firstIndex);
    }
    index = section.firstIndex + section.elementCount;
  }
  presentation = wanted;
}

template <typename Node>
void PoXtEditorBase<Node>::setUpdateFrequency(UpdateFrequency frequency) {
  if (frequency == updateFrequency) return;
  if (frequency == CONTINUOUS && dialog) {
    const int n = dialog->getNum();
    if (n > 0 && dialog->get1Value(n - 1)->getID() == kAcceptId) {
      dialog->removeValueChangedCallback(acceptCallback, this);
      dialog->delete1Value(n - 1);
    }
    // A hidden editor's working copy does not follow the node: writing it
    // would undo the node's own changes.
    if (attachedNode && isVisible()) writeWorkingCopy();
  } else if (frequency == AFTER_ACCEPT && dialog) {
    dialog->addValueChangedCallback(acceptCallback, this);
    auto* accept = new PoXtTriggerButtonData("", "Accept");
    accept->setID(kAcceptId);
    dialog->insert1Value(dialog->getNum(), accept);
  }
  updateFrequency = frequency;
}

// The node sensor fires within each field write, so it stays detached for the
// copy: following the node mid-copy would copy the node's older values back
// over the fields not yet written. Afterwards the node equals the working
// copy, and showing the working copy is what following the node would do.
template <typename Node>
void PoXtEditorBase<Node>::writeWorkingCopy() {
  {
    plivexwin::WriteWithoutEcho quiet(sensor, attachedNode);
    copyNodeFields(attachedNode, workingCopy);
  }
  updateXtElements();
}

template <typename Node>
void PoXtEditorBase<Node>::acceptCallback(void* data, PoXtDialogDataCB* record) {
  auto* editor = static_cast<PoXtEditorBase*>(data);
  const PoXtElementData* element = record->dialog->get1Value(record->elementIndex);
  if (!element || element->getID() != kAcceptId) return;
  if (editor->attachedNode) {
    plivexwin::WriteWithoutEcho quiet(editor->sensor, editor->attachedNode);
    editor->updateNodeFromElements();
    editor->copyNodeFields(editor->attachedNode, editor->workingCopy);
  }
  editor->changeCallbacks->invokeCallbacks(editor->workingCopy);
}

template <typename Node>
void PoXtEditorBase<Node>::sensorCB(void* data, SoSensor*) {
  auto* editor = static_cast<PoXtEditorBase*>(data);
  if (!editor->isVisible()) return;
  editor->copyNodeFields(editor->workingCopy, editor->attachedNode);
  editor->updateXtElements();
}

template <typename Node>
void PoXtEditorBase<Node>::visibilityChangeCB(void* data, SbBool visible) {
  auto* editor = static_cast<PoXtEditorBase*>(data);
  if (visible)
    editor->activate();
  else
    editor->deactivate();
}

template class PoXtEditorBase<PoAxis>;
template class PoXtEditorBase<PoLegend>;
