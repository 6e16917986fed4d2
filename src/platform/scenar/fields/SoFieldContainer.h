// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "platform/scenar/basic/SoBase.h"
#include "platform/scenar/fields/SoField.h"

class SoFieldData;

// An object with named fields. A change of any field reaches notify().
class SoFieldContainer : public SoBase {
 public:
  static SoType getClassTypeId() { return classTypeId_; }
  static void initClass();

  // The field data of the object's class; nullptr for a class without fields.
  virtual const SoFieldData* getFieldData() const { return nullptr; }
  SoField* getField(const SbName& name) const;
  int getFields(std::vector<SoField*>& fields) const;
  SbBool getFieldName(const SoField* field, SbName& name) const;

  // Outputs: values the object sets itself (a sensor's readings) that fields
  // can be connected from. They are field objects of the object, listed apart
  // from its fields: they are neither read, written nor copied with it, and
  // no field can be connected into them. nullptr for a class without outputs.
  virtual const SoFieldData* getOutputData() const { return nullptr; }
  SoField* getOutput(const SbName& name) const;
  SbBool getOutputName(const SoField* output, SbName& name) const;

  // Sets fields from "name value name value ..." in the scene-file syntax. Stops
  // at the first bad name or value and returns FALSE, the reason in errorText.
  SbBool set(const char* fieldValues, SbString* errorText = nullptr);
  // Writes every field that does not hold its default as "name value" lines.
  void get(SbString& fieldValues) const;

  // Makes every field of this object equal to the like-named field of from.
  void copyFieldValues(const SoFieldContainer* from);

  SbBool enableNotify(SbBool on) {
    SbBool was = notifyEnabled_;
    notifyEnabled_ = on;
    return was;
  }
  SbBool isNotifyEnabled() const { return notifyEnabled_; }

  // Called after field changed; containers pass it on to whoever audits them.
  virtual void notify(SoField* field);

 protected:
  SoFieldContainer() = default;
  SoFieldContainer(const SoFieldContainer& other) : SoBase(other) {}
  ~SoFieldContainer() override = default;

 private:
  SbBool notifyEnabled_ = TRUE;
  static SoType classTypeId_;
};
