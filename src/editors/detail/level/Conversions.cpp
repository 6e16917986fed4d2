// SPDX-License-Identifier: Apache-2.0
#include "editors/detail/level/Conversions.h"

#include <algorithm>
#include <iostream>
#include <memory>
#include <string>

#include "platform/scenar/basic/SbStringList.h"

namespace plivexwin {

namespace {

// The words of a text, as the toolkit's split gives them; entry 0 is not a word.
// Deletes every entry and the list when it goes.
class Words {
 public:
  explicit Words(const SbString& text) : list_(SbStringList::split(text, " ")) {}
  ~Words() {
    for (int i = 0; i < list_->getLength(); ++i) delete (*list_)[i];
    delete list_;
  }
  Words(const Words&) = delete;
  Words& operator=(const Words&) = delete;

  int count() const { return list_->getLength() - 1; }
  const SbString& word(int k) const { return *(*list_)[k + 1]; }

 private:
  SbStringList* list_;
};

}  // namespace

namespace {

// Shows value, widening the slider's range to take it in; the range never narrows.
template <typename Slider, typename Value>
void showWidened(Slider& slider, Value value) {
  Value min, max;
  slider.getLimit(min, max);
  if (value < min) slider.setLimit(value, max);
  if (value > max) slider.setLimit(min, value);
  slider.setValue(value);
}

}  // namespace

void showRealValue(PoXtRealSliderData& slider, float value) { showWidened(slider, value); }

void showIntValue(PoXtIntSliderData& slider, int value) { showWidened(slider, value); }

SbString formatNumber(double value) { return SbString::fromDouble(value); }

SbString formatVector(const float* values, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    if (i) text += ' ';
    text += SbString::fromDouble(values[i]).str();
  }
  return SbString(std::move(text));
}

void parseVector(const SbString& text, float* values, int count) {
  Words words(text);
  for (int i = 0; i < count; ++i) values[i] = i < words.count() ? words.word(i).toFloat() : 0.0f;
}

SbString formatDecadeList(const uint16_t* values, int count) {
  // Each value is followed by one blank, the last one included.
  std::string text;
  for (int i = 0; i < count; ++i) text += std::to_string(values[i]) + ' ';
  return SbString(std::move(text));
}

std::vector<uint16_t> parseDecadeList(const SbString& text) {
  Words words(text);
  std::vector<uint16_t> values;
  for (int k = 0; k < words.count(); ++k) {
    // Truncated toward zero, then kept to its low 16 bits; numbers beyond the
    // 64-bit range are clamped first so that the conversion stays defined.
    double number = std::clamp(static_cast<double>(words.word(k).toFloat()), -9.2e18, 9.2e18);
    long long whole = static_cast<long long>(number);
    values.push_back(static_cast<uint16_t>(static_cast<unsigned long long>(whole) & 0xffffu));
  }
  return values;
}

void printNumberLine(double value) {
  // Through std::cout, so that the line keeps its place among what a program
  // writes there; synchronised with stdio, as by default, among what it prints too.
  std::cout << formatNumber(value).str() << '\n';
}

}  // namespace plivexwin
