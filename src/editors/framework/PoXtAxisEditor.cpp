#include "editors/framework/PoXtAxisEditor.h"

#include "editors/framework/detail/AxisBaseTables.h"
#include "editors/framework/detail/EditorMachinery.h"
#include "platform/plivex/PoAxis.h"
#include "platform/scenar/sensors/SoCallbackList.h"
#include "platform/scenar/sensors/SoNodeSensor.h"
#include "platform/scenarwin/PoXtDialog.h"
#include "platform/scenarwin/menuColumn.h"

using namespace plivexwin::detail;

PoXtAxisEditor::PoXtAxisEditor(HWND parent, const char* /*name*/, SbBool buildInsideParent)
    : SoWinComponent(parent, "PoXtAxisEditor", buildInsideParent, TRUE) {
  // The name becomes the window title in buildWidget.
  changeCallbacks = new SoCallbackList;
  addVisibilityChangeCallback(visibilityChangeCB, this);
  sensor = new SoNodeSensor(sensorCB, this);
  sectionCount = menuItems;
}

PoXtAxisEditor::~PoXtAxisEditor() {
  delete dialog;
  if (attachedNode) {
    sensor->detach();
    attachedNode->unref();
  }
  if (workingCopy) workingCopy->unref();
  delete sensor;
  delete changeCallbacks;
  delete[] sections;
}

EditorView PoXtAxisEditor::view() const {
  return {dialog,       sections, sectionCount,    presentation, updateFrequency,     workingCopy,
          attachedNode, sensor,   changeCallbacks, workingCopy,  isVisible() != FALSE};
}

void PoXtAxisEditor::buildWidget(HWND parent, const char* name, SbBool buildInsideParent) {
  HWND dialogParent = parent;
  if (!parent || !buildInsideParent) dialogParent = isTopLevelShell() ? getShellWidget() : nullptr;
  setClassName(getDefaultWidgetName());
  dialog = new PoXtDialog(dialogParent, nullptr, 0, 0, nullptr);
  HWND window = dialog->getWidget();
  unregisterWidget(window);
  registerWidget(window);
  dialog->windowResizeByXtElement(TRUE);
  dialog->addValueChangedCallback(elementsCallback, this);
  // The constructor left AFTER_ACCEPT, so this runs in full.
  setUpdateFrequency(CONTINUOUS);
  setBaseWidget(window);
  setTitle(name);
}

void PoXtAxisEditor::setTextAxisFilter(uint32_t show, uint32_t hide) {
  applyFilter(view(), 0, kAxisTextSections, textFilter, textFilterBuilt, show, hide);
}

void PoXtAxisEditor::getTextAxisFilter(uint32_t& show, uint32_t& hide) const {
  show = textFilter.show, hide = textFilter.hide;
}

void PoXtAxisEditor::setGeomAxisFilter(uint32_t show, uint32_t hide) {
  applyFilter(view(), 4, kAxisGeomSections.first(static_cast<std::size_t>(menuItems - 4)),
              geomFilter, geomFilterBuilt, show, hide);
}

void PoXtAxisEditor::getGeomAxisFilter(uint32_t& show, uint32_t& hide) const {
  show = geomFilter.show, hide = geomFilter.hide;
}

void PoXtAxisEditor::setAxisFilter() {
  setTextAxisFilter(textFilter.show, textFilter.hide);
  setGeomAxisFilter(geomFilter.show, geomFilter.hide);
}

void PoXtAxisEditor::setPresentation(Presentation p) {
  if (p == presentation) return;
  applyPresentation(view(), p);
  presentation = p;
}

void PoXtAxisEditor::setUpdateFrequency(UpdateFrequency frequency) {
  if (switchUpdateFrequency(view(), frequency, acceptCallback, this))
    copyAxisFields(attachedNode, workingCopy);
  updateFrequency = frequency;
}

void PoXtAxisEditor::copyAxisFields(PoAxis* to, PoAxis* from) { copyFields(to, from, kAxisCopied); }

void PoXtAxisEditor::updateAxisFromXtElements() {
  updateFromElements(view(), kAxisTextGroup);
  updateFromElements(view(), kAxisGeomGroup);
}

void PoXtAxisEditor::updateXtElements() { refreshSections(view()); }

void PoXtAxisEditor::addAxisChangedCallback(AxisChangedCB* fn, void* userData) {
  changeCallbacks->addCallback(fn, userData);
}

void PoXtAxisEditor::removeAxisChangedCallback(AxisChangedCB* fn, void* userData) {
  changeCallbacks->removeCallback(fn, userData);
}

void PoXtAxisEditor::attach(PoAxis* axis) {
  // Take the new reference first: re-attaching the attached node must not free it.
  if (axis) axis->ref();
  detach();
  if (!axis) return;
  attachedNode = axis;
  activate();
}

void PoXtAxisEditor::detach() {
  if (!attachedNode) return;
  sensor->detach();
  attachedNode->unref();
  attachedNode = nullptr;
}

void PoXtAxisEditor::activate() {
  if (!attachedNode || sensor->getAttachedNode()) return;
  copyAxisFields(workingCopy, attachedNode);
  updateXtElements();
  sensor->attach(attachedNode);
}

void PoXtAxisEditor::deactivate() { sensor->detach(); }

void PoXtAxisEditor::show() {
  SoWinComponent::show();
  dialog->show();
}

void PoXtAxisEditor::hide() {
  SoWinComponent::hide();
  dialog->hide();
}

void PoXtAxisEditor::elementsCallback(void* editor, PoXtDialogDataCB* record) {
  auto* self = static_cast<PoXtAxisEditor*>(editor);
  elementChanged(self->view(), record, kAxisTextGroup);
  elementChanged(self->view(), record, kAxisGeomGroup);
}

void PoXtAxisEditor::acceptCallback(void* editor, PoXtDialogDataCB* record) {
  auto* self = static_cast<PoXtAxisEditor*>(editor);
  const PoXtElementData* element = record->dialog->get1Value(record->elementIndex);
  if (!element || element->getID() != kAcceptId) return;
  if (self->attachedNode) {
    WriteWithoutEcho quiet(self->view());
    self->updateAxisFromXtElements();
    self->copyAxisFields(self->attachedNode, self->workingCopy);
  }
  self->changeCallbacks->invokeCallbacks(self->workingCopy);
}

void PoXtAxisEditor::sensorCB(void* editor, SoSensor*) {
  auto* self = static_cast<PoXtAxisEditor*>(editor);
  if (!self->isVisible()) return;
  self->copyAxisFields(self->workingCopy, self->attachedNode);
  self->updateXtElements();
}

void PoXtAxisEditor::visibilityChangeCB(void* editor, SbBool visible) {
  auto* self = static_cast<PoXtAxisEditor*>(editor);
  if (visible)
    self->activate();
  else
    self->deactivate();
}
