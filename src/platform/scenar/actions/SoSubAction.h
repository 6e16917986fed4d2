// SPDX-License-Identifier: Apache-2.0
#pragma once

// The class pattern of action classes: a registered type, a method list and
// an enabled-elements list, both chained to the parent class's, whose method
// for SoNode calls the node's own virtual for the action.
//
//   class MyAction : public SoAction {
//     SO_ACTION_HEADER(MyAction);
//     ...
//   };
//
//   SO_ACTION_SOURCE(MyAction, SoAction)
//   void MyAction::initClass() {
//     SO_ACTION_INIT_CLASS(MyAction, SoAction, "MyAction", SO_ACTION_CALLS(MyAction, doAction));
//     SO_ENABLE(MyAction, SoModelMatrixElement);
//   }
//
// The class's lists live as long as the program, so that a derived class's
// lists may be chained to them before the class is registered. exitClass
// unregisters the class and empties its own lists; initClass fills them again.

#include "platform/scenar/actions/SoAction.h"

#define SO_ACTION_HEADER(className)                                                  \
 public:                                                                             \
  static SoType getClassTypeId() { return classTypeId_; }                            \
  SoType getTypeId() const override { return classTypeId_; }                         \
  static void initClass();                                                           \
  static void exitClass();                                                           \
  static void addMethod(SoType nodeType, Method method) {                            \
    getClassActionMethods()->addMethod(nodeType, method);                            \
  }                                                                                  \
  /* A bad elementType is refused with a debug error "SO_ENABLE_ELEMENT". */         \
  static void enableElement(SoType elementType, int stackIndex) {                    \
    enableElementIn(getClassEnabledElements(), elementType, stackIndex, #className); \
  }                                                                                  \
  const SoEnabledElementsList& getEnabledElements() const override {                 \
    return *getClassEnabledElements();                                               \
  }                                                                                  \
  MethodList* getActionMethods() override { return getClassActionMethods(); }        \
  /* The class's lists, chained to the parent class's. */                            \
  static SoEnabledElementsList* getClassEnabledElements();                           \
  static MethodList* getClassActionMethods();                                        \
                                                                                     \
 private:                                                                            \
  static SoType classTypeId_

#define SO_ACTION_SOURCE(className, parentClassName)                               \
  SoType className::classTypeId_;                                                  \
  SoEnabledElementsList* className::getClassEnabledElements() {                    \
    static SoEnabledElementsList list(parentClassName::getClassEnabledElements()); \
    return &list;                                                                  \
  }                                                                                \
  SoAction::MethodList* className::getClassActionMethods() {                       \
    static MethodList list(parentClassName::getClassActionMethods());              \
    return &list;                                                                  \
  }                                                                                \
  void className::exitClass() {                                                    \
    SoType::removeType(classTypeId_);                                              \
    classTypeId_ = SoType::badType();                                              \
    getClassEnabledElements()->clear();                                            \
    getClassActionMethods()->clear();                                              \
  }

// Registers the class under typeName, its parent first, with nodeMethod as
// the method for SoNode (nullptr: the parent class's serves); returns from
// initClass when the class is registered already.
#define SO_ACTION_INIT_CLASS(className, parentClassName, typeName, nodeMethod)      \
  do {                                                                              \
    if (!classTypeId_.isBad()) return;                                              \
    parentClassName::initClass();                                                   \
    classTypeId_ = SoType::createType(parentClassName::getClassTypeId(), typeName); \
    if (const Method method = nodeMethod)                                           \
      getClassActionMethods()->addMethod(SoNode::getClassTypeId(), method);         \
  } while (false)

// Enables every element class of the list through enable, an action class's
// enableElement, setting each element class up first.
template <typename... ElementClasses>
void soEnableElements(void (*enable)(SoType elementType, int stackIndex)) {
  ((ElementClasses::initClass(),
    enable(ElementClasses::getClassTypeId(), ElementClasses::getClassStackIndex())),
   ...);
}

// Enables elementClass for actionClass.
#define SO_ENABLE(actionClass, elementClass) \
  soEnableElements<elementClass>(&actionClass::enableElement)

// The method that calls the node's own virtual nodeVirtual for the action.
#define SO_ACTION_CALLS(className, nodeVirtual) \
  [](SoAction* action, SoNode* node) { node->nodeVirtual(static_cast<className*>(action)); }
