// SPDX-License-Identifier: Apache-2.0
#include "plivexwin/serve/PanelHtml.h"

#include "platform/scenarwin/PoXtDialog.h"
#include "plivexwin/TextParsing.h"

namespace plivexwin::serve {

namespace {

using cli::formatNumber;

std::string attribute(std::string_view name, std::string_view value) {
  return " " + std::string(name) + "=\"" + htmlText(value) + "\"";
}

std::string indexAttribute(int index) { return attribute("data-index", std::to_string(index)); }

// A range control and a number box over the same limits.
std::string sliderHtml(int index, const std::string& min, const std::string& max,
                       const std::string& value, std::string_view step) {
  const std::string limits = attribute("min", min) + attribute("max", max) +
                             attribute("step", step) + attribute("value", value) +
                             indexAttribute(index);
  return "<input type=\"range\"" + limits + "><input type=\"number\" class=\"number\"" + limits +
         ">";
}

std::string choiceHtml(int index, const PoXtChoiceButtonData& choice) {
  std::string html = "<select" + indexAttribute(index) + ">";
  for (int i = 0; i < choice.getNumItems(); ++i)
    html += "<option" + attribute("value", std::to_string(i)) +
            (i == choice.getSelectedItem() ? " selected" : "") + ">" +
            htmlText(choice.getItem(i).str()) + "</option>";
  return html + "</select>";
}

// A toggle's state 0 is its set state, "On" for the editors' toggles (the
// field TRUE): the box is ticked then, and its label is the state's text.
std::string toggleHtml(int index, const PoXtToggleButtonData& toggle) {
  const int state = toggle.getState();
  return "<label class=\"toggle\"><input type=\"checkbox\"" + indexAttribute(index) +
         attribute("data-on", toggle.getStateText(0).str()) +
         attribute("data-off", toggle.getStateText(1).str()) + (state == 0 ? " checked" : "") +
         "><span>" + htmlText(toggle.getStateText(state).str()) + "</span></label>";
}

// The control of one element; empty for a kind the page does not know.
std::string controlHtml(int index, const PoXtElementData& element) {
  if (auto* choice = dynamic_cast<const PoXtChoiceButtonData*>(&element))
    return choiceHtml(index, *choice);
  if (auto* real = dynamic_cast<const PoXtRealSliderData*>(&element)) {
    float min, max;
    real->getLimit(min, max);
    return sliderHtml(index, formatNumber(min), formatNumber(max), formatNumber(real->getValue()),
                      "any");
  }
  if (auto* integer = dynamic_cast<const PoXtIntSliderData*>(&element)) {
    int min, max;
    integer->getLimit(min, max);
    return sliderHtml(index, std::to_string(min), std::to_string(max),
                      std::to_string(integer->getValue()), "1");
  }
  if (auto* text = dynamic_cast<const PoXtEditTextData*>(&element))
    return "<input type=\"text\"" + indexAttribute(index) +
           attribute("maxlength", std::to_string(text->getNumCharToRead())) +
           attribute("value", text->getString().str()) + ">";
  if (auto* toggle = dynamic_cast<const PoXtToggleButtonData*>(&element))
    return toggleHtml(index, *toggle);
  if (auto* button = dynamic_cast<const PoXtTriggerButtonData*>(&element))
    return "<button type=\"button\"" + indexAttribute(index) + ">" +
           htmlText(button->getButtonText().str()) + "</button>";
  return {};
}

std::string elementHtml(int index, const PoXtElementData& element) {
  const std::string hidden = element.isFolded() ? " hidden" : "";
  if (auto* section = dynamic_cast<const PoXtSectionToggleData*>(&element))
    return "<button type=\"button\" class=\"section\"" + indexAttribute(index) +
           attribute("aria-expanded", section->isSectionFolded() ? "false" : "true") + hidden +
           ">" + (section->isSectionFolded() ? "\u25B8 " : "\u25BE ") +
           htmlText(section->getLabel().str()) + "</button>\n";
  return "<div class=\"row\"" + attribute("data-kind", element.getKindName()) + hidden +
         "><span class=\"label\">" + htmlText(element.getLabel().str()) + "</span>" +
         controlHtml(index, element) + "</div>\n";
}

// A select of the words given, the one at selected chosen.
template <std::size_t N>
std::string switchHtml(std::string_view name, const char* const (&words)[N], int selected) {
  std::string html = "<select" + attribute("name", name) + ">";
  for (int i = 0; i < int(N); ++i)
    html += "<option" + attribute("value", words[i]) + (i == selected ? " selected" : "") + ">" +
            words[i] + "</option>";
  return html + "</select>";
}

}  // namespace

std::string htmlText(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string panelHtml(const PanelHeading& heading, const PoXtDialog& dialog) {
  static const char* const kFrequencies[] = {"continuous", "after-accept"};
  static const char* const kPresentations[] = {"folded", "unfolded", "without-toggles"};
  std::string html = "<section class=\"panel\"" +
                     attribute("data-panel", std::to_string(heading.id)) + "><h2>" +
                     htmlText(heading.editorClass) + " \u2014 " + htmlText(heading.nodeName) +
                     "</h2>\n<div class=\"switches\"><label>Update " +
                     switchHtml("frequency", kFrequencies, heading.afterAccept ? 1 : 0) +
                     "</label> <label>Sections " +
                     switchHtml("presentation", kPresentations, heading.presentation) +
                     "</label> <button type=\"button\" class=\"close\">Close</button></div>\n";
  for (int i = 0; i < dialog.getNum(); ++i) html += elementHtml(i, *dialog.get1Value(i));
  return html + "</section>\n";
}

}  // namespace plivexwin::serve
