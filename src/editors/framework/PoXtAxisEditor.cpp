#include "editors/framework/PoXtAxisEditor.h"

#include "editors/framework/detail/EditorCore.h"
#include "editors/framework/level/AxisBaseLevel.h"

using Steps = plivexwin::LevelSteps<PoXtAxisEditor>;
using plivexwin::kAxisBaseLevel;

struct PoXtAxisEditor::Family {
  using Editor = PoXtAxisEditor;
  using Node = PoAxis;
  static void copyFields(Editor& editor, PoAxis* to, PoAxis* from) {
    editor.copyAxisFields(to, from);
  }
  static void updateFromElements(Editor& editor) { editor.updateAxisFromXtElements(); }
};

PoXtAxisEditor::PoXtAxisEditor(HWND parent, const char* /*name*/, SbBool buildInsideParent)
    : SoWinComponent(parent, "PoXtAxisEditor", buildInsideParent, TRUE) {
  // The name becomes the window title in buildWidget.
  Core::construct(*this);
  textFilter = kAxisBaseLevel.groups[0].defaultFilter;
  geomFilter = kAxisBaseLevel.groups[1].defaultFilter;
}

PoXtAxisEditor::~PoXtAxisEditor() { Core::destroy(*this); }

void PoXtAxisEditor::buildWidget(HWND parent, const char* name, SbBool buildInsideParent) {
  Core::buildWidget(*this, parent, name, buildInsideParent);
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

void PoXtAxisEditor::setPresentation(Presentation p) { Core::setPresentation(*this, p); }

void PoXtAxisEditor::setUpdateFrequency(UpdateFrequency f) { Core::setUpdateFrequency(*this, f); }

void PoXtAxisEditor::copyAxisFields(PoAxis* to, PoAxis* from) {
  plivexwin::copyFields(kAxisBaseLevel, to, from);
}

void PoXtAxisEditor::updateAxisFromXtElements() {
  for (const plivexwin::LevelGroup& group : kAxisBaseLevel.groups)
    Steps::updateFromElements(*this, group);
}

void PoXtAxisEditor::updateXtElements() { Core::refresh(*this); }

void PoXtAxisEditor::addAxisChangedCallback(AxisChangedCB* fn, void* userData) {
  changeCallbacks->addCallback(fn, userData);
}

void PoXtAxisEditor::removeAxisChangedCallback(AxisChangedCB* fn, void* userData) {
  changeCallbacks->removeCallback(fn, userData);
}

void PoXtAxisEditor::attach(PoAxis* axis) { Core::attach(*this, axis); }

void PoXtAxisEditor::detach() { Core::detach(*this); }

void PoXtAxisEditor::activate() { Core::activate(*this); }

void PoXtAxisEditor::deactivate() { Core::deactivate(*this); }

void PoXtAxisEditor::show() { Core::show(*this); }

void PoXtAxisEditor::hide() { Core::hide(*this); }

void PoXtAxisEditor::elementsCallback(void* editor, PoXtDialogDataCB* record) {
  for (const plivexwin::LevelGroup& group : kAxisBaseLevel.groups)
    Steps::elementChanged(*static_cast<PoXtAxisEditor*>(editor), group, record);
}

void PoXtAxisEditor::acceptCallback(void* editor, PoXtDialogDataCB* record) {
  Core::accept(*static_cast<PoXtAxisEditor*>(editor), record);
}

void PoXtAxisEditor::sensorCB(void* editor, SoSensor*) {
  Core::nodeChanged(*static_cast<PoXtAxisEditor*>(editor));
}

void PoXtAxisEditor::visibilityChangeCB(void* editor, SbBool visible) {
  Core::visibilityChanged(*static_cast<PoXtAxisEditor*>(editor), visible);
}
