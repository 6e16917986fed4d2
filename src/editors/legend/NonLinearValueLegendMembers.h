#pragma once

// What the three non-linear value legend editors declare alike, after their
// own constructor, filter setter and getter, and default names: the class
// level's overrides, its members and its elements callback, under the same
// names in all three.
//
//   class PoXtNonLinearValueLegend1Editor : public PoXtAutoValueLegendEditor {
//    public:
//     ...
//     PO_XT_NON_LINEAR_VALUE_LEGEND_MEMBERS;
//   };

#include "editors/legend/PoXtAutoValueLegendEditor.h"

#define PO_XT_NON_LINEAR_VALUE_LEGEND_MEMBERS                                         \
 protected:                                                                           \
  void buildWidget(HWND parent, const char* name, SbBool buildInsideParent) override; \
  void setFilter() override;                                                          \
  void copyLegendFields(PoLegend* to, PoLegend* from) override;                       \
  void updateLegendFromXtElements() override;                                         \
  int getMenuItems() const override {                                                 \
    return PoXtAutoValueLegendEditor::getMenuItems() + nonLinearValueSectionCount;    \
  }                                                                                   \
                                                                                      \
  /* Set by the constructor from the level's description. */                          \
  PoXtElementFilter nonLinearValueLegendFilter;                                       \
  int nonLinearValueSectionCount = 0;                                                 \
  int nonLinearValueLegendFilterBuilt = 0;                                            \
                                                                                      \
 private:                                                                             \
  static void nonLinearValueElementsCallback(void* editor, PoXtDialogDataCB* record)
