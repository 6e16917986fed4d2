// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenarwin/SoWinComponent.h"

class PoXtDialog;
class SoCallbackList;
class SoNodeSensor;
class SoSensor;
class menuColumn;
struct PoXtDialogDataCB;

/// What the editor bases of both families (PoXtAxisEditor for axes,
/// PoXtLegendEditor for legends) have whatever node type they edit: a window
/// component with a dialog of foldable sections that shows a node's fields.
/// Every change goes first into a private working copy of the node and from
/// there into the node the application attached, at once or when "Accept" is
/// pressed; a node sensor brings the node's own changes back into the dialog.
///
/// A family base names its node's field copy, its update from the dialog and
/// its change callbacks (copyAxisFields, updateAxisFromXtElements,
/// addAxisChangedCallback...), and registers its elements callback; the class
/// levels below it add sections.
template <typename Node>
class PoXtEditorBase : public SoWinComponent {
 public:
  /// Fixed to int, so that any value stored (setUpdateFrequency(5)) is defined.
  enum Presentation : int { FOLDED = 0, UNFOLDED = 1, WITHOUT_TOGGLES = 2 };
  enum UpdateFrequency : int { CONTINUOUS = 0, AFTER_ACCEPT = 1 };

  /// Attaches the application's node, releasing any earlier one. The editor
  /// holds a reference on it while attached.
  virtual void attach(Node* node);
  void detach();
  SbBool isAttached() const { return attachedNode != nullptr; }

  virtual void setPresentation(Presentation presentation);
  Presentation getPresentation() const { return presentation; }
  void setUpdateFrequency(UpdateFrequency frequency);
  UpdateFrequency getUpdateFrequency() const { return updateFrequency; }

  void show() override;
  void hide() override;

  /// An editor owns its dialog, sections, sensor and working copy: it is not copied.
  PoXtEditorBase(const PoXtEditorBase&) = delete;
  PoXtEditorBase& operator=(const PoXtEditorBase&) = delete;

 protected:
  /// componentName names the component; a family base has menuItems sections.
  PoXtEditorBase(HWND parent, const char* componentName, SbBool buildInsideParent, int menuItems);
  ~PoXtEditorBase() override;

  /// Makes the dialog; the editor then runs in CONTINUOUS mode.
  virtual void buildWidget(HWND parent, const char* name, SbBool buildInsideParent);
  /// Shows the working copy in every section.
  void updateXtElements();
  /// The change callbacks, fn(userData, working copy), which each family adds
  /// and removes under its own names.
  void addChangedCallback(void (*fn)(void*, Node*), void* userData);
  void removeChangedCallback(void (*fn)(void*, Node*), void* userData);

  Node* workingCopy = nullptr;   ///< one reference, made by the most-derived constructor
  Node* attachedNode = nullptr;  ///< one reference while attached
  PoXtDialog* dialog = nullptr;
  SoNodeSensor* sensor = nullptr;
  Presentation presentation = UNFOLDED;
  menuColumn* sections = nullptr;  ///< sectionCount entries, made by the most-derived buildWidget
  int sectionCount;
  SoCallbackList* changeCallbacks = nullptr;
  UpdateFrequency updateFrequency = AFTER_ACCEPT;
  int menuItems;

 private:
  /// The family's field copy and update from the dialog, under their own names.
  virtual void copyNodeFields(Node* to, Node* from) = 0;
  virtual void updateNodeFromElements() = 0;

  void activate();
  void deactivate();
  /// Writes the whole working copy into the attached node, then shows it.
  void writeWorkingCopy();
  static void acceptCallback(void* editor, PoXtDialogDataCB* record);
  static void sensorCB(void* editor, SoSensor* sensor);
  static void visibilityChangeCB(void* editor, SbBool visible);
};
