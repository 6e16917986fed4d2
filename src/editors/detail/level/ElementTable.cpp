// SPDX-License-Identifier: Apache-2.0
#include "editors/detail/level/ElementTable.h"

namespace plivexwin {

PoXtElementData* makeElement(const ElementRow& row, int32_t id) {
  PoXtElementData* element = nullptr;
  switch (row.kind) {
    case ElementKind::Choice:
      element = new PoXtChoiceButtonData(row.label, row.itemCount, row.items, 0);
      break;
    case ElementKind::RealSlider:
      element = new PoXtRealSliderData(row.label, row.min, row.max, row.value, 1);
      break;
    case ElementKind::IntSlider:
      element = new PoXtIntSliderData(row.label, static_cast<int>(row.min),
                                      static_cast<int>(row.max), static_cast<int>(row.value), 1);
      break;
    case ElementKind::Text: {
      auto* text = new PoXtEditTextData(row.label, row.text, 10);
      text->setNumCharToRead(80);
      element = text;
      break;
    }
    case ElementKind::Toggle:
      element = new PoXtToggleButtonData(row.label, 1, "On", "Off");
      break;
    case ElementKind::Button:
      element = new PoXtTriggerButtonData(row.label, row.text);
      break;
  }
  element->setID(id);
  return element;
}

}  // namespace plivexwin
