#pragma once

// The class pattern of action classes: a registered type and a method list,
// chained to the parent class's, whose entry for SoNode calls the node's own
// virtual for the action.
//
//   class MyAction : public SoAction {
//     SO_ACTION_HEADER(MyAction);
//     ...
//   };
//
//   SO_ACTION_SOURCE(MyAction)
//   void MyAction::initClass() {
//     SO_ACTION_INIT_CLASS(MyAction, SoAction, "MyAction", SO_ACTION_CALLS(MyAction, doAction));
//   }

#include "platform/scenar/actions/SoAction.h"

#define SO_ACTION_HEADER(className)                                                                \
 public:                                                                                           \
  static SoType getClassTypeId() { return classTypeId_; }                                          \
  SoType getTypeId() const override { return classTypeId_; }                                       \
  static void initClass();                                                                         \
  static void addMethod(SoType nodeType, Method method) { methods().addMethod(nodeType, method); } \
                                                                                                   \
 protected:                                                                                        \
  MethodList& getMethodList() const override { return methods(); }                                 \
  /* The class's method list; a derived action's list falls back on it. */                         \
  static MethodList& methods();                                                                    \
                                                                                                   \
 private:                                                                                          \
  static SoType classTypeId_

#define SO_ACTION_SOURCE(className, parentClassName)     \
  SoType className::classTypeId_;                        \
  SoAction::MethodList& className::methods() {           \
    static MethodList list(&parentClassName::methods()); \
    return list;                                         \
  }

// Registers the class under typeName, its parent first, with nodeMethod as
// the method for SoNode; nothing when it is registered already.
#define SO_ACTION_INIT_CLASS(className, parentClassName, typeName, nodeMethod)      \
  do {                                                                              \
    if (!classTypeId_.isBad()) return;                                              \
    parentClassName::initClass();                                                   \
    classTypeId_ = SoType::createType(parentClassName::getClassTypeId(), typeName); \
    methods().addMethod(SoNode::getClassTypeId(), nodeMethod);                      \
  } while (false)

// The method that calls the node's own virtual nodeVirtual for the action.
#define SO_ACTION_CALLS(className, nodeVirtual) \
  [](SoAction* action, SoNode* node) { node->nodeVirtual(static_cast<className*>(action)); }
