// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "editors/framework/PoXtAxisEditor.h"

/// Edits an angular axis (PoAngularAxis), drawn along an arc and graduated in
/// angles: the common axis sections and "Angular" with the arc's offset, start
/// and end angle and radius, the angle between graduations and the graduation fit.
class PoXtAngularAxisEditor : public PoXtAxisEditor {
 public:
  explicit PoXtAngularAxisEditor(HWND parent = nullptr, const char* name = nullptr,
                                 SbBool buildInsideParent = TRUE);
  ~PoXtAngularAxisEditor() override = default;

  void setAngularAxisFilter(uint32_t show, uint32_t hide);
  void getAngularAxisFilter(uint32_t& show, uint32_t& hide) const {
    show = angularFilter.show, hide = angularFilter.hide;
  }

 protected:
  const char* getDefaultWidgetName() const override { return "PoXtAngularAxisEditor"; }
  const char* getDefaultTitle() const override { return "PoXtAngularAxisEditor"; }
  const char* getDefaultIconTitle() const override { return "PoXtAngularAxisEditor"; }
  void buildWidget(HWND parent, const char* name, SbBool buildInsideParent) override;
  void setAxisFilter() override;
  void copyAxisFields(PoAxis* to, PoAxis* from) override;
  void updateAxisFromXtElements() override;
  int getMenuItems() const override { return PoXtAxisEditor::getMenuItems() + angularSectionCount; }

  /// Set by the constructor from the level's description.
  PoXtElementFilter angularFilter;
  int angularSectionCount = 0;
  int angularFilterBuilt = 0;

 private:
  /// The steps every class level shares, and this level's own members named for them.
  using Level = plivexwin::ClassLevel<PoXtAngularAxisEditor, PoXtAxisEditor>;
  friend Level;
  static constexpr PoXtLevelMembers<PoXtAngularAxisEditor> levelMembers{
      .filter = &PoXtAngularAxisEditor::angularFilter,
      .sectionCount = &PoXtAngularAxisEditor::angularSectionCount,
      .filterBuilt = &PoXtAngularAxisEditor::angularFilterBuilt};

  static void angularElementsCallback(void* editor, PoXtDialogDataCB* record);
};
