// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

#include "platform/scenar/basic/SbName.h"

// The run-time type of a toolkit class: a name, a parent type and, for classes
// that can be instantiated, a factory. Types are registered by the classes'
// initClass and may be removed again by their exitClass, in the GUI thread
// only, as they are read: the registry has no lock (README, "Threads").
class SoType {
 public:
  using CreateMethod = void* (*)();

  // Registers a new type. Returns the bad type when a live type has that name
  // already or the parent is bad (except for the root, whose parent is bad).
  static SoType createType(SoType parent, const SbName& name, CreateMethod create = nullptr);
  // Unregisters a type; its name becomes free and fromName no longer finds it.
  static void removeType(SoType type);
  static SoType fromName(const SbName& name);
  static SoType badType() { return SoType(); }

  SoType() = default;  // the bad type
  // Every live type derived from type, itself included, in registration order.
  static std::vector<SoType> getAllDerivedFrom(SoType type);

  bool isBad() const { return key_ < 0; }
  SbName getName() const;
  SoType getParent() const;
  // Cheap enough for every node an action traverses: a type is its own
  // ancestor at once, and the walk up reads the parent keys in place.
  bool isDerivedFrom(SoType parent) const {
    return key_ == parent.key_ ? key_ >= 0 : isStrictlyDerivedFrom(parent);
  }
  bool canCreateInstance() const;
  void* createInstance() const;
  int getKey() const { return key_; }

  friend bool operator==(SoType a, SoType b) { return a.key_ == b.key_; }
  friend bool operator<(SoType a, SoType b) { return a.key_ < b.key_; }

 private:
  explicit SoType(int key) : key_(key) {}
  bool isStrictlyDerivedFrom(SoType parent) const;
  int key_ = -1;
};
