// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "editors/axis/PoXtCartesianAxisEditor.h"

/// Edits a logarithmic cartesian axis (PoLogAxis): the common axis sections,
/// "Cartesian", and "Log" with how decades are chosen and labelled, how powers
/// of ten are written and where the multiplication factor goes.
class PoXtLogAxisEditor : public PoXtCartesianAxisEditor {
 public:
  explicit PoXtLogAxisEditor(HWND parent = nullptr, const char* name = nullptr,
                             SbBool buildInsideParent = TRUE);
  ~PoXtLogAxisEditor() override = default;

  void setLogAxisFilter(uint32_t show, uint32_t hide);
  void getLogAxisFilter(uint32_t& show, uint32_t& hide) const {
    show = logFilter.show, hide = logFilter.hide;
  }

 protected:
  const char* getDefaultWidgetName() const override { return "PoXtLogAxisEditor"; }
  const char* getDefaultTitle() const override { return "PoXtLogAxisEditor"; }
  const char* getDefaultIconTitle() const override { return "PoXtLogAxisEditor"; }
  void buildWidget(HWND parent, const char* name, SbBool buildInsideParent) override;
  void setAxisFilter() override;
  void copyAxisFields(PoAxis* to, PoAxis* from) override;
  void updateAxisFromXtElements() override;
  int getMenuItems() const override {
    return PoXtCartesianAxisEditor::getMenuItems() + logSectionCount;
  }

  /// Set by the constructor from the level's description.
  PoXtElementFilter logFilter;
  int logSectionCount = 0;
  int logFilterBuilt = 0;

 private:
  /// The steps every class level shares, and this level's own members named for them.
  using Level = plivexwin::ClassLevel<PoXtLogAxisEditor, PoXtCartesianAxisEditor>;
  friend Level;
  static constexpr PoXtLevelMembers<PoXtLogAxisEditor> levelMembers{
      .filter = &PoXtLogAxisEditor::logFilter,
      .sectionCount = &PoXtLogAxisEditor::logSectionCount,
      .filterBuilt = &PoXtLogAxisEditor::logFilterBuilt};

  static void logElementsCallback(void* editor, PoXtDialogDataCB* record);
};
