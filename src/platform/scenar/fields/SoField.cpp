#include "platform/scenar/fields/SoField.h"

#include "platform/scenar/basic/TextReader.h"
#include "platform/scenar/fields/SoFieldContainer.h"

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

void SoField::valueChanged() {
  isDefault_ = FALSE;
  if (notifyEnabled_ && container_) container_->notify(this);
}
