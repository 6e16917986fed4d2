// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "editors/framework/PoXtAxisEditor.h"

/// Edits a time axis (PoTimeAxis), whose graduations are dates: the common axis
/// sections and "Time" with the date range, where the axis lies, the language
/// of the date texts, the graduation fit and the period of the times. The
/// graduation texts and the date format mapping travel with the node.
class PoXtTimeAxisEditor : public PoXtAxisEditor {
 public:
  explicit PoXtTimeAxisEditor(HWND parent = nullptr, const char* name = nullptr,
                              SbBool buildInsideParent = TRUE);
  ~PoXtTimeAxisEditor() override = default;

  void setTimeAxisFilter(uint32_t show, uint32_t hide);
  void getTimeAxisFilter(uint32_t& show, uint32_t& hide) const {
    show = timeFilter.show, hide = timeFilter.hide;
  }

 protected:
  const char* getDefaultWidgetName() const override { return "PoXtTimeAxisEditor"; }
  const char* getDefaultTitle() const override { return "PoXtTimeAxisEditor"; }
  const char* getDefaultIconTitle() const override { return "PoXtTimeAxisEditor"; }
  void buildWidget(HWND parent, const char* name, SbBool buildInsideParent) override;
  void setAxisFilter() override;
  void copyAxisFields(PoAxis* to, PoAxis* from) override;
  void updateAxisFromXtElements() override;
  int getMenuItems() const override { return PoXtAxisEditor::getMenuItems() + timeSectionCount; }

  /// Set by the constructor from the level's description.
  PoXtElementFilter timeFilter;
  int timeSectionCount = 0;
  int timeFilterBuilt = 0;

 private:
  /// The steps every class level shares, and this level's own members named for them.
  using Level = plivexwin::ClassLevel<PoXtTimeAxisEditor, PoXtAxisEditor>;
  friend Level;
  static constexpr PoXtLevelMembers<PoXtTimeAxisEditor> levelMembers{
      .filter = &PoXtTimeAxisEditor::timeFilter,
      .sectionCount = &PoXtTimeAxisEditor::timeSectionCount,
      .filterBuilt = &PoXtTimeAxisEditor::timeFilterBuilt};

  static void timeElementsCallback(void* editor, PoXtDialogDataCB* record);
};
