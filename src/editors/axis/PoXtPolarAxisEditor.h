// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "editors/framework/PoXtAxisEditor.h"

/// The class level shared by the editors of polar axes (linear, logarithmic):
/// the "Polar" section, which edits where the radial axis starts and ends, the
/// angle it is drawn at and where the multiplication factor goes.
class PoXtPolarAxisEditor : public PoXtAxisEditor {
 public:
  void setPolarAxisFilter(uint32_t show, uint32_t hide);
  void getPolarAxisFilter(uint32_t& show, uint32_t& hide) const {
    show = polarFilter.show, hide = polarFilter.hide;
  }

 protected:
  PoXtPolarAxisEditor(HWND parent, const char* name, SbBool buildInsideParent);
  ~PoXtPolarAxisEditor() override = default;

  const char* getDefaultWidgetName() const override { return "PoXtPolarAxisEditor"; }
  const char* getDefaultTitle() const override { return "PoXtPolarAxisEditor"; }
  const char* getDefaultIconTitle() const override { return "PoXtPolarAxisEditor"; }
  void buildWidget(HWND parent, const char* name, SbBool buildInsideParent) override;
  void setAxisFilter() override;
  void copyAxisFields(PoAxis* to, PoAxis* from) override;
  void updateAxisFromXtElements() override;
  int getMenuItems() const override { return PoXtAxisEditor::getMenuItems() + polarSectionCount; }

  /// Set by the constructor from the level's description.
  PoXtElementFilter polarFilter;
  int polarSectionCount = 0;
  int polarFilterBuilt = 0;

 private:
  /// The steps every class level shares, and this level's own members named for them.
  using Level = plivexwin::ClassLevel<PoXtPolarAxisEditor, PoXtAxisEditor>;
  friend Level;
  static constexpr PoXtLevelMembers<PoXtPolarAxisEditor> levelMembers{
      .filter = &PoXtPolarAxisEditor::polarFilter,
      .sectionCount = &PoXtPolarAxisEditor::polarSectionCount,
      .filterBuilt = &PoXtPolarAxisEditor::polarFilterBuilt};

  static void polarElementsCallback(void* editor, PoXtDialogDataCB* record);
};
