// SPDX-License-Identifier: Apache-2.0
#pragma once

// The class pattern of node-kit classes: a registered type, field data and a
// catalog per class, made by the first instance as copies of the parent
// class's with the class's own fields and entries appended.
//
//   class MyKit : public SoBaseKit {
//     SO_KIT_HEADER(MyKit, SoBaseKit);   // SO_KIT_ABSTRACT_HEADER: no factory
//    public:
//     SoSFNode topSeparator;
//     SoSFNode camera;
//     MyKit();
//    protected:
//     ~MyKit() override = default;
//   };
//
//   SO_KIT_SOURCE(MyKit)
//   void MyKit::initClass() { SO_KIT_INIT_CLASS(MyKit, "MyKit"); }
//   MyKit::MyKit() {
//     SO_KIT_CONSTRUCTOR(MyKit);
//     SO_KIT_ADD_CATALOG_ENTRY(topSeparator, SoSeparator, FALSE, "this", "", TRUE);
//     SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(camera, SoCamera, SoPerspectiveCamera, TRUE,
//                                       "topSeparator", "", TRUE);
//     SO_KIT_INIT_INSTANCE();
//   }
//
// Each class has its own statics: classTypeId, fieldData, parentFieldData,
// nodekitCatalog, parentNodekitCatalogPtr, firstInstance (1 until the first
// instance built the field data and catalog), isBuiltIn (0), MT_Id and a
// recursive classMutex that guards registration and the making of the class
// data; a constructor holds it for its whole set-up, and initClass takes it
// again (README, "Threads": classes are set up in the GUI thread). A library that makes its
// class mutexes with its other load-time statics defines the rest with
// SO_KIT_CLASS_DATA and the mutex where it lists them.
//
// Parent and right-sibling names are strings; "this" is the kit, and an empty
// right sibling puts the part last among its parent's children. A refused entry
// is told through SoBaseKit::catalogError and its field is not registered.

#include "platform/scenar/nodekits/SoBaseKit.h"

#define SO_KIT_ABSTRACT_HEADER(className, parentName)                                     \
 public:                                                                                  \
  using inherited = parentName;                                                           \
  static SoType getClassTypeId() { return classTypeId; }                                  \
  SoType getTypeId() const override { return classTypeId; }                               \
  static const SoFieldData* getClassFieldData() { return fieldData; }                     \
  /* Made as a copy of the parent's when no instance made it yet. */                      \
  const SoFieldData* getFieldData() const override;                                       \
  static const SoNodekitCatalog* getClassNodekitCatalog() { return nodekitCatalog; }      \
  const SoNodekitCatalog* getNodekitCatalog() const override { return nodekitCatalog; }   \
  SbBool getIsBuiltIn() const override { return isBuiltIn; }                              \
  static void initClass();                                                                \
  /* Returns the class to unregistered, so that initClass can register it again; */       \
  /* call it only when no instance is alive. */                                           \
  static void exitClass() {                                                               \
    SbThreadAutoLock lock(&classMutex);                                                   \
    SoType::removeType(classTypeId);                                                      \
    classTypeId = SoType::badType();                                                      \
    delete fieldData;                                                                     \
    fieldData = nullptr;                                                                  \
    parentFieldData = nullptr;                                                            \
    firstInstance = 1;                                                                    \
    delete nodekitCatalog;                                                                \
    nodekitCatalog = nullptr;                                                             \
  }                                                                                       \
  static int MT_Id;                                                                       \
                                                                                          \
 protected:                                                                               \
  static SoFieldData** getFieldDataPtr() {                                                \
    SbThreadAutoLock lock(&classMutex);                                                   \
    return &fieldData;                                                                    \
  }                                                                                       \
  static const SoNodekitCatalog** getClassNodekitCatalogPtr() { return &nodekitCatalog; } \
                                                                                          \
 private:                                                                                 \
  static SoType classTypeId;                                                              \
  static SoFieldData* fieldData;                                                          \
  static SoFieldData** parentFieldData;                                                   \
  static const SoNodekitCatalog* nodekitCatalog;                                          \
  static const SoNodekitCatalog** parentNodekitCatalogPtr;                                \
  static int firstInstance;                                                               \
  static const int isBuiltIn;                                                             \
  static SbThreadMutex classMutex

#define SO_KIT_HEADER(className, parentName)     \
  SO_KIT_ABSTRACT_HEADER(className, parentName); \
                                                 \
 private:                                        \
  static void* createInstance() { return new className; }

