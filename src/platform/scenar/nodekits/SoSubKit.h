#pragma once

// The class pattern of node-kit classes: the node pattern (SoSubNode.h) plus a
// catalog, made by the first instance as a clone of the parent class's catalog
// with the class's own entries appended.
//
//   class MyKit : public SoBaseKit {
//     SO_KIT_HEADER(MyKit, SoBaseKit);
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
// Parent and right-sibling names are strings; "this" is the kit, and an empty
// right sibling puts the part last among its parent's children. A refused entry
// is told through SoBaseKit::catalogError and its field is not registered.

#include "platform/scenar/nodekits/SoBaseKit.h"

#define SO_KIT_HEADER(className, parentName)                                              \
 public:                                                                                  \
  using inherited = parentName;                                                           \
  static SoType getClassTypeId() { return classTypeId; }                                  \
  SoType getTypeId() const override { return classTypeId; }                               \
  static const SoFieldData* getClassFieldData() { return fieldData; }                     \
  const SoFieldData* getFieldData() const override { return fieldData; }                  \
  static const SoNodekitCatalog* getClassNodekitCatalog() { return nodekitCatalog; }      \
  const SoNodekitCatalog* getNodekitCatalog() const override { return nodekitCatalog; }   \
  static void initClass();                                                                \
  /* Unregisters the class; call it only when no instance is alive. */                    \
  static void exitClass() {                                                               \
    SbThreadAutoLock lock(&classMutex);                                                   \
    SoType::removeType(classTypeId);                                                      \
    classTypeId = SoType::badType();                                                      \
    delete nodekitCatalog;                                                                \
    nodekitCatalog = nullptr;                                                             \
    delete fieldData;                                                                     \
    fieldData = nullptr;                                                                  \
  }                                                                                       \
                                                                                          \
 protected:                                                                               \
  static const SoNodekitCatalog** getClassNodekitCatalogPtr() { return &nodekitCatalog; } \
                                                                                          \
 private:                                                                                 \
  static SoType classTypeId;                                                              \
  static SoFieldData* fieldData;                                                          \
  static const SoNodekitCatalog* nodekitCatalog;                                          \
  static SbThreadMutex classMutex

#define SO_KIT_SOURCE(className)                               \
  SoType className::classTypeId;                               \
  SoFieldData* className::fieldData = nullptr;                 \
  const SoNodekitCatalog* className::nodekitCatalog = nullptr; \
  SbThreadMutex className::classMutex;

#define SO_KIT_INIT_CLASS(className, typeName) SO_NODE_INIT_CLASS(className, typeName)
#define SO_KIT_INIT_ABSTRACT_CLASS(className, typeName) \
  SO_NODE_INIT_ABSTRACT_CLASS(className, typeName)

// Opens a constructor body: holds the class mutex to its end and, with the
// first instance, makes the field data and the catalog the entries go into.
#define SO_KIT_CONSTRUCTOR(className)                                          \
  SbThreadAutoLock soNodeConstructorLock(&classMutex);                         \
  const bool firstInstance = fieldData == nullptr;                             \
  SoNodekitCatalog* soKitNewCatalog = nullptr;                                 \
  if (firstInstance) {                                                         \
    fieldData = new SoFieldData(inherited::getClassFieldData());               \
    soKitNewCatalog = inherited::getClassNodekitCatalog()->clone(classTypeId); \
    nodekitCatalog = soKitNewCatalog;                                          \
  }                                                                            \
  (void)soKitNewCatalog

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
        firstInstance &&                                                                           \
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
