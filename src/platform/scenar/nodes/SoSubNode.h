// SPDX-License-Identifier: Apache-2.0
#pragma once

// The class pattern of node classes: a registered type, field data made by the
// first instance under the class's mutex (README, "Threads"), and the fields'
// defaults.
//
//   class MyNode : public SoNode {
//     SO_NODE_HEADER(MyNode, SoNode);
//    public:
//     SoSFFloat width;
//     MyNode();
//   };
//
//   SO_NODE_SOURCE(MyNode)
//   void MyNode::initClass() { SO_NODE_INIT_CLASS(MyNode, "MyNode"); }
//   MyNode::MyNode() {
//     SO_NODE_CONSTRUCTOR(MyNode);
//     SO_NODE_ADD_FIELD(width, (1.0f));
//   }
//
// A class with outputs (see SoFieldContainer::getOutputData) adds
// SO_NODE_OUTPUT_HEADER(MyNode) to its declaration, SO_NODE_OUTPUT_SOURCE(MyNode)
// to its source, and records each output in its constructor:
//   SoSFVec3f value_changed;                  // in the class
//   SO_NODE_ADD_OUTPUT(value_changed);        // in the constructor

#include "platform/scenar/basic/SbThreadMutex.h"
#include "platform/scenar/fields/SoFieldData.h"
#include "platform/scenar/nodes/SoNode.h"

#define SO_NODE_HEADER(className, parentName)                            \
 public:                                                                 \
  using inherited = parentName;                                          \
  static SoType getClassTypeId() { return classTypeId; }                 \
  SoType getTypeId() const override { return classTypeId; }              \
  static const SoFieldData* getClassFieldData() { return fieldData; }    \
  const SoFieldData* getFieldData() const override { return fieldData; } \
  static void initClass();                                               \
  static void exitClass() {                                              \
    SbThreadAutoLock lock(&classMutex);                                  \
    SoType::removeType(classTypeId);                                     \
    classTypeId = SoType::badType();                                     \
  }                                                                      \
                                                                         \
 private:                                                                \
  static SoType classTypeId;                                             \
  static SoFieldData* fieldData;                                         \
  static SbThreadMutex classMutex

#define SO_NODE_SOURCE(className)              \
  SoType className::classTypeId;               \
  SoFieldData* className::fieldData = nullptr; \
  SbThreadMutex className::classMutex;

// Registers the class under typeName; nothing when it is registered already.
#define SO_NODE_INIT_CLASS(className, typeName)                                           \
  do {                                                                                    \
    SbThreadAutoLock lock(&classMutex);                                                   \
    if (classTypeId.isBad())                                                              \
      classTypeId = SoType::createType(inherited::getClassTypeId(), typeName,             \
                                       [] { return static_cast<void*>(new className); }); \
  } while (false)

#define SO_NODE_INIT_ABSTRACT_CLASS(className, typeName)                                \
  do {                                                                                  \
    SbThreadAutoLock lock(&classMutex);                                                 \
    if (classTypeId.isBad())                                                            \
      classTypeId = SoType::createType(inherited::getClassTypeId(), typeName, nullptr); \
  } while (false)

// Opens a constructor body: holds the class mutex to its end and makes the
// field data with the first instance.
#define SO_NODE_CONSTRUCTOR(className)                 \
  SbThreadAutoLock soNodeConstructorLock(&classMutex); \
  const bool firstInstance = fieldData == nullptr;     \
  if (firstInstance) fieldData = new SoFieldData(inherited::getClassFieldData())

// Records a field and gives it its default value (in parentheses).
#define SO_NODE_ADD_FIELD(fieldName, defaultValue)                              \
  do {                                                                          \
    if (firstInstance) fieldData->addField(this, #fieldName, &this->fieldName); \
    this->fieldName.setValue defaultValue;                                      \
    this->fieldName.setContainer(this);                                         \
    this->fieldName.setDefault(TRUE);                                           \
  } while (false)

// Records a multiple-value field that starts empty.
#define SO_NODE_ADD_EMPTY_FIELD(fieldName)                                      \
  do {                                                                          \
    if (firstInstance) fieldData->addField(this, #fieldName, &this->fieldName); \
    this->fieldName.setContainer(this);                                         \
  } while (false)

// The list of a class's outputs, made by the first instance from the parent
// class's list.
#define SO_NODE_OUTPUT_HEADER(className)                                   \
 public:                                                                   \
  static const SoFieldData* getClassOutputData() { return outputData; }    \
  const SoFieldData* getOutputData() const override { return outputData; } \
                                                                           \
 private:                                                                  \
  static SoFieldData* outputData

#define SO_NODE_OUTPUT_SOURCE(className) SoFieldData* className::outputData = nullptr;

// Records an output, which starts as its type's default value, and makes the
// node its container.
#define SO_NODE_ADD_OUTPUT(outputName)                                                \
  do {                                                                                \
    if (firstInstance) {                                                              \
      if (!outputData) outputData = new SoFieldData(inherited::getClassOutputData()); \
      outputData->addField(this, #outputName, &this->outputName);                     \
    }                                                                                 \
    this->outputName.setContainer(this);                                              \
  } while (false)
