#pragma once

// The conversions between node fields and dialog elements, written once and
// shared by every element table. Each is a plain function of (node, element);
// the field is a pointer to a member field of the node class. An element of an
// unexpected kind is left alone.

#include <cstdint>
#include <type_traits>
#include <vector>

#include "platform/scenar/nodes/SoNode.h"
#include "platform/scenarwin/PoXtElementData.h"

namespace plivexwin {

using ElementHandlerFn = void (*)(SoNode* node, PoXtElementData* element);

template <typename M>
struct MemberOf;
template <typename C, typename F>
struct MemberOf<F C::*> {
  using Class = C;
  using Field = F;
};

// The field Field of node.
template <auto Field>
auto& fieldOf(SoNode* node) {
  using Class = typename MemberOf<decltype(Field)>::Class;
  return static_cast<Class*>(node)->*Field;
}

// Shared steps of the conversions, in Conversions.cpp.
void showRealValue(PoXtRealSliderData& slider, float value);  // widens the range to take value in
void showIntValue(PoXtIntSliderData& slider, int value);
SbString formatNumber(double value);                               // "%g"
SbString formatVector(const float* values, int count);             // "%g %g ..."
void parseVector(const SbString& text, float* values, int count);  // words 1..count, 0 if missing
SbString formatDecadeList(const uint16_t* values, int count);      // "%d " per value
std::vector<uint16_t> parseDecadeList(const SbString& text);       // words as 16-bit integers

// Choice and SoSFEnum: the selected item's index is the field value.
template <auto Field>
void showEnum(SoNode* node, PoXtElementData* element) {
  if (auto* choice = dynamic_cast<PoXtChoiceButtonData*>(element))
    choice->setSelectedItem(fieldOf<Field>(node).getValue());
}
template <auto Field>
void writeEnum(SoNode* node, PoXtElementData* element) {
  if (auto* choice = dynamic_cast<PoXtChoiceButtonData*>(element))
    fieldOf<Field>(node).setValue(choice->getSelectedItem());
}

// Real slider and SoSFFloat.
template <auto Field>
void showFloat(SoNode* node, PoXtElementData* element) {
  if (auto* slider = dynamic_cast<PoXtRealSliderData*>(element))
    showRealValue(*slider, fieldOf<Field>(node).getValue());
}
template <auto Field>
void writeFloat(SoNode* node, PoXtElementData* element) {
  if (auto* slider = dynamic_cast<PoXtRealSliderData*>(element))
    fieldOf<Field>(node).setValue(slider->getValue());
}

// Integer slider and SoSFUShort; the slider value is truncated to 16 bits.
template <auto Field>
void showUShort(SoNode* node, PoXtElementData* element) {
  if (auto* slider = dynamic_cast<PoXtIntSliderData*>(element))
    showIntValue(*slider, fieldOf<Field>(node).getValue());
}
template <auto Field>
void writeUShort(SoNode* node, PoXtElementData* element) {
  if (auto* slider = dynamic_cast<PoXtIntSliderData*>(element))
    fieldOf<Field>(node).setValue(static_cast<uint16_t>(slider->getValue()));
}

// Text and SoSFString: the text unchanged.
template <auto Field>
void showString(SoNode* node, PoXtElementData* element) {
  if (auto* text = dynamic_cast<PoXtEditTextData*>(element))
    text->setString(fieldOf<Field>(node).getValue());
}
template <auto Field>
void writeString(SoNode* node, PoXtElementData* element) {
  if (auto* text = dynamic_cast<PoXtEditTextData*>(element))
    fieldOf<Field>(node).setValue(text->getString());
}

// Toggle and SoSFBool: state 0 stands for TRUE.
template <auto Field>
void showBool(SoNode* node, PoXtElementData* element) {
  if (auto* toggle = dynamic_cast<PoXtToggleButtonData*>(element))
    toggle->setState(fieldOf<Field>(node).getValue() ? 0 : 1);
}
template <auto Field>
void writeBool(SoNode* node, PoXtElementData* element) {
  if (auto* toggle = dynamic_cast<PoXtToggleButtonData*>(element))
    fieldOf<Field>(node).setValue(toggle->getState() == 0 ? TRUE : FALSE);
}

// Vector text and SoSFVec3f or SoSFVec2f: the components separated by one blank.
template <auto Field>
void showVector(SoNode* node, PoXtElementData* element) {
  if (auto* text = dynamic_cast<PoXtEditTextData*>(element)) {
    const auto& value = fieldOf<Field>(node).getValue();
    text->setString(formatVector(value.getValue(), value.dimension));
  }
}
template <auto Field>
void writeVector(SoNode* node, PoXtElementData* element) {
  if (auto* text = dynamic_cast<PoXtEditTextData*>(element)) {
    using Vec = typename std::remove_cvref_t<decltype(fieldOf<Field>(node))>::ValueType;
    Vec value;
    parseVector(text->getString(), &value[0], Vec::dimension);
    fieldOf<Field>(node).setValue(value);
  }
}

// Number text and SoSFFloat: "%g"; an empty text leaves the field alone.
template <auto Field>
void showNumber(SoNode* node, PoXtElementData* element) {
  if (auto* text = dynamic_cast<PoXtEditTextData*>(element))
    text->setString(formatNumber(fieldOf<Field>(node).getValue()));
}
template <auto Field>
void writeNumber(SoNode* node, PoXtElementData* element) {
  if (auto* text = dynamic_cast<PoXtEditTextData*>(element))
    if (!text->getString().isEmpty()) fieldOf<Field>(node).setValue(text->getString().toFloat());
}

// Copies one field of from into to. A list is copied whole: the target ends
// with exactly the source's values.
template <auto Field>
void copyField(SoNode* to, SoNode* from) {
  auto& target = fieldOf<Field>(to);
  const auto& source = fieldOf<Field>(from);
  if constexpr (requires { source.getNum(); }) {
    const int count = source.getNum();
    target.setValues(0, count, source.getValues(0));
    if (target.getNum() > count) target.deleteValues(count);
  } else {
    target.setValue(source.getValue());
  }
}
using CopyFieldFn = void (*)(SoNode* to, SoNode* from);

// Copies an attribute object by handing the pointer read from one node to the other's setter.
template <auto Getter, auto Setter>
void copyAttribute(SoNode* to, SoNode* from) {
  using Class = typename MemberOf<decltype(Setter)>::Class;
  (static_cast<Class*>(to)->*Setter)((static_cast<Class*>(from)->*Getter)());
}

}  // namespace plivexwin
