// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <concepts>
#include <utility>

#include "platform/scenar/basic/SoBase.h"

// Holds one counted reference on a toolkit object while it lives: it refs the
// object it is given and unrefs it when destroyed, reset or assigned, so the
// last holder to go deletes the object. A copy holds a reference of its own; a
// move hands the reference over and leaves the source empty. A class holding
// one of an incomplete type defines its constructors and destructor where the
// type is complete, as with std::unique_ptr.
template <typename T>
class SoRef {
 public:
  SoRef() = default;
  explicit SoRef(T* object) : object_(object) {
    if (object_) object_->ref();
  }
  ~SoRef() {
    if (object_) object_->unref();
  }

  SoRef(const SoRef& other) : SoRef(other.object_) {}
  SoRef(SoRef&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  template <typename U>
  requires std::convertible_to<U*, T*> SoRef(const SoRef<U>& other) : SoRef(other.get()) {}
  template <typename U>
  requires std::convertible_to<U*, T*> SoRef(SoRef<U>&& other)
  noexcept : object_(std::exchange(other.object_, nullptr)) {}

  // Both assignments take their new reference before dropping the old one, so
  // assigning a holder to itself, or to another holder of the same object,
  // keeps the object alive.
  SoRef& operator=(const SoRef& other) {
    reset(other.object_);
    return *this;
  }
  SoRef& operator=(SoRef&& other) noexcept {
    SoRef taken(std::move(other));
    std::swap(object_, taken.object_);
    return *this;
  }

  // Holds object instead (nothing when nullptr).
  void reset(T* object = nullptr) {
    if (object) object->ref();
    T* old = std::exchange(object_, object);
    if (old) old->unref();
  }

  // Gives the reference up without deleting the object (unrefNoDelete) and
  // returns it: for a function that builds an object under a holder and hands
  // it, unreferenced, to a caller who will ref it.
  T* release() {
    T* object = std::exchange(object_, nullptr);
    if (object) object->unrefNoDelete();
    return object;
  }

  T* get() const { return object_; }
  T* operator->() const { return object_; }
  T& operator*() const { return *object_; }
  explicit operator bool() const { return object_ != nullptr; }

 private:
  template <typename U>
  friend class SoRef;

  T* object_ = nullptr;
};
