// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdint>

#include "editors/framework/PoXtEditorBase.h"
#include "editors/framework/PoXtElementFilter.h"
#include "editors/framework/PoXtLevelMembers.h"

class PoAxis;
namespace plivexwin {
template <typename Editor>
struct LevelSteps;
}

/// The abstract base of every axis editor: the editor machinery for an axis
/// node, with the eight sections common to every axis ("Graduations", "Title",
/// "Reverse Flag", "Misc. Text Attr.", "Margin", "Grid", "Arrow", "Tick") in
/// two element groups, text and geometry.
class PoXtAxisEditor : public PoXtEditorBase<PoAxis> {
 public:
  using AxisChangedCB = void(void* userData, PoAxis* axis);

  /// fn(userData, working copy) runs after every change the editor applies.
  void addAxisChangedCallback(AxisChangedCB* fn, void* userData = nullptr) {
    addChangedCallback(fn, userData);
  }
  void removeAxisChangedCallback(AxisChangedCB* fn, void* userData = nullptr) {
    removeChangedCallback(fn, userData);
  }

  void setTextAxisFilter(uint32_t show, uint32_t hide);
  void getTextAxisFilter(uint32_t& show, uint32_t& hide) const;
  void setGeomAxisFilter(uint32_t show, uint32_t hide);
  void getGeomAxisFilter(uint32_t& show, uint32_t& hide) const;

 protected:
  PoXtAxisEditor(HWND parent, const char* name, SbBool buildInsideParent);
  ~PoXtAxisEditor() override = default;

  void buildWidget(HWND parent, const char* name, SbBool buildInsideParent) override;
  const char* getDefaultWidgetName() const override { return "PoXtAxisEditor"; }
  const char* getDefaultTitle() const override { return "PoXtAxisEditor"; }
  const char* getDefaultIconTitle() const override { return "PoXtAxisEditor"; }
  /// Applies the stored filters.
  virtual void setAxisFilter();
  /// Copies every edited field of from into to.
  virtual void copyAxisFields(PoAxis* to, PoAxis* from);
  /// Writes every element's value into the working copy.
  virtual void updateAxisFromXtElements();
  /// The number of sections up to this class level.
  virtual int getMenuItems() const { return 8; }

  PoXtElementFilter textFilter;  ///< set by the constructor from the level's description
  PoXtElementFilter geomFilter;
  int textFilterBuilt = 0;
  int geomFilterBuilt = 0;

 private:
  friend plivexwin::LevelSteps<PoXtAxisEditor>;

  void copyNodeFields(PoAxis* to, PoAxis* from) final { copyAxisFields(to, from); }
  void updateNodeFromElements() final { updateAxisFromXtElements(); }
  static void elementsCallback(void* editor, PoXtDialogDataCB* record);
};