// The class statics and functions but the class mutex.
#define SO_KIT_CLASS_DATA(className)                                                           \
  SoType className::classTypeId;                                                               \
  SoFieldData* className::fieldData = nullptr;                                                 \
  SoFieldData** className::parentFieldData = nullptr;                                          \
  const SoNodekitCatalog* className::nodekitCatalog = nullptr;                                 \
  const SoNodekitCatalog** className::parentNodekitCatalogPtr = nullptr;                       \
  int className::firstInstance = 1;                                                            \
  const int className::isBuiltIn = 0;                                                          \
  [[maybe_unused]] int className::MT_Id = 0;                                                   \
                                                                                               \
  const SoFieldData* className::getFieldData() const {                                         \
    SbThreadAutoLock lock(&classMutex);                                                        \
    if (!fieldData) fieldData = new SoFieldData(parentFieldData ? *parentFieldData : nullptr); \
    return fieldData;                                                                          \
  }

#define SO_KIT_SOURCE(className) \
  SO_KIT_CLASS_DATA(className)   \
  SbThreadMutex className::classMutex;

// Registers the class under typeName below its parent, registering the parent
// first if needed; nothing when the class is registered already.
#define SO_KIT_INIT_CLASS(className, typeName) \
  SO_KIT_INIT_CLASS_WITH(className, typeName, &className::createInstance)
#define SO_KIT_INIT_ABSTRACT_CLASS(className, typeName) \
  SO_KIT_INIT_CLASS_WITH(className, typeName, nullptr)

#define SO_KIT_INIT_CLASS_WITH(className, typeName, create)                          \
  do {                                                                               \
    SbThreadAutoLock soKitClassLock(&classMutex);                                    \
    if (!classTypeId.isBad()) break;                                                 \
    if (inherited::getClassTypeId().isBad()) inherited::initClass();                 \
    classTypeId = SoType::createType(inherited::getClassTypeId(), typeName, create); \
    parentFieldData = inherited::getFieldDataPtr();                                  \
    parentNodekitCatalogPtr = inherited::getClassNodekitCatalogPtr();                \
  } while (false)

// Opens a constructor body: holds the class mutex to its end, registers the
// class if needed and, with the first instance, makes the field data and the
// catalog the entries go into.
#define SO_KIT_CONSTRUCTOR(className)                                             \
  SbThreadAutoLock soKitConstructorLock(&classMutex);                             \
  if (classTypeId.isBad()) initClass();                                           \
  if (fieldData)                                                                  \
    firstInstance = 0;                                                            \
  else                                                                            \
    fieldData = new SoFieldData(parentFieldData ? *parentFieldData : nullptr);    \
  SoNodekitCatalog* soKitNewCatalog = nullptr;                                    \
  if (firstInstance) {                                                            \
    const SoNodekitCatalog* soKitParentCatalog =                                  \
        parentNodekitCatalogPtr ? *parentNodekitCatalogPtr : nullptr;             \
    soKitNewCatalog = soKitParentCatalog ? soKitParentCatalog->clone(classTypeId) \
                                         : new SoNodekitCatalog(classTypeId);     \
    nodekitCatalog = soKitNewCatalog;                                             \
  }                                                                               \
  (void)soKitNewCatalog

// Records a field that is not a part and gives it its default value (in
// parentheses).
#define SO_KIT_ADD_FIELD(fieldName, defaultValue) SO_NODE_ADD_FIELD(fieldName, defaultValue)

// Adds a part whose default type is its type.
#define SO_KIT_ADD_CATALOG_ENTRY(partName, partClass, nullByDefault, parentName, rightName,    \
                                 isPublic)                                                     \
  SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(partName, partClass, partClass, nullByDefault, parentName, \
                                    rightName, isPublic)

// Adds a part of type partClass made as defaultClass.
#define SO_KIT_ADD_CATALOG_ABSTRACT_ENTRY(partName, partClass, defaultClass, nullByDefault,        \
                                          parentName, rightName, isPublic)                         \
  do {                                                                                             \
    const bool soKitAccepted =                                                                     \
        soKitNewCatalog &&                                                                         \
        soKitNewCatalog->addEntry(                                                                 \
            #partName, partClass::getClassTypeId(), defaultClass::getClassTypeId(), nullByDefault, \
            parentName, rightName, FALSE, SoType::badType(), SoType::badType(), isPublic);         \
    this->addPartField(fieldData, #partName, &this->partName, soKitAccepted);                      \
  } while (false)

// Finds the part fields and makes the parts that are not null by default.
#define SO_KIT_INIT_INSTANCE()      \
  do {                              \
    this->createNodekitPartsList(); \
    this->createDefaultParts();     \
  } while (false)
