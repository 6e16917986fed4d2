// SPDX-License-Identifier: Apache-2.0
// Edits a linear axis through the installed package: attaches a linear axis
// editor to an axis, moves the "Step :" slider as a user would, checks that the
// step reached the axis and prints the axis's fields.

#include <cstdio>
#include <cstring>

#include "PlivexWinVersion.h"
#include "editors/axis/PoXtLinearAxisEditor.h"
#include "platform/plivex/PoBase.h"
#include "platform/plivex/PoLinearAxis.h"
#include "platform/scenar/basic/SbString.h"
#include "platform/scenar/fields/SoField.h"
#include "platform/scenar/fields/SoFieldData.h"
#include "platform/scenarwin/PoXtDialog.h"
#include "platform/scenarwin/PoXtElementData.h"

// The editor with its dialog in reach, as the application's window has it.
class LinearAxisEditor : public PoXtLinearAxisEditor {
 public:
  using PoXtLinearAxisEditor::PoXtLinearAxisEditor;
  PoXtDialog* getDialog() const { return dialog; }
};

// The index of the real slider labelled label, -1 if the dialog has none.
static int sliderIndex(const PoXtDialog& dialog, const char* label) {
  for (int i = 0; i < dialog.getNum(); ++i) {
    const PoXtElementData* element = dialog.get1Value(i);
    if (dynamic_cast<const PoXtRealSliderData*>(element) &&
        std::strcmp(element->getLabel().getString(), label) == 0)
      return i;
  }
  return -1;
}

static void printFields(const SoNode& node) {
  const SoFieldData* fields = node.getFieldData();
  for (int i = 0; fields && i < fields->getNumFields(); ++i) {
    SbString value;
    fields->getField(&node, i)->get(value);
    std::printf("%s %s\n", fields->getFieldName(i).getString(), value.getString());
  }
}

int main() {
  std::printf("PlivexWin %s\n", PLIVEXWIN_VERSION_STRING);
  PoBase::initClasses();
  PoLinearAxis* axis = new PoLinearAxis;
  axis->ref();

  auto* editor = new LinearAxisEditor(nullptr, "consumer");
  editor->attach(axis);
  editor->setUpdateFrequency(PoXtAxisEditor::CONTINUOUS);
  editor->setLinearAxisFilter(0x1f, 0x10);  // no "Format :" button
  editor->show();

  PoXtDialog& dialog = *editor->getDialog();
  const int step = sliderIndex(dialog, "Step :");
  if (step < 0) {
    std::fprintf(stderr, "consumer: the dialog has no \"Step :\" slider\n");
    return 1;
  }
  static_cast<PoXtRealSliderData*>(dialog.get1Value(step))->setValue(0.5f);
  dialog.userChanged(step);
  const bool applied = axis->step.getValue() == 0.5f;

  printFields(*axis);
  delete editor;  // releases its reference on the axis
  axis->unref();
  if (!applied) {
    std::fprintf(stderr, "consumer: the step set in the dialog did not reach the axis\n");
    return 1;
  }
  return 0;
}
