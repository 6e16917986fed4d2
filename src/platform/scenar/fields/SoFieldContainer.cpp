// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/fields/SoFieldContainer.h"

#include "platform/scenar/basic/TextReader.h"
#include "platform/scenar/fields/SoFieldData.h"
#include "platform/scenar/fields/SoSubField.h"

SoType SoFieldContainer::classTypeId_;

void SoFieldContainer::initClass() {
  if (classTypeId_.isBad())
    classTypeId_ = SoType::createType(SoBase::getClassTypeId(), "FieldContainer");
}

namespace {

SoField* findIn(const SoFieldData* data, const SoFieldContainer* object, const SbName& name) {
  return data ? data->getField(object, data->getIndex(name)) : nullptr;
}

SbBool nameIn(const SoFieldData* data, const SoFieldContainer* object, const SoField* field,
              SbName& name) {
  const int index = data ? data->getIndex(object, field) : -1;
  if (index < 0) return FALSE;
  name = data->getFieldName(index);
  return TRUE;
}

}  // namespace

SoField* SoFieldContainer::getField(const SbName& name) const {
  return findIn(getFieldData(), this, name);
}

int SoFieldContainer::getFields(std::vector<SoField*>& fields) const {
  const SoFieldData* data = getFieldData();
  int count = data ? data->getNumFields() : 0;
  for (int i = 0; i < count; ++i) fields.push_back(data->getField(this, i));
  return count;
}

SbBool SoFieldContainer::getFieldName(const SoField* field, SbName& name) const {
  return nameIn(getFieldData(), this, field, name);
}

SoField* SoFieldContainer::getOutput(const SbName& name) const {
  return findIn(getOutputData(), this, name);
}

SbBool SoFieldContainer::getOutputName(const SoField* output, SbName& name) const {
  return nameIn(getOutputData(), this, output, name);
}

SbBool SoFieldContainer::set(const char* fieldValues, SbString* errorText) {
  scenar::TextReader in(fieldValues ? fieldValues : "");
  while (!in.atEnd()) {
    std::string name;
    if (!in.readWord(name)) {
      if (errorText) *errorText = "expected a field name at " + scenar::quoteInput(in.rest());
      return FALSE;
    }
    SoField* field = getField(SbName(name.c_str()));
    if (!field) {
      if (errorText) *errorText = "no field named " + scenar::quoteInput(name);
      return FALSE;
    }
    if (!field->read(in)) {
      if (errorText) *errorText = "field '" + name + "': " + in.error();
      return FALSE;
    }
  }
  return TRUE;
}

void SoFieldContainer::get(SbString& fieldValues) const {
  std::string out;
  const SoFieldData* data = getFieldData();
  for (int i = 0; data && i < data->getNumFields(); ++i) {
    const SoField* field = data->getField(this, i);
    if (field->isDefault()) continue;
    out += data->getFieldName(i).getString();
    out += ' ';
    field->write(out);
    out += '\n';
  }
  fieldValues = SbString(std::move(out));
}

void SoFieldContainer::copyFieldValues(const SoFieldContainer* from) {
  if (!from) return;
  const SoFieldData* data = from->getFieldData();
  for (int i = 0; data && i < data->getNumFields(); ++i) {
    SoField* mine = getField(data->getFieldName(i));
    const SoField* theirs = data->getField(from, i);
    if (!mine || !scenar::detail::sameFieldType(*mine, *theirs)) continue;
    mine->copyFrom(*theirs);
    mine->setDefault(theirs->isDefault());  // a default stays a default, unwritten
  }
}

void SoFieldContainer::notify(SoField*) {}
