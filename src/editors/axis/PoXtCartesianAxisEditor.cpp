#include "editors/axis/PoXtCartesianAxisEditor.h"

#include "editors/framework/detail/EditorMachinery.h"
#include "editors/framework/detail/SectionLabels.h"
#include "platform/plivex/PoCartesianAxis.h"
#include "platform/scenarwin/PoXtDialog.h"

using namespace plivexwin::detail;

namespace {

constexpr const char* kTypes[] = {"XY", "XZ", "YX", "YZ", "ZX", "ZY"};

// Group 3, by element position.
constexpr ElementRow kRows[] = {
    convertedText("Start :", "0 0 0", showVector<&PoCartesianAxis::start>,
                  writeVector<&PoCartesianAxis::start>),
    convertedText("End :", "1", showNumber<&PoCartesianAxis::end>,
                  writeNumber<&PoCartesianAxis::end>),
    choice<&PoCartesianAxis::type>("Type :", kTypes),
};
constexpr ElementGroup kGroup = makeGroup<kRows>(3);
constexpr SectionLayout kSection[] = {{&labels::cartesian, &kGroup, 0x7, true}};
constexpr CopyFieldFn kCopied[] = {
    copyField<&PoCartesianAxis::start>,
    copyField<&PoCartesianAxis::end>,
    copyField<&PoCartesianAxis::type>,
};

}  // namespace

PoXtCartesianAxisEditor::PoXtCartesianAxisEditor(HWND parent, const char* name,
                                                 SbBool buildInsideParent)
    : PoXtAxisEditor(parent, name, buildInsideParent) {
  sectionCount += 1;
}

void PoXtCartesianAxisEditor::buildWidget(HWND parent, const char* name, SbBool buildInsideParent) {
  PoXtAxisEditor::buildWidget(parent, name, buildInsideParent);
  dialog->addValueChangedCallback(cartesianElementsCallback, this);
}

void PoXtCartesianAxisEditor::setAxisFilter() {
  PoXtAxisEditor::setAxisFilter();
  setCartesianAxisFilter(cartesianFilter.show, cartesianFilter.hide);
}

void PoXtCartesianAxisEditor::setCartesianAxisFilter(uint32_t show, uint32_t hide) {
  applyFilter(view(), PoXtAxisEditor::getMenuItems(), kSection, cartesianFilter,
              cartesianFilterBuilt, show, hide);
}

void PoXtCartesianAxisEditor::getCartesianAxisFilter(uint32_t& show, uint32_t& hide) const {
  show = cartesianFilter.show, hide = cartesianFilter.hide;
}

void PoXtCartesianAxisEditor::copyAxisFields(PoAxis* to, PoAxis* from) {
  PoXtAxisEditor::copyAxisFields(to, from);
  copyFields(to, from, kCopied);
}

void PoXtCartesianAxisEditor::updateAxisFromXtElements() {
  if (!workingCopy) return;
  PoXtAxisEditor::updateAxisFromXtElements();
  updateFromElements(view(), kGroup);
}

void PoXtCartesianAxisEditor::cartesianElementsCallback(void* editor, PoXtDialogDataCB* record) {
  elementChanged(static_cast<PoXtCartesianAxisEditor*>(editor)->view(), record, kGroup);
}
