// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "editors/axis/PoXtPolarAxisEditor.h"

/// Edits a polar logarithmic axis (PoPolarLogAxis): the common axis sections,
/// "Polar", and "PolarLog" with how decades are chosen and labelled and how
/// powers of ten are written.
class PoXtPolarLogAxisEditor : public PoXtPolarAxisEditor {
 public:
  explicit PoXtPolarLogAxisEditor(HWND parent = nullptr, const char* name = nullptr,
                                  SbBool buildInsideParent = TRUE);
  ~PoXtPolarLogAxisEditor() override = default;

  void setPolarLogAxisFilter(uint32_t show, uint32_t hide);
  void getPolarLogAxisFilter(uint32_t& show, uint32_t& hide) const {
    show = polarLogFilter.show, hide = polarLogFilter.hide;
  }

 protected:
  const char* getDefaultWidgetName() const override { return "PoXtPolarLogAxisEditor"; }
  const char* getDefaultTitle() const override { return "PoXtPolarLogAxisEditor"; }
  const char* getDefaultIconTitle() const override { return "PoXtPolarLogAxisEditor"; }
  void buildWidget(HWND parent, const char* name, SbBool buildInsideParent) override;
  void setAxisFilter() override;
  void copyAxisFields(PoAxis* to, PoAxis* from) override;
  void updateAxisFromXtElements() override;
  int getMenuItems() const override {
    return PoXtPolarAxisEditor::getMenuItems() + polarLogSectionCount;
  }

  /// Set by the constructor from the level's description.
  PoXtElementFilter polarLogFilter;
  int polarLogSectionCount = 0;
  int polarLogFilterBuilt = 0;

 private:
  /// The steps every class level shares, and this level's own members named for them.
  using Level = plivexwin::ClassLevel<PoXtPolarLogAxisEditor, PoXtPolarAxisEditor>;
  friend Level;
  static constexpr PoXtLevelMembers<PoXtPolarLogAxisEditor> levelMembers{
      .filter = &PoXtPolarLogAxisEditor::polarLogFilter,
      .sectionCount = &PoXtPolarLogAxisEditor::polarLogSectionCount,
      .filterBuilt = &PoXtPolarLogAxisEditor::polarLogFilterBuilt};

  static void polarLogElementsCallback(void* editor, PoXtDialogDataCB* record);
};
