// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "platform/scenar/basic/SbName.h"
#include "platform/scenar/basic/SoType.h"

// The root of every shared toolkit object: a counted reference and a name.
// An object lives while it has references; the last unref deletes it. An object
// that never got a reference is the creator's to unref or delete. Objects are
// made, counted and deleted in the GUI thread: neither count is atomic (README,
// "Threads").
class SoBase {
 public:
  void ref() const;
  // Releases one reference and deletes the object when none is left.
  void unref() const;
  // Releases one reference but never deletes.
  void unrefNoDelete() const;
  int getRefCount() const { return refCount_; }

  static SoType getClassTypeId() { return classTypeId_; }
  virtual SoType getTypeId() const = 0;
  bool isOfType(SoType type) const { return getTypeId().isDerivedFrom(type); }

  virtual SbName getName() const { return name_; }
  virtual void setName(const SbName& name) { name_ = name; }

  static void initClass();
  // How many toolkit objects exist now; tests use it to check that references balance.
  static long getLiveCount() { return liveCount_; }

 protected:
  SoBase();
  SoBase(const SoBase&);  // a copy starts without references
  SoBase& operator=(const SoBase&) { return *this; }
  virtual ~SoBase();

 private:
  mutable int refCount_ = 0;
  SbName name_;
  static SoType classTypeId_;
  static long liveCount_;
};
