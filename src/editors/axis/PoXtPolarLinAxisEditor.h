// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "editors/axis/PoXtPolarAxisEditor.h"

/// Edits a polar linear axis (PoPolarLinAxis): the common axis sections,
/// "Polar", and "PolarLin" with the graduation step and fit and the button of
/// the numeric display format, which travels with the node.
class PoXtPolarLinAxisEditor : public PoXtPolarAxisEditor {
 public:
  explicit PoXtPolarLinAxisEditor(HWND parent = nullptr, const char* name = nullptr,
                                  SbBool buildInsideParent = TRUE);
  ~PoXtPolarLinAxisEditor() override = default;

  void setPolarLinAxisFilter(uint32_t show, uint32_t hide);
  void getPolarLinAxisFilter(uint32_t& show, uint32_t& hide) const {
    show = polarLinFilter.show, hide = polarLinFilter.hide;
  }

 protected:
  const char* getDefaultWidgetName() const override { return "PoXtPolarLinAxisEditor"; }
  const char* getDefaultTitle() const override { return "PoXtPolarLinAxisEditor"; }
  const char* getDefaultIconTitle() const override { return "PoXtPolarLinAxisEditor"; }
  void buildWidget(HWND parent, const char* name, SbBool buildInsideParent) override;
  void setAxisFilter() override;
  void copyAxisFields(PoAxis* to, PoAxis* from) override;
  void updateAxisFromXtElements() override;
  int getMenuItems() const override {
    return PoXtPolarAxisEditor::getMenuItems() + polarLinSectionCount;
  }

  /// Set by the constructor from the level's description.
  PoXtElementFilter polarLinFilter;
  int polarLinSectionCount = 0;
  int polarLinFilterBuilt = 0;

 private:
  /// The steps every class level shares, and this level's own members named for them.
  using Level = plivexwin::ClassLevel<PoXtPolarLinAxisEditor, PoXtPolarAxisEditor>;
  friend Level;
  static constexpr PoXtLevelMembers<PoXtPolarLinAxisEditor> levelMembers{
      .filter = &PoXtPolarLinAxisEditor::polarLinFilter,
      .sectionCount = &PoXtPolarLinAxisEditor::polarLinSectionCount,
      .filterBuilt = &PoXtPolarLinAxisEditor::polarLinFilterBuilt};

  static void polarLinElementsCallback(void* editor, PoXtDialogDataCB* record);
};
