#pragma once

// What an editor base does whatever node type it edits: construction and
// destruction, the dialog, attach and detach, following the node through the
// sensor, visibility, presentations, update frequencies and "Accept". Family
// names the base (Editor), its node class (Node) and its two operations that
// depend on the node type:
//
//   struct Family {
//     using Editor = PoXtAxisEditor;
//     using Node = PoAxis;
//     static void copyFields(Editor& editor, Node* to, Node* from);  // copyAxisFields
//     static void updateFromElements(Editor& editor);                // updateAxisFromXtElements
//   };
//
// The core reads and writes the base's members; the base's operations call it.

#include "editors/framework/level/LevelSteps.h"
#include "platform/scenar/sensors/SoCallbackList.h"
#include "platform/scenar/sensors/SoNodeSensor.h"
#include "platform/scenarwin/PoXtDialog.h"
#include "platform/scenarwin/menuColumn.h"

namespace plivexwin::detail {

// The identifier of the "Accept" button.
constexpr int32_t kAcceptId = -3;

template <typename Family>
struct EditorCore {
  using Editor = typename Family::Editor;
  using Node = typename Family::Node;

  // The members' initial values, the callback list, the visibility callback and the sensor.
  static void construct(Editor& editor) {
    editor.changeCallbacks = new SoCallbackList;
    editor.addVisibilityChangeCallback(Editor::visibilityChangeCB, &editor);
    editor.sensor = new SoNodeSensor(Editor::sensorCB, &editor);
    editor.sectionCount = editor.menuItems;
  }

  static void destroy(Editor& editor) {
    delete editor.dialog;
    detach(editor);
    if (editor.workingCopy) editor.workingCopy->unref();
    delete editor.sensor;
    delete editor.changeCallbacks;
    delete[] editor.sections;
  }

  static void buildWidget(Editor& editor, HWND parent, const char* name, SbBool buildInsideParent) {
    HWND dialogParent = parent;
    if (!parent || !buildInsideParent)
      dialogParent = editor.isTopLevelShell() ? editor.getShellWidget() : nullptr;
    editor.setClassName(editor.getDefaultWidgetName());
    editor.dialog = new PoXtDialog(dialogParent, nullptr, 0, 0, nullptr);
    HWND window = editor.dialog->getWidget();
    editor.unregisterWidget(window);
    editor.registerWidget(window);
    editor.dialog->windowResizeByXtElement(TRUE);
    editor.dialog->addValueChangedCallback(Editor::elementsCallback, &editor);
    // The constructor left AFTER_ACCEPT, so this runs in full.
    editor.setUpdateFrequency(Editor::CONTINUOUS);
    editor.setBaseWidget(window);
    editor.setTitle(name);
  }

  static void attach(Editor& editor, Node* node) {
    // Take the new reference first: re-attaching the attached node must not free it.
    if (node) node->ref();
    detach(editor);
    if (!node) return;
    editor.attachedNode = node;
    activate(editor);
  }

  static void detach(Editor& editor) {
    if (!editor.attachedNode) return;
    editor.sensor->detach();
    editor.attachedNode->unref();
    editor.attachedNode = nullptr;
  }

  // Catches up with the attached node and follows it, unless it follows it already.
  static void activate(Editor& editor) {
    if (!editor.attachedNode || editor.sensor->getAttachedNode()) return;
    Family::copyFields(editor, editor.workingCopy, editor.attachedNode);
    refresh(editor);
    editor.sensor->attach(editor.attachedNode);
  }

  static void deactivate(Editor& editor) { editor.sensor->detach(); }

  static void nodeChanged(Editor& editor) {
    if (!editor.isVisible()) return;
    Family::copyFields(editor, editor.workingCopy, editor.attachedNode);
    refresh(editor);
  }

  static void visibilityChanged(Editor& editor, SbBool visible) {
    if (visible)
      activate(editor);
    else
      deactivate(editor);
  }

  // Shows the working copy in every section.
  static void refresh(Editor& editor) {
    if (!editor.sections) return;
    for (int s = 0; s < editor.sectionCount; ++s) editor.sections[s].setData(editor.workingCopy);
  }

  static void show(Editor& editor) {
    editor.SoWinComponent::show();
    editor.dialog->show();
  }

  static void hide(Editor& editor) {
    editor.SoWinComponent::hide();
    editor.dialog->hide();
  }

  // Gives every section with a head the look of the presentation; plain
  // sections keep theirs.
  static void setPresentation(Editor& editor, typename Editor::Presentation presentation) {
    if (presentation == editor.presentation) return;
    int index = 0;
    for (int s = 0; editor.sections && s < editor.sectionCount; ++s) {
      menuColumn& section = editor.sections[s];
      section.firstIndex = index;
      if (section.withToggle || section.withoutToggle) {
        section.withToggle = presentation != Editor::WITHOUT_TOGGLES;
        section.withoutToggle = presentation == Editor::WITHOUT_TOGGLES;
        section.unfolded = presentation == Editor::UNFOLDED;
        section.changeToggleAspect(section.firstIndex);
        if (presentation == Editor::FOLDED)
          section.fold(section.firstIndex);
        else
          section.unfold(section.firstIndex);
      }
      index = section.firstIndex + section.elementCount;
    }
    editor.presentation = presentation;
  }

  static void setUpdateFrequency(Editor& editor, typename Editor::UpdateFrequency frequency) {
    if (frequency == editor.updateFrequency) return;
    if (frequency == Editor::CONTINUOUS && editor.dialog) {
      const int n = editor.dialog->getNum();
      if (n > 0 && editor.dialog->get1Value(n - 1)->getID() == kAcceptId) {
        editor.dialog->removeValueChangedCallback(Editor::acceptCallback, &editor);
        editor.dialog->delete1Value(n - 1);
      }
      // A hidden editor's working copy does not follow the node: writing it
      // would undo the node's own changes.
      if (editor.attachedNode && editor.isVisible()) writeWorkingCopy(editor);
    } else if (frequency == Editor::AFTER_ACCEPT && editor.dialog) {
      editor.dialog->addValueChangedCallback(Editor::acceptCallback, &editor);
      auto* accept = new PoXtTriggerButtonData("", "Accept");
      accept->setID(kAcceptId);
      editor.dialog->insert1Value(editor.dialog->getNum(), accept);
    }
    editor.updateFrequency = frequency;
  }

  static void accept(Editor& editor, const PoXtDialogDataCB* record) {
    const PoXtElementData* element = record->dialog->get1Value(record->elementIndex);
    if (!element || element->getID() != kAcceptId) return;
    if (editor.attachedNode) {
      WriteWithoutEcho quiet(editor.sensor, editor.attachedNode);
      Family::updateFromElements(editor);
      Family::copyFields(editor, editor.attachedNode, editor.workingCopy);
    }
    editor.changeCallbacks->invokeCallbacks(editor.workingCopy);
  }

 private:
  // Writes the whole working copy into the attached node, then shows it. The
  // node sensor fires within each field write, so it stays detached for the
  // copy: following the node mid-copy would copy the node's older values back
  // over the fields not yet written. Afterwards the node equals the working
  // copy, and showing the working copy is what following the node would do.
  static void writeWorkingCopy(Editor& editor) {
    {
      WriteWithoutEcho quiet(editor.sensor, editor.attachedNode);
      Family::copyFields(editor, editor.attachedNode, editor.workingCopy);
    }
    refresh(editor);
  }
};

}  // namespace plivexwin::detail
