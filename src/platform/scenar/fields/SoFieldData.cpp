// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/fields/SoFieldData.h"

#include <cassert>

#include "platform/scenar/fields/SoFieldContainer.h"

namespace {

const char* base(const SoFieldContainer* object) { return reinterpret_cast<const char*>(object); }

}  // namespace

void SoFieldData::addField(const SoFieldContainer* object, const char* name, const SoField* field) {
  assert(getIndex(SbName(name)) < 0 && "SoFieldData::addField(): field name used twice");
  entries_.push_back({SbName(name), reinterpret_cast<const char*>(field) - base(object)});
}

SoField* SoFieldData::getField(const SoFieldContainer* object, int index) const {
  if (index < 0 || index >= getNumFields()) return nullptr;
  const char* place = base(object) + entries_[static_cast<std::size_t>(index)].offset;
  return reinterpret_cast<SoField*>(const_cast<char*>(place));
}

int SoFieldData::getIndex(const SoFieldContainer* object, const SoField* field) const {
  std::ptrdiff_t offset = reinterpret_cast<const char*>(field) - base(object);
  for (std::size_t i = 0; i < entries_.size(); ++i)
    if (entries_[i].offset == offset) return static_cast<int>(i);
  return -1;
}

int SoFieldData::getIndex(const SbName& name) const {
  for (std::size_t i = 0; i < entries_.size(); ++i)
    if (entries_[i].name == name) return static_cast<int>(i);
  return -1;
}
