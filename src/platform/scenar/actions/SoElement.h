#pragma once

#include <cstddef>

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

  using CreateMethod = SoElement* (*)();
  // Gives an element class its stack index; each class registers once.
  static int registerClass(const char* name, CreateMethod create);
  static int getNumStackIndices();
  static CreateMethod getCreateMethod(int stackIndex);
  static const char* getClassName(int stackIndex);

 protected:
  SoElement() = default;

 private:
  friend class SoState;
  int stackIndex_ = -1;
  int depth_ = 0;
};

// The class pattern of an element: Derived gets a stack index of its own on
// first use. Its value lives in Derived, which copies it in copyValueFrom.
template <typename Derived, typename Base = SoElement>
class SoElementOf : public Base {
 public:
  static int getClassStackIndex() {
    static const int index = SoElement::registerClass(
        Derived::kClassName, [] { return static_cast<SoElement*>(new Derived); });
    return index;
  }
};
