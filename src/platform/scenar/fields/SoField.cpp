// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/fields/SoField.h"

#include <algorithm>

#include "platform/scenar/basic/TextReader.h"
#include "platform/scenar/fields/SoFieldContainer.h"
#include "platform/scenar/fields/SoSubField.h"

SoField::~SoField() {
  disconnect();
  for (SoField* field : connected_) field->source_ = nullptr;
}

SbBool SoField::set(const char* text, SbString* errorText) {
  scenar::TextReader in(text ? text : "");
  if (read(in, true)) return TRUE;
  if (errorText) *errorText = in.error();
  return FALSE;
}

void SoField::get(SbString& text) const {
  std::string out;
  write(out);
  text = SbString(std::move(out));
}

SbBool SoField::connectFrom(SoField* source) {
  if (!source || source == this || !scenar::detail::sameFieldType(*this, *source)) return FALSE;
  SbName name;
  if (container_ && container_->getOutputName(this, name)) return FALSE;
  if (source == source_) return TRUE;
  disconnect();
  source_ = source;
  source->connected_.push_back(this);
  return TRUE;
}

void SoField::disconnect() {
  if (!source_) return;
  std::vector<SoField*>& list = source_->connected_;
  list.erase(std::find(list.begin(), list.end(), this));
  source_ = nullptr;
}

int SoField::getForwardConnections(std::vector<SoField*>& fields) const {
  fields.insert(fields.end(), connected_.begin(), connected_.end());
  return static_cast<int>(connected_.size());
}

void SoField::valueChanged() {
  isDefault_ = FALSE;
  if (!notifyEnabled_) return;
  if (connected_.empty()) {
    if (container_) container_->notify(this);
    return;
  }
  // A connected field's change may reach anything, this field's container
  // included: keep the container alive until it has heard of the change.
  SoFieldContainer* container = container_;
  const bool referenced = container && container->getRefCount() > 0;
  if (container) container->ref();
  passOn();
  if (!container) return;
  container->notify(this);
  if (referenced)
    container->unref();
  else
    container->unrefNoDelete();
}

void SoField::passOn() {
  // Serve the connections of the moment that are still there when their turn
  // comes; a field passing on a change of its own is not fed again.
  passingOn_ = true;
  const std::vector<SoField*> current = connected_;
  for (SoField* field : current)
    if (std::find(connected_.begin(), connected_.end(), field) != connected_.end() &&
        !field->passingOn_)
      field->copyFrom(*this);
  passingOn_ = false;
}
