// SPDX-License-Identifier: Apache-2.0
#pragma once

// The element descriptions a dialog shows: choices, sliders, texts, toggles and
// buttons. Each keeps its state; a user's change sets that state and the dialog
// then runs its value-changed callbacks.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/scenar/basic/SbBasic.h"
#include "platform/scenar/basic/SbString.h"

class PoXtElementData {
 public:
  virtual ~PoXtElementData() = default;
  PoXtElementData(const PoXtElementData&) = delete;
  PoXtElementData& operator=(const PoXtElementData&) = delete;

  void setID(int32_t id) { id_ = id; }
  int32_t getID() const { return id_; }
  const SbString& getLabel() const { return label_; }

  // A short name of the element's kind ("choice", "real-slider", ...).
  virtual const char* getKindName() const = 0;
  // The element's state as one line of text.
  virtual void printValue(std::string& out) const = 0;

  // Whether the element sits closed in a folded section.
  bool isFolded() const { return folded_; }
  void setFolded(bool folded) { folded_ = folded; }

 protected:
  explicit PoXtElementData(const char* label) : label_(label) {}

 private:
  int32_t id_ = 0;
  SbString label_;
  bool folded_ = false;
};

// Picks one of a list of items, numbered from 0.
class PoXtChoiceButtonData : public PoXtElementData {
 public:
  PoXtChoiceButtonData(const char* label, int numItems, const char* const* items, int selected = 0);
  int getNumItems() const { return static_cast<int>(items_.size()); }
  const SbString& getItem(int index) const { return items_[static_cast<std::size_t>(index)]; }
  int getSelectedItem() const { return selected_; }
  // An index outside the items is ignored.
  void setSelectedItem(int index);
  const char* getKindName() const override { return "choice"; }
  void printValue(std::string& out) const override;

 private:
  std::vector<SbString> items_;
  int selected_ = 0;
};

// A value between limits; the value may lie outside them only if set so.
class PoXtRealSliderData : public PoXtElementData {
 public:
  PoXtRealSliderData(const char* label, float min, float max, float value, int triggerMode = 1)
      : PoXtElementData(label), min_(min), max_(max), value_(value), triggerMode_(triggerMode) {}
  float getValue() const { return value_; }
  void setValue(float value) { value_ = value; }
  void getLimit(float& min, float& max) const { min = min_, max = max_; }
  void setLimit(float min, float max) { min_ = min, max_ = max; }
  int getTriggerMode() const { return triggerMode_; }
  const char* getKindName() const override { return "real-slider"; }
  void printValue(std::string& out) const override;

 private:
  float min_, max_, value_;
  int triggerMode_;
};

class PoXtIntSliderData : public PoXtElementData {
 public:
  PoXtIntSliderData(const char* label, int min, int max, int value, int triggerMode = 1)
      : PoXtElementData(label), min_(min), max_(max), value_(value), triggerMode_(triggerMode) {}
  int getValue() const { return value_; }
  void setValue(int value) { value_ = value; }
  void getLimit(int& min, int& max) const { min = min_, max = max_; }
  void setLimit(int min, int max) { min_ = min, max_ = max; }
  int getTriggerMode() const { return triggerMode_; }
  const char* getKindName() const override { return "int-slider"; }
  void printValue(std::string& out) const override;

 private:
  int min_, max_, value_;
  int triggerMode_;
};

// A line of text; what a user types is cut to the number of characters read.
class PoXtEditTextData : public PoXtElementData {
 public:
  PoXtEditTextData(const char* label, const char* text, int width = 10)
      : PoXtElementData(label), text_(text), width_(width) {}
  const SbString& getString() const { return text_; }
  void setString(const SbString& text) { text_ = text; }
  int getWidth() const { return width_; }
  void setNumCharToRead(int count) { numCharToRead_ = count; }
  int getNumCharToRead() const { return numCharToRead_; }
  const char* getKindName() const override { return "text"; }
  void printValue(std::string& out) const override;

 private:
  SbString text_;
  int width_;
  int numCharToRead_ = 80;
};

// Two states, 0 and 1, each with its text.
class PoXtToggleButtonData : public PoXtElementData {
 public:
  PoXtToggleButtonData(const char* label, int state, const char* text0, const char* text1)
      : PoXtElementData(label), state_(state ? 1 : 0), text0_(text0), text1_(text1) {}
  int getState() const { return state_; }
  void setState(int state) { state_ = state ? 1 : 0; }
  // The text shown for state (0 or 1).
  const SbString& getStateText(int state) const { return state ? text1_ : text0_; }
  const char* getKindName() const override { return "toggle"; }
  void printValue(std::string& out) const override;

 private:
  int state_;
  SbString text0_, text1_;
};

// A push button: pressing it is its change.
class PoXtTriggerButtonData : public PoXtElementData {
 public:
  PoXtTriggerButtonData(const char* label, const char* buttonText)
      : PoXtElementData(label), buttonText_(buttonText) {}
  const SbString& getButtonText() const { return buttonText_; }
  const char* getKindName() const override { return "button"; }
  void printValue(std::string& out) const override;

 private:
  SbString buttonText_;
};

// The head of a foldable section: opens and closes the elements after it.
class PoXtSectionToggleData : public PoXtElementData {
 public:
  // Sections are framework elements: their identifier claims no editor group.
  static constexpr int32_t kId = -1;

  explicit PoXtSectionToggleData(const char* label) : PoXtElementData(label) { setID(kId); }
  // How many entries after this one belong to the section.
  int getMemberCount() const { return memberCount_; }
  void setMemberCount(int count) { memberCount_ = count; }
  bool isSectionFolded() const { return sectionFolded_; }
  void setSectionFolded(bool folded) { sectionFolded_ = folded; }
  const char* getKindName() const override { return "section"; }
  void printValue(std::string& out) const override;

 private:
  int memberCount_ = 0;
  bool sectionFolded_ = false;
};
