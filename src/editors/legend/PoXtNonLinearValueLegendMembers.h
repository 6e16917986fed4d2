// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "editors/legend/PoXtAutoValueLegendEditor.h"

/// What the three non-linear value legend editors declare alike in their
/// protected section, under the same names in all three: the class level's
/// overrides and the members its steps are bound to. The macro opens no
/// access section; each class writes its own.
///
/// ```
///   class PoXtNonLinearValueLegend1Editor : public PoXtAutoValueLegendEditor {
///     ...
///    protected:
///     PO_XT_NON_LINEAR_VALUE_LEGEND_LEVEL_MEMBERS;
///    private:
///     ...
///   };
/// ```
#define PO_XT_NON_LINEAR_VALUE_LEGEND_LEVEL_MEMBERS                                   \
  void buildWidget(HWND parent, const char* name, SbBool buildInsideParent) override; \
  void setFilter() override;                                                          \
  void copyLegendFields(PoLegend* to, PoLegend* from) override;                       \
  void updateLegendFromXtElements() override;                                         \
  int getMenuItems() const override {                                                 \
    return PoXtAutoValueLegendEditor::getMenuItems() + nonLinearValueSectionCount;    \
  }                                                                                   \
  /* Set by the constructor from the level's description. */                          \
  PoXtElementFilter nonLinearValueLegendFilter;                                       \
  int nonLinearValueSectionCount = 0;                                                 \
  int nonLinearValueLegendFilterBuilt = 0
