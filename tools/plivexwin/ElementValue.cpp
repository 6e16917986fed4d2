// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/ElementValue.h"

#include <optional>
#include <utility>

#include "platform/scenarwin/PoXtElementData.h"
#include "plivexwin/TextParsing.h"

namespace plivexwin::cli {

namespace {

bool fail(std::string& error, std::string message) {
  error = std::move(message);
  return false;
}

std::string quote(std::string_view text) { return "'" + std::string(text) + "'"; }

bool setChoice(PoXtChoiceButtonData& choice, std::string_view word, std::string& error) {
  const std::optional<int> item = parseInt(word);
  if (!item) return fail(error, quote(word) + " is not an item index");
  if (*item < 0 || *item >= choice.getNumItems())
    return fail(error, "no item " + std::string(word) + " (items 0 to " +
                           std::to_string(choice.getNumItems() - 1) + ")");
  choice.setSelectedItem(*item);
  return true;
}

std::string limitText(float limit) { return formatNumber(limit); }
std::string limitText(int limit) { return std::to_string(limit); }

// Sets slider to value, the number word reads as (what, "a number" or "an
// integer"), when it is one within the slider's limits.
template <typename Slider, typename Number>
bool setSlider(Slider& slider, std::string_view word, std::optional<Number> value, const char* what,
               std::string& error) {
  if (!value) return fail(error, quote(word) + " is not " + what);
  Number min, max;
  slider.getLimit(min, max);
  if (*value < min || *value > max)
    return fail(error, std::string(word) + " is outside the slider's limits [" + limitText(min) +
                           ", " + limitText(max) + "]");
  slider.setValue(*value);
  return true;
}

bool setReal(PoXtRealSliderData& real, std::string_view word, std::string& error) {
  return setSlider(real, word, parseReal(word), "a number", error);
}

bool setInteger(PoXtIntSliderData& integer, std::string_view word, std::string& error) {
  return setSlider(integer, word, parseInt(word), "an integer", error);
}

bool setToggle(PoXtToggleButtonData& toggle, std::string_view word, std::string& error) {
  if (word != "0" && word != "1") return fail(error, quote(word) + " is not 0 or 1");
  toggle.setState(word == "1");
  return true;
}

void setText(PoXtEditTextData& text, std::string_view value) {
  std::string cut(value);
  if (int limit = text.getNumCharToRead(); limit >= 0 && cut.size() > std::size_t(limit))
    cut.resize(std::size_t(limit));
  text.setString(SbString(std::move(cut)));
}

}  // namespace

bool holdsPickedValue(const PoXtElementData& element) {
  return dynamic_cast<const PoXtChoiceButtonData*>(&element) ||
         dynamic_cast<const PoXtRealSliderData*>(&element) ||
         dynamic_cast<const PoXtIntSliderData*>(&element) ||
         dynamic_cast<const PoXtToggleButtonData*>(&element);
}

bool isPressable(const PoXtElementData& element) {
  return dynamic_cast<const PoXtTriggerButtonData*>(&element) ||
         dynamic_cast<const PoXtSectionToggleData*>(&element);
}

bool setElementValue(PoXtElementData& element, std::string_view value, std::string& error) {
  if (auto* text = dynamic_cast<PoXtEditTextData*>(&element)) {
    setText(*text, value);
    return true;
  }
  if (auto* choice = dynamic_cast<PoXtChoiceButtonData*>(&element))
    return setChoice(*choice, value, error);
  if (auto* real = dynamic_cast<PoXtRealSliderData*>(&element)) return setReal(*real, value, error);
  if (auto* integer = dynamic_cast<PoXtIntSliderData*>(&element))
    return setInteger(*integer, value, error);
  if (auto* toggle = dynamic_cast<PoXtToggleButtonData*>(&element))
    return setToggle(*toggle, value, error);
  return fail(error, std::string("a ") + element.getKindName() + ", which cannot be set");
}

}  // namespace plivexwin::cli
