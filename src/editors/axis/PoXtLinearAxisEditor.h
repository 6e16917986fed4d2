// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "editors/axis/PoXtCartesianAxisEditor.h"

/// Edits a linear cartesian axis (PoLinearAxis): the common axis sections,
/// "Cartesian", and "Linear" with the graduation step and fit and the place of
/// the multiplication factor.
class PoXtLinearAxisEditor : public PoXtCartesianAxisEditor {
 public:
  explicit PoXtLinearAxisEditor(HWND parent = nullptr, const char* name = nullptr,
                                SbBool buildInsideParent = TRUE);
  ~PoXtLinearAxisEditor() override = default;

  void setLinearAxisFilter(uint32_t show, uint32_t hide);
  void getLinearAxisFilter(uint32_t& show, uint32_t& hide) const {
    show = linearFilter.show, hide = linearFilter.hide;
  }

 protected:
  const char* getDefaultWidgetName() const override { return "PoXtLinearAxisEditor"; }
  const char* getDefaultTitle() const override { return "PoXtLinearAxisEditor"; }
  const char* getDefaultIconTitle() const override { return "PoXtLinearAxisEditor"; }
  void buildWidget(HWND parent, const char* name, SbBool buildInsideParent) override;
  void setAxisFilter() override;
  void copyAxisFields(PoAxis* to, PoAxis* from) override;
  void updateAxisFromXtElements() override;
  int getMenuItems() const override {
    return PoXtCartesianAxisEditor::getMenuItems() + linearSectionCount;
  }

  /// Set by the constructor from the level's description.
  PoXtElementFilter linearFilter;
  int linearSectionCount = 0;
  int linearFilterBuilt = 0;

 private:
  /// The steps every class level shares, and this level's own members named for them.
  using Level = plivexwin::ClassLevel<PoXtLinearAxisEditor, PoXtCartesianAxisEditor>;
  friend Level;
  static constexpr PoXtLevelMembers<PoXtLinearAxisEditor> levelMembers{
      .filter = &PoXtLinearAxisEditor::linearFilter,
      .sectionCount = &PoXtLinearAxisEditor::linearSectionCount,
      .filterBuilt = &PoXtLinearAxisEditor::linearFilterBuilt};

  static void linearElementsCallback(void* editor, PoXtDialogDataCB* record);
};
