// SPDX-License-Identifier: Apache-2.0
#pragma once

// Element tables as data. A group's rows, indexed by element position p, give
// each element's label, kind and creation values, and the two functions that
// show a node field in the element (update) and write the element's value into
// the field (handler). The creation, update and handler tables the dialog
// sections and the editors use are made from the rows at compile time.
//
//   constexpr ElementRow kRows[] = {
//       choice<&PoAxis::gradVisibility, plivex::kVisibility>("Visibility :", kOffOnDepend),
//       realSlider<&PoAxis::gradFontSize>("Font Size :", 0, 1, 0),
//       button("Misc. Text Attr. :", "Edit"),
//   };
//   constexpr ElementGroup kGroup = makeGroup<kRows>(1);

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "editors/detail/level/Conversions.h"
#include "platform/scenar/fields/SoSFields.h"
#include "platform/scenarwin/menuColumn.h"

namespace plivexwin {

enum class ElementKind { Choice, RealSlider, IntSlider, Text, Toggle, Button };

struct ElementRow {
  const char* label;
  ElementKind kind;
  const char* const* items = nullptr;  // choice items
  int itemCount = 0;
  float min = 0, max = 0, value = 0;  // slider limits and value
  const char* text = "";              // initial text, or a button's text
  PoXtUpdateElementFn update = nullptr;
  ElementHandlerFn handler = nullptr;
};

// Makes the element a row describes, with identifier id.
PoXtElementData* makeElement(const ElementRow& row, int32_t id);

// Identifier layout: bits 27 to 30 hold the group code, bits 0 to 26 one element bit.
constexpr int32_t kGroupShift = 27;
constexpr int32_t kGroupCodeMask = 0xf;
constexpr uint32_t kElementBitsMask = 0x87ffffffu;

constexpr int32_t groupBitsOf(int code) { return code << kGroupShift; }
constexpr int groupCodeOf(int32_t id) { return (id >> kGroupShift) & kGroupCodeMask; }
// The element's position: the highest set bit once the group bits are cleared; -1 if none.
constexpr int elementPositionOf(int32_t id) {
  return std::bit_width(static_cast<uint32_t>(id) & kElementBitsMask) - 1;
}

// One element group: its code and its three tables.
struct ElementGroup {
  int code;
  const PoXtCreateElementFn* create;
  const PoXtUpdateElementFn* update;
  const ElementHandlerFn* handler;
  int count;

  constexpr int32_t bits() const { return groupBitsOf(code); }
};

template <const auto& Rows>
struct GroupTables {
  static constexpr std::size_t N = std::size(Rows);

  template <std::size_t... I>
  static constexpr std::array<PoXtCreateElementFn, N> creators(std::index_sequence<I...>) {
    return {
        [](int32_t bit, int32_t groupBits) { return makeElement(Rows[I], bit | groupBits); }...};
  }
  static constexpr std::array<PoXtUpdateElementFn, N> updaters() {
    std::array<PoXtUpdateElementFn, N> table{};
    for (std::size_t i = 0; i < N; ++i) table[i] = Rows[i].update;
    return table;
  }
  static constexpr std::array<ElementHandlerFn, N> handlers() {
    std::array<ElementHandlerFn, N> table{};
    for (std::size_t i = 0; i < N; ++i) table[i] = Rows[i].handler;
    return table;
  }

  static constexpr auto create = creators(std::make_index_sequence<N>{});
  static constexpr auto update = updaters();
  static constexpr auto handler = handlers();
  static_assert(N <= 27, "a group holds at most 27 elements");
};

template <const auto& Rows>
constexpr ElementGroup makeGroup(int code) {
  using T = GroupTables<Rows>;
  return {code, T::create.data(), T::update.data(), T::handler.data(), static_cast<int>(T::N)};
}

// The entries of first, then those of second: a table of rows (or of copied
// fields) made of a part several levels share and a part of the level's own.
template <typename T, std::size_t N, std::size_t M>
constexpr std::array<T, N + M> joined(const std::array<T, N>& first,
                                      const std::array<T, M>& second) {
  std::array<T, N + M> table{};
  for (std::size_t i = 0; i < N; ++i) table[i] = first[i];
  for (std::size_t i = 0; i < M; ++i) table[N + i] = second[i];
  return table;
}

// Row builders, one per element kind; the field is a pointer to a member field.

// A row whose element of Kind shows and writes Field.
template <typename Kind, auto Field>
constexpr ElementRow fieldRow(const char* label, ElementKind kind) {
  return {.label = label,
          .kind = kind,
          .update = &showField<Kind, Field>,
          .handler = &writeField<Kind, Field>};
}

// The values of an enum table are its indexes: 0, 1, ... in order.
template <std::size_t N>
constexpr bool valuesAreIndexes(const SoEnumEntry (&values)[N]) {
  for (std::size_t i = 0; i < N; ++i)
    if (values[i].value != static_cast<int>(i)) return false;
  return true;
}

// A choice of the enumerated field Field, whose values Values names (the
// table its node hands to SoSFEnum::setEnums): item i shows value i, so the
// items and the table have the same size.
template <auto Field, const auto& Values, std::size_t N>
constexpr ElementRow choice(const char* label, const char* const (&items)[N]) {
  static_assert(std::size(Values) == N, "one choice item per value of the field's enum table");
  static_assert(valuesAreIndexes(Values), "the choice index is the field value");
  ElementRow row = fieldRow<ChoiceAsEnum, Field>(label, ElementKind::Choice);
  row.items = items, row.itemCount = static_cast<int>(N);
  return row;
}

template <auto Field>
constexpr ElementRow realSlider(const char* label, float min, float max, float value) {
  ElementRow row = fieldRow<SliderAsFloat, Field>(label, ElementKind::RealSlider);
  row.min = min, row.max = max, row.value = value;
  return row;
}

template <auto Field>
constexpr ElementRow intSlider(const char* label, int min, int max, int value) {
  ElementRow row = fieldRow<SliderAsUShort, Field>(label, ElementKind::IntSlider);
  row.min = static_cast<float>(min), row.max = static_cast<float>(max);
  row.value = static_cast<float>(value);
  return row;
}

template <auto Field>
constexpr ElementRow text(const char* label, const char* initial) {
  ElementRow row = fieldRow<TextAsString, Field>(label, ElementKind::Text);
  row.text = initial;
  return row;
}

// A text element showing a 16-bit number field.
template <auto Field>
constexpr ElementRow ushortText(const char* label, const char* initial) {
  ElementRow row = fieldRow<TextAsUShort, Field>(label, ElementKind::Text);
  row.text = initial;
  return row;
}

template <auto Field>
constexpr ElementRow toggle(const char* label) {
  return fieldRow<ToggleAsBool, Field>(label, ElementKind::Toggle);
}

// A text element with conversions of its own (vector, number, decade list...).
constexpr ElementRow convertedText(const char* label, const char* initial,
                                   PoXtUpdateElementFn update, ElementHandlerFn handler) {
  return {.label = label,
          .kind = ElementKind::Text,
          .text = initial,
          .update = update,
          .handler = handler};
}

// A push button: it shows and writes nothing; pressing it is still a change.
constexpr ElementRow button(const char* label, const char* buttonText) {
  return {.label = label, .kind = ElementKind::Button, .text = buttonText};
}

}  // namespace plivexwin
