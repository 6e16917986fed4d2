#include "editors/axis/PoXtLinearAxisEditor.h"

#include "editors/framework/detail/EditorMachinery.h"
#include "editors/framework/detail/SectionLabels.h"
#include "platform/plivex/PoLinearAxis.h"
#include "platform/scenarwin/PoXtDialog.h"
#include "platform/scenarwin/menuColumn.h"

using namespace plivexwin::detail;

namespace {

constexpr const char* kFit[] = {"Fit", "Unfit"};
constexpr const char* kMultFactorPositions[] = {"Start", "End", "Extr", "Grad"};

// Group 4, by element position.
constexpr ElementRow kRows[] = {
    realSlider<&PoLinearAxis::step>("Step :", 0, 1, 0),
    choice<&PoLinearAxis::gradFit>("Graduation Fit :", kFit),
    choice<&PoLinearAxis::multFactorPosition>("Mult. Factor Position :", kMultFactorPositions),
    realSlider<&PoLinearAxis::multFactorDistAxis>("Mult. Factor Dist. Axis :", 0, 1, 0),
    button("Format :", "Edit"),
};
constexpr ElementGroup kGroup = makeGroup<kRows>(4);
constexpr SectionLayout kSection[] = {{&labels::linear, &kGroup, 0x1f, true}};
constexpr CopyFieldFn kCopied[] = {
    copyField<&PoLinearAxis::step>,
    copyField<&PoLinearAxis::gradFit>,
    copyField<&PoLinearAxis::multFactorPosition>,
    copyField<&PoLinearAxis::multFactorDistAxis>,
    copyAttribute<&PoLinearAxis::getFormat, &PoLinearAxis::setFormat>,
};

}  // namespace

PoXtLinearAxisEditor::PoXtLinearAxisEditor(HWND parent, const char* name, SbBool buildInsideParent)
    : PoXtCartesianAxisEditor(parent, name, buildInsideParent) {
  sectionCount += 1;
  workingCopy = new PoLinearAxis;
  workingCopy->ref();
  buildWidget(parent, name, buildInsideParent);
  PoXtCartesianAxisEditor::setAxisFilter();
  setLinearAxisFilter(linearFilter.show, linearFilter.hide);
}

void PoXtLinearAxisEditor::buildWidget(HWND parent, const char* name, SbBool buildInsideParent) {
  PoXtCartesianAxisEditor::buildWidget(parent, name, buildInsideParent);
  sections = new menuColumn[static_cast<std::size_t>(sectionCount)];
  for (int s = 0; s < sectionCount; ++s) {
    sections[s].setDialog(dialog);
    sections[s].setData(workingCopy);
  }
  dialog->addValueChangedCallback(linearElementsCallback, this);
}

void PoXtLinearAxisEditor::setAxisFilter() {
  PoXtCartesianAxisEditor::setAxisFilter();
  setLinearAxisFilter(linearFilter.show, linearFilter.hide);
}

void PoXtLinearAxisEditor::setLinearAxisFilter(uint32_t show, uint32_t hide) {
  applyFilter(view(), PoXtCartesianAxisEditor::getMenuItems(), kSection, linearFilter,
              linearFilterBuilt, show, hide);
}

void PoXtLinearAxisEditor::getLinearAxisFilter(uint32_t& show, uint32_t& hide) const {
  show = linearFilter.show, hide = linearFilter.hide;
}

void PoXtLinearAxisEditor::copyAxisFields(PoAxis* to, PoAxis* from) {
  PoXtCartesianAxisEditor::copyAxisFields(to, from);
  copyFields(to, from, kCopied);
}

void PoXtLinearAxisEditor::updateAxisFromXtElements() {
  if (!workingCopy) return;
  PoXtCartesianAxisEditor::updateAxisFromXtElements();
  updateFromElements(view(), kGroup);
}

void PoXtLinearAxisEditor::linearElementsCallback(void* editor, PoXtDialogDataCB* record) {
  elementChanged(static_cast<PoXtLinearAxisEditor*>(editor)->view(), record, kGroup);
}
