// SPDX-License-Identifier: Apache-2.0
#include "editors/framework/PoXtAxisEditor.h"

#include "editors/detail/level/AxisBaseLevel.h"
#include "editors/detail/level/LevelSteps.h"

using Steps = plivexwin::LevelSteps<PoXtAxisEditor>;
using plivexwin::kAxisBaseLevel;

// The name becomes the window title in buildWidget.
PoXtAxisEditor::PoXtAxisEditor(HWND parent, const char* /*name*/, SbBool buildInsideParent)
    : PoXtEditorBase(parent, "PoXtAxisEditor", buildInsideParent, kAxisBaseLevel.sectionCount()),
      textFilter(kAxisBaseLevel.groups[0].defaultFilter),
      geomFilter(kAxisBaseLevel.groups[1].defaultFilter) {}

void PoXtAxisEditor::buildWidget(HWND parent, const char* name, SbBool buildInsideParent) {
  PoXtEditorBase::buildWidget(parent, name, buildInsideParent);
  Steps::build(*this, kAxisBaseLevel, elementsCallback);
}

void PoXtAxisEditor::setTextAxisFilter(uint32_t show, uint32_t hide) {
  Steps::setFilter(*this, kAxisBaseLevel.groups[0], 0, textFilter, textFilterBuilt, show, hide);
}

void PoXtAxisEditor::getTextAxisFilter(uint32_t& show, uint32_t& hide) const {
  show = textFilter.show, hide = textFilter.hide;
}

void PoXtAxisEditor::setGeomAxisFilter(uint32_t show, uint32_t hide) {
  const int firstSection = static_cast<int>(kAxisBaseLevel.groups[0].sections.size());
  Steps::setFilter(*this, kAxisBaseLevel.groups[1], firstSection, geomFilter, geomFilterBuilt, show,
                   hide);
}

void PoXtAxisEditor::getGeomAxisFilter(uint32_t& show, uint32_t& hide) const {
  show = geomFilter.show, hide = geomFilter.hide;
}

void PoXtAxisEditor::setAxisFilter() {
  setTextAxisFilter(textFilter.show, textFilter.hide);
  setGeomAxisFilter(geomFilter.show, geomFilter.hide);
}

void PoXtAxisEditor::copyAxisFields(PoAxis* to, PoAxis* from) {
  plivexwin::copyFields(kAxisBaseLevel, to, from);
}

void PoXtAxisEditor::updateAxisFromXtElements() {
  Steps::updateFromElements(*this, kAxisBaseLevel);
}

void PoXtAxisEditor::elementsCallback(void* editor, PoXtDialogDataCB* record) {
  Steps::elementChanged(*static_cast<PoXtAxisEditor*>(editor), kAxisBaseLevel, record);
}
