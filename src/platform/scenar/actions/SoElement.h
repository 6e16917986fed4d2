// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstddef>

#include "platform/scenar/basic/SoType.h"

class SoState;

// One kind of traversal state (a viewport, a matrix, a portion...). A state holds
// a stack of each enabled kind; setting an element inside a separator pushes a
// copy first, and leaving the separator pops it, so the change stays inside.
class SoElement {
 public:
  virtual ~SoElement() = default;
  SoElement(const SoElement&) = delete;
  SoElement& operator=(const SoElement&) = delete;

  // Gives the element its default value; called once per state.
  virtual void init(SoState* state) { (void)state; }
  // Takes the value of the element below it on the stack.
  virtual void copyValueFrom(const SoElement& other) = 0;
  // Called after the element became the top of its stack by a push.
  virtual void push(SoState* state) { (void)state; }
  // Called on the element that is the top again after prevTop was popped.
  virtual void pop(SoState* state, const SoElement* prevTop) { (void)state, (void)prevTop; }

  int getStackIndex() const { return stackIndex_; }
  int getDepth() const { return depth_; }

  // The root of the element types ("Element"); bad until initClass ran.
  static SoType getClassTypeId() { return classTypeId_; }
  static void initClass();

  using CreateMethod = SoElement* (*)();
  // Gives an element class its stack index; each class registers once.
  static int registerClass(const char* name, CreateMethod create);
  static int getNumStackIndices();
  static CreateMethod getCreateMethod(int stackIndex);
  static const char* getClassName(int stackIndex);

 protected:
  SoElement() = default;
  // Registers the type name under parent into slot unless slot holds a type
  // already; one registration at a time.
  static void registerType(SoType& slot, SoType parent, const char* name);

 private:
  friend class SoState;
  int stackIndex_ = -1;
  int depth_ = 0;
  static SoType classTypeId_;
};

// The class pattern of an element: Derived gets a stack index of its own on
// first use, and a type, named Derived::kClassName, from its initClass. Its
// value lives in Derived, which copies it in copyValueFrom.
//
// The type tells actions that the class is set up: an action enables an
// element by type and stack index, and refuses a bad type. The stack index
// does not depend on the type: a state holds any element it is given.
template <typename Derived, typename Base = SoElement>
class SoElementOf : public Base {
 public:
  static int getClassStackIndex() {
    static const int index = SoElement::registerClass(
        Derived::kClassName, [] { return static_cast<SoElement*>(new Derived); });
    return index;
  }
  // Bad until initClass ran, and again after exitClass.
  static SoType getClassTypeId() { return typeSlot(); }
  // Registers the class, its parent classes first; nothing when it is
  // registered already.
  static void initClass() {
    Base::initClass();
    SoElement::registerType(typeSlot(), Base::getClassTypeId(), Derived::kClassName);
    getClassStackIndex();
  }
  // Unregisters the class; its stack index stays.
  static void exitClass() {
    SoType::removeType(typeSlot());
    typeSlot() = SoType::badType();
  }

 private:
  static SoType& typeSlot() {
    static SoType type;
    return type;
  }
};
