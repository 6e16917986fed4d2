// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdint>

#include "editors/framework/PoXtEditorBase.h"
#include "editors/framework/PoXtElementFilter.h"
#include "editors/framework/PoXtLevelMembers.h"

class PoLegend;
namespace plivexwin {
template <typename Editor>
struct LevelSteps;
}

/// The abstract base of every legend editor: the editor machinery for a legend
/// node, with the four sections common to every legend ("Title", "Values
/// Aspect", "Margin" and the plain "Misc.") in element group 1.
class PoXtLegendEditor : public PoXtEditorBase<PoLegend> {
 public:
  using LegendChangedCB = void(void* userData, PoLegend* legend);

  /// fn(userData, working copy) runs after every change the editor applies.
  void addLegendChangedCallback(LegendChangedCB* fn, void* userData = nullptr) {
    addChangedCallback(fn, userData);
  }
  void removeLegendChangedCallback(LegendChangedCB* fn, void* userData = nullptr) {
    removeChangedCallback(fn, userData);
  }

  void setLegendFilter(uint32_t show, uint32_t hide);
  void getLegendFilter(uint32_t& show, uint32_t& hide) const;

 protected:
  PoXtLegendEditor(HWND parent, const char* name, SbBool buildInsideParent);
  ~PoXtLegendEditor() override = default;

  void buildWidget(HWND parent, const char* name, SbBool buildInsideParent) override;
  const char* getDefaultWidgetName() const override { return "PoXtLegendEditor"; }
  const char* getDefaultTitle() const override { return "PoXtLegendEditor"; }
  const char* getDefaultIconTitle() const override { return "PoXtLegendEditor"; }
  /// Applies the stored filters.
  virtual void setFilter();
  /// Copies every edited field of from into to.
  virtual void copyLegendFields(PoLegend* to, PoLegend* from);
  /// Writes every element's value into the working copy.
  virtual void updateLegendFromXtElements();
  /// The number of sections up to this class level.
  virtual int getMenuItems() const { return 4; }

  PoXtElementFilter legendFilter;  ///< set by the constructor from the level's description
  int legendFilterBuilt = 0;

 private:
  friend plivexwin::LevelSteps<PoXtLegendEditor>;

  void copyNodeFields(PoLegend* to, PoLegend* from) final { copyLegendFields(to, from); }
  void updateNodeFromElements() final { updateLegendFromXtElements(); }
  static void elementsCallback(void* editor, PoXtDialogDataCB* record);
};
