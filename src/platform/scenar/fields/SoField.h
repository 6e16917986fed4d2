// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <vector>

#include "platform/scenar/basic/SbBasic.h"
#include "platform/scenar/basic/SbString.h"

class SoFieldContainer;
class SoWriteContext;
namespace scenar {
class TextReader;
}

// One value, or one list of values, of a node. A change of value tells the
// field's container, which tells whoever audits it (sensors, parents).
// Values read and write as text in the scene-file syntax.
//
// A field can be connected from another field of the same type, or from an
// output of a node (see SoFieldContainer::getOutputData): it then takes the
// source's value every time the source changes, before the source's container
// hears of the change. Connecting takes no value at once. A source may feed
// many fields; a field has at most one source. Connections hold no references:
// a field that is deleted leaves its connections, both ways. A change that
// comes back to a field whose change is being passed on (a ring of
// connections) stops there.
class SoField {
 public:
  virtual ~SoField();
  SoField(const SoField&) = delete;
  SoField& operator=(const SoField&) = delete;

  SoFieldContainer* getContainer() const { return container_; }
  void setContainer(SoFieldContainer* container) { container_ = container; }

  // A field holds its default until a value is set; default fields are not written.
  SbBool isDefault() const { return isDefault_; }
  void setDefault(SbBool isDefault) { isDefault_ = isDefault; }

  SbBool enableNotify(SbBool on) {
    SbBool was = notifyEnabled_;
    notifyEnabled_ = on;
    return was;
  }
  SbBool isNotifyEnabled() const { return notifyEnabled_; }
  // Tells the container the field changed without changing the value.
  void touch() { valueChanged(); }

  // Makes the field take source's value whenever source changes, leaving any
  // source it had. FALSE, and no change, when source is nullptr, this field,
  // of another type, or when this field is an output, which only its node sets.
  SbBool connectFrom(SoField* source);
  // Leaves the source; nothing when not connected.
  void disconnect();
  SbBool isConnected() const { return source_ != nullptr; }
  // The source, nullptr when not connected.
  SoField* getConnectedField() const { return source_; }
  // Appends the fields connected from this one, in the order they were
  // connected, and returns how many there are.
  int getForwardConnections(std::vector<SoField*>& fields) const;

  // Sets the value from its scene-file text ("1.5", "1 2 3", "[1, 3]", "\"text\"").
  // On a malformed text the value stays unchanged and the result is FALSE; the
  // reason then is in errorText when given.
  SbBool set(const char* text, SbString* errorText = nullptr);
  void get(SbString& text) const;

  virtual const char* getTypeName() const = 0;
  virtual SbBool isSame(const SoField& other) const = 0;
  // Takes the value of a field of the same type; other types are ignored.
  virtual void copyFrom(const SoField& other) = 0;

  // Reads the value as it stands in a scene file; on failure the reader holds
  // the reason and the value is unchanged. With wholeText the value must be
  // all that is left in the reader.
  virtual bool read(scenar::TextReader& in, bool wholeText = false) = 0;
  // Appends the value as it stands in a scene file. A field holding nodes
  // writes them through context, the write the text is part of; alone, it
  // writes them as a write of their own would, without header.
  void write(std::string& out) const { writeValue(out, nullptr); }
  void write(std::string& out, SoWriteContext& context) const { writeValue(out, &context); }

 protected:
  SoField() = default;
  // Marks the field as set, passes the value on to the fields connected from
  // this one and notifies the container. A field whose notification is off
  // changes silently: neither its container nor its connected fields hear of it.
  void valueChanged();
  // What write does; context is nullptr for a field written alone.
  virtual void writeValue(std::string& out, SoWriteContext* context) const = 0;

 private:
  void passOn();

  SoFieldContainer* container_ = nullptr;
  SbBool isDefault_ = TRUE;
  SbBool notifyEnabled_ = TRUE;
  bool passingOn_ = false;
  SoField* source_ = nullptr;
  std::vector<SoField*> connected_;  // fields connected from this one
};
