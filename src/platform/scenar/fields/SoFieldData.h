// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstddef>
#include <vector>

#include "platform/scenar/basic/SbName.h"

class SoField;
class SoFieldContainer;

// The names and places of the fields of one container class, shared by all its
// instances. A class's field data starts as a copy of its parent class's and
// adds the class's own fields, found by their offset inside the object.
class SoFieldData {
 public:
  SoFieldData() = default;
  explicit SoFieldData(const SoFieldData* parent) {
    if (parent) entries_ = parent->entries_;
  }

  // Records field, a member of object, under name.
  void addField(const SoFieldContainer* object, const char* name, const SoField* field);
  int getNumFields() const { return static_cast<int>(entries_.size()); }
  const SbName& getFieldName(int index) const {
    return entries_[static_cast<std::size_t>(index)].name;
  }
  SoField* getField(const SoFieldContainer* object, int index) const;
  // The index of field in object, -1 if it is not one of the class's fields.
  int getIndex(const SoFieldContainer* object, const SoField* field) const;
  int getIndex(const SbName& name) const;

 private:
  struct Entry {
    SbName name;
    std::ptrdiff_t offset;
  };
  std::vector<Entry> entries_;
};
