// SPDX-License-Identifier: Apache-2.0
#include "platform/scenarwin/PoXtElementData.h"

#include "platform/scenar/basic/TextReader.h"

namespace {

void appendNumber(std::string& out, double value) { out += SbString::fromDouble(value).str(); }

}  // namespace

PoXtChoiceButtonData::PoXtChoiceButtonData(const char* label, int numItems,
                                           const char* const* items, int selected)
    : PoXtElementData(label) {
  for (int i = 0; items && i < numItems; ++i) items_.emplace_back(items[i]);
  setSelectedItem(selected);
}

void PoXtChoiceButtonData::setSelectedItem(int index) {
  if (index >= 0 && index < getNumItems()) selected_ = index;
}

void PoXtChoiceButtonData::printValue(std::string& out) const {
  out += std::to_string(selected_);
  if (selected_ < getNumItems()) {
    out += ' ';
    scenar::appendQuoted(out, getItem(selected_).str());
  }
  out += " [";
  for (int i = 0; i < getNumItems(); ++i) {
    if (i) out += '|';
    out += getItem(i).str();
  }
  out += ']';
}

void PoXtRealSliderData::printValue(std::string& out) const {
  appendNumber(out, value_);
  out += " [";
  appendNumber(out, min_);
  out += ", ";
  appendNumber(out, max_);
  out += ']';
}

void PoXtIntSliderData::printValue(std::string& out) const {
  out += std::to_string(value_) + " [" + std::to_string(min_) + ", " + std::to_string(max_) + "]";
}

void PoXtEditTextData::printValue(std::string& out) const {
  scenar::appendQuoted(out, text_.str());
}

void PoXtToggleButtonData::printValue(std::string& out) const {
  out += std::to_string(state_) + ' ';
  scenar::appendQuoted(out, (state_ == 0 ? text0_ : text1_).str());
}

void PoXtTriggerButtonData::printValue(std::string& out) const {
  scenar::appendQuoted(out, buttonText_.str());
}

void PoXtSectionToggleData::printValue(std::string& out) const {
  out += sectionFolded_ ? "folded" : "unfolded";
}
