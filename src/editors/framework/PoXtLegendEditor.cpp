// SPDX-License-Identifier: Apache-2.0
#include "editors/framework/PoXtLegendEditor.h"

#include "editors/detail/level/LegendBaseLevel.h"
#include "editors/detail/level/LevelSteps.h"

using Steps = plivexwin::LevelSteps<PoXtLegendEditor>;
using plivexwin::kLegendBaseLevel;

// The name becomes the window title in buildWidget.
PoXtLegendEditor::PoXtLegendEditor(HWND parent, const char* /*name*/, SbBool buildInsideParent)
    : PoXtEditorBase(parent, "PoXtLegendEditor", buildInsideParent,
                     kLegendBaseLevel.sectionCount()),
      legendFilter(kLegendBaseLevel.groups[0].defaultFilter) {}

void PoXtLegendEditor::buildWidget(HWND parent, const char* name, SbBool buildInsideParent) {
  PoXtEditorBase::buildWidget(parent, name, buildInsideParent);
  Steps::build(*this, kLegendBaseLevel, elementsCallback);
}

void PoXtLegendEditor::setLegendFilter(uint32_t show, uint32_t hide) {
  Steps::setFilter(*this, kLegendBaseLevel.groups[0], 0, legendFilter, legendFilterBuilt, show,
                   hide);
}

void PoXtLegendEditor::getLegendFilter(uint32_t& show, uint32_t& hide) const {
  show = legendFilter.show, hide = legendFilter.hide;
}

void PoXtLegendEditor::setFilter() { setLegendFilter(legendFilter.show, legendFilter.hide); }

void PoXtLegendEditor::copyLegendFields(PoLegend* to, PoLegend* from) {
  plivexwin::copyFields(kLegendBaseLevel, to, from);
}

void PoXtLegendEditor::updateLegendFromXtElements() {
  Steps::updateFromElements(*this, kLegendBaseLevel);
}

void PoXtLegendEditor::elementsCallback(void* editor, PoXtDialogDataCB* record) {
  Steps::elementChanged(*static_cast<PoXtLegendEditor*>(editor), kLegendBaseLevel, record);
}
