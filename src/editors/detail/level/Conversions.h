// SPDX-License-Identifier: Apache-2.0
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
void printNumberLine(double value);  // "%g" and a line break on standard output

// How an element kind shows a field's value and gives a value back: the
// element class, show(element, value) and read(element).
struct ChoiceAsEnum {  // the selected item's index is the field value
  using Element = PoXtChoiceButtonData;
  static void show(Element& choice, int value) { choice.setSelectedItem(value); }
  static int read(const Element& choice) { return choice.getSelectedItem(); }
};
struct SliderAsFloat {
  using Element = PoXtRealSliderData;
  static void show(Element& slider, float value) { showRealValue(slider, value); }
  static float read(const Element& slider) { return slider.getValue(); }
};
struct SliderAsUShort {  // the slider value is truncated to 16 bits
  using Element = PoXtIntSliderData;
  static void show(Element& slider, uint16_t value) { showIntValue(slider, value); }
  static uint16_t read(const Element& slider) { return static_cast<uint16_t>(slider.getValue()); }
};
struct TextAsString {  // the text unchanged
  using Element = PoXtEditTextData;
  static void show(Element& text, const SbString& value) { text.setString(value); }
  static SbString read(const Element& text) { return text.getString(); }
};
struct TextAsUShort {  // "%d"; typed text read as an int and kept to its low 16 bits
  using Element = PoXtEditTextData;
  static void show(Element& text, uint16_t value) { text.setString(formatNumber(value)); }
  static uint16_t read(const Element& text) {
    return static_cast<uint16_t>(static_cast<uint32_t>(text.getString().toInt()));
  }
};
struct ToggleAsBool {  // state 0 stands for TRUE
  using Element = PoXtToggleButtonData;
  static void show(Element& toggle, SbBool value) { toggle.setState(value ? 0 : 1); }
  static SbBool read(const Element& toggle) { return toggle.getState() == 0 ? TRUE : FALSE; }
};

// The update and the handler of a field shown in an element of Kind.
template <typename Kind, auto Field>
void showField(SoNode* node, PoXtElementData* element) {
  if (auto* shown = dynamic_cast<typename Kind::Element*>(element))
    Kind::show(*shown, fieldOf<Field>(node).getValue());
}
template <typename Kind, auto Field>
void writeField(SoNode* node, PoXtElementData* element) {
  if (auto* shown = dynamic_cast<typename Kind::Element*>(element))
    fieldOf<Field>(node).setValue(Kind::read(*shown));
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

// Number text whose value is also printed on standard output, as "%g" and a
// line break, each time it is written into a node; an empty text reads as 0.
template <auto Field>
void writePrintedNumber(SoNode* node, PoXtElementData* element) {
  if (auto* text = dynamic_cast<PoXtEditTextData*>(element)) {
    const float value = text->getString().toFloat();
    printNumberLine(value);
    fieldOf<Field>(node).setValue(value);
  }
}

// Makes a list field hold exactly the count values: none of its old values stays behind.
template <typename List, typename Value>
void setList(List& field, const Value* values, int count) {
  field.setValues(0, count, values);
  if (field.getNum() > count) field.deleteValues(count);
}

// Decade list text and SoMFUShort: "%d " per value, so that every value, the
// last one included, is followed by one blank. Written back word by word, each
// word's number truncated toward zero and kept to its low 16 bits; the field
// then holds one value per word, none when the text has no word.
template <auto Field>
void showDecadeList(SoNode* node, PoXtElementData* element) {
  if (auto* text = dynamic_cast<PoXtEditTextData*>(element)) {
    const auto& list = fieldOf<Field>(node);
    text->setString(formatDecadeList(list.getValues(0), list.getNum()));
  }
}
template <auto Field>
void writeDecadeList(SoNode* node, PoXtElementData* element) {
  if (auto* text = dynamic_cast<PoXtEditTextData*>(element)) {
    const std::vector<uint16_t> values = parseDecadeList(text->getString());
    setList(fieldOf<Field>(node), values.data(), static_cast<int>(values.size()));
  }
}

// Copies one field of from into to. A list is copied whole: the target ends
// with exactly the source's values.
template <auto Field>
void copyField(SoNode* to, SoNode* from) {
  auto& target = fieldOf<Field>(to);
  const auto& source = fieldOf<Field>(from);
  if constexpr (requires { source.getNum(); })
    setList(target, source.getValues(0), source.getNum());
  else
    target.setValue(source.getValue());
}
using CopyFieldFn = void (*)(SoNode* to, SoNode* from);

// Copies an attribute object by handing the pointer read from one node to the other's setter.
template <auto Getter, auto Setter>
void copyAttribute(SoNode* to, SoNode* from) {
  using Class = typename MemberOf<decltype(Setter)>::Class;
  (static_cast<Class*>(to)->*Setter)((static_cast<Class*>(from)->*Getter)());
}

}  // namespace plivexwin
