#pragma once

#include <cstdint>

#include "editors/framework/PoXtElementFilter.h"
#include "platform/scenarwin/SoWinComponent.h"

class PoAxis;
class PoXtDialog;
class SoCallbackList;
class SoNode;
class SoNodeSensor;
class menuColumn;
struct PoXtDialogDataCB;
namespace plivexwin {
template <typename Editor>
struct LevelSteps;
namespace detail {
template <typename Family>
struct EditorCore;
}
}  // namespace plivexwin

// The abstract base of every axis editor: a window component with a dialog of
// foldable sections that shows an axis node's fields. Every change goes first
// into a private working copy of the axis and from there into the node the
// application attached, at once or when "Accept" is pressed; a node sensor
// brings the node's own changes back into the dialog.
class PoXtAxisEditor : public SoWinComponent {
 public:
  // Fixed to int, so that any value stored (setUpdateFrequency(5)) is defined.
  enum Presentation : int { FOLDED = 0, UNFOLDED = 1, WITHOUT_TOGGLES = 2 };
  enum UpdateFrequency : int { CONTINUOUS = 0, AFTER_ACCEPT = 1 };
  using AxisChangedCB = void(void* userData, PoAxis* axis);

  // Attaches the application's node, releasing any earlier one. The editor
  // holds a reference on it while attached.
  virtual void attach(PoAxis* axis);
  void detach();
  SbBool isAttached() const { return attachedNode != nullptr; }

  // fn(userData, working copy) runs after every change the editor applies.
  void addAxisChangedCallback(AxisChangedCB* fn, void* userData = nullptr);
  void removeAxisChangedCallback(AxisChangedCB* fn, void* userData = nullptr);

  virtual void setPresentation(Presentation presentation);
  Presentation getPresentation() const { return presentation; }
  void setUpdateFrequency(UpdateFrequency frequency);
  UpdateFrequency getUpdateFrequency() const { return updateFrequency; }

  void setTextAxisFilter(uint32_t show, uint32_t hide);
  void getTextAxisFilter(uint32_t& show, uint32_t& hide) const;
  void setGeomAxisFilter(uint32_t show, uint32_t hide);
  void getGeomAxisFilter(uint32_t& show, uint32_t& hide) const;

  void show() override;
  void hide() override;

  // An editor owns its dialog, sections, sensor and working copy: it is not copied.
  PoXtAxisEditor(const PoXtAxisEditor&) = delete;
  PoXtAxisEditor& operator=(const PoXtAxisEditor&) = delete;

 protected:
  PoXtAxisEditor(HWND parent, const char* name, SbBool buildInsideParent);
  ~PoXtAxisEditor() override;

  virtual void buildWidget(HWND parent, const char* name, SbBool buildInsideParent);
  const char* getDefaultWidgetName() const override { return "PoXtAxisEditor"; }
  const char* getDefaultTitle() const override { return "PoXtAxisEditor"; }
  const char* getDefaultIconTitle() const override { return "PoXtAxisEditor"; }
  // Applies the stored filters.
  virtual void setAxisFilter();
  // Copies every edited field of from into to.
  virtual void copyAxisFields(PoAxis* to, PoAxis* from);
  // Writes every element's value into the working copy.
  virtual void updateAxisFromXtElements();
  // Shows the working copy in every section.
  void updateXtElements();
  // The number of sections up to this class level.
  virtual int getMenuItems() const { return 8; }

  PoAxis* workingCopy = nullptr;   // one reference, made by the most-derived constructor
  PoAxis* attachedNode = nullptr;  // one reference while attached
  PoXtDialog* dialog = nullptr;
  SoNodeSensor* sensor = nullptr;
  Presentation presentation = UNFOLDED;
  menuColumn* sections = nullptr;  // sectionCount entries, made by the most-derived buildWidget
  int sectionCount = 8;
  SoCallbackList* changeCallbacks = nullptr;
  UpdateFrequency updateFrequency = AFTER_ACCEPT;
  int menuItems = 8;
  PoXtElementFilter textFilter;  // set by the constructor from the level's description
  PoXtElementFilter geomFilter;
  int textFilterBuilt = 0;
  int geomFilterBuilt = 0;

 private:
  // How the shared editor code names this base's operations; see EditorCore.
  struct Family;
  using Core = plivexwin::detail::EditorCore<Family>;
  friend Core;
  friend plivexwin::LevelSteps<PoXtAxisEditor>;

  void activate();
  void deactivate();
  static void elementsCallback(void* editor, PoXtDialogDataCB* record);
  static void acceptCallback(void* editor, PoXtDialogDataCB* record);
  static void sensorCB(void* editor, class SoSensor* sensor);
  static void visibilityChangeCB(void* editor, SbBool visible);
};
