// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "editors/framework/PoXtAxisEditor.h"

/// The class level shared by the editors of cartesian axes (linear, logarithmic,
/// generic): the "Cartesian" section, which edits where the axis starts, where
/// it ends along its direction and its orientation.
class PoXtCartesianAxisEditor : public PoXtAxisEditor {
 public:
  void setCartesianAxisFilter(uint32_t show, uint32_t hide);
  void getCartesianAxisFilter(uint32_t& show, uint32_t& hide) const {
    show = cartesianFilter.show, hide = cartesianFilter.hide;
  }

 protected:
  PoXtCartesianAxisEditor(HWND parent, const char* name, SbBool buildInsideParent);
  ~PoXtCartesianAxisEditor() override = default;

  const char* getDefaultWidgetName() const override { return "PoXtCartesianAxisEditor"; }
  const char* getDefaultTitle() const override { return "PoXtCartesianAxisEditor"; }
  const char* getDefaultIconTitle() const override { return "PoXtCartesianAxisEditor"; }
  void buildWidget(HWND parent, const char* name, SbBool buildInsideParent) override;
  void setAxisFilter() override;
  void copyAxisFields(PoAxis* to, PoAxis* from) override;
  void updateAxisFromXtElements() override;
  int getMenuItems() const override {
    return PoXtAxisEditor::getMenuItems() + cartesianSectionCount;
  }

  /// Set by the constructor from the level's description.
  PoXtElementFilter cartesianFilter;
  int cartesianSectionCount = 0;
  int cartesianFilterBuilt = 0;

 private:
  /// The steps every class level shares, and this level's own members named for them.
  using Level = plivexwin::ClassLevel<PoXtCartesianAxisEditor, PoXtAxisEditor>;
  friend Level;
  static constexpr PoXtLevelMembers<PoXtCartesianAxisEditor> levelMembers{
      .filter = &PoXtCartesianAxisEditor::cartesianFilter,
      .sectionCount = &PoXtCartesianAxisEditor::cartesianSectionCount,
      .filterBuilt = &PoXtCartesianAxisEditor::cartesianFilterBuilt};

  static void cartesianElementsCallback(void* editor, PoXtDialogDataCB* record);
};
