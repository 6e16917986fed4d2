// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "editors/axis/PoXtCartesianAxisEditor.h"

/// Edits a generic cartesian axis (PoGenAxis), whose graduations are a list of
/// texts: the common axis sections, "Cartesian", and the head-less "Gen"
/// section with the button of the graduation list. The list itself travels
/// whole between the node and the working copy.
class PoXtGenAxisEditor : public PoXtCartesianAxisEditor {
 public:
  explicit PoXtGenAxisEditor(HWND parent = nullptr, const char* name = nullptr,
                             SbBool buildInsideParent = TRUE);
  ~PoXtGenAxisEditor() override = default;

  void setGenAxisFilter(uint32_t show, uint32_t hide);
  void getGenAxisFilter(uint32_t& show, uint32_t& hide) const {
    show = genFilter.show, hide = genFilter.hide;
  }

 protected:
  const char* getDefaultWidgetName() const override { return "PoXtGenAxisEditor"; }
  const char* getDefaultTitle() const override { return "PoXtGenAxisEditor"; }
  const char* getDefaultIconTitle() const override { return "PoXtGenAxisEditor"; }
  void buildWidget(HWND parent, const char* name, SbBool buildInsideParent) override;
  void setAxisFilter() override;
  void copyAxisFields(PoAxis* to, PoAxis* from) override;
  void updateAxisFromXtElements() override;
  int getMenuItems() const override {
    return PoXtCartesianAxisEditor::getMenuItems() + genSectionCount;
  }

  /// Set by the constructor from the level's description.
  PoXtElementFilter genFilter;
  int genSectionCount = 0;
  int genFilterBuilt = 0;

 private:
  /// The steps every class level shares, and this level's own members named for them.
  using Level = plivexwin::ClassLevel<PoXtGenAxisEditor, PoXtCartesianAxisEditor>;
  friend Level;
  static constexpr PoXtLevelMembers<PoXtGenAxisEditor> levelMembers{
      .filter = &PoXtGenAxisEditor::genFilter,
      .sectionCount = &PoXtGenAxisEditor::genSectionCount,
      .filterBuilt = &PoXtGenAxisEditor::genFilterBuilt};

  static void genElementsCallback(void* editor, PoXtDialogDataCB* record);
};
