#pragma once

// The class pattern every view class follows with its own statics: register
// and unregister the type, make the field data and the catalog with the first
// instance. Each class hands in its statics by reference.

#include "platform/scenar/basic/SbThreadMutex.h"
#include "platform/scenar/basic/SoType.h"

class SoFieldData;
class SoNodekitCatalog;

namespace plivexwin::detail {

struct ViewClassStatics {
  SoType& classTypeId;
  SoFieldData*& fieldData;
  SoFieldData**& parentFieldData;
  const SoNodekitCatalog*& nodekitCatalog;
  const SoNodekitCatalog**& parentNodekitCatalogPtr;
  int& firstInstance;
  SbThreadMutex& classMutex;
};

// Registers the class under name below the type named parentName, unless it is
// registered already; the parent class must be registered first.
void initViewClass(const ViewClassStatics& statics, const char* parentName, const char* name,
                   SoType::CreateMethod create, SoFieldData** parentFieldData,
                   const SoNodekitCatalog** parentNodekitCatalog);
// Returns the class to its unregistered state, so that it can be registered again.
void exitViewClass(const ViewClassStatics& statics, const char* name);
// The class's field data, made as a copy of the parent's if there is none yet.
const SoFieldData* viewFieldData(const ViewClassStatics& statics);
// The start of a constructor, with the class mutex held: makes the field data
// and, for the first instance, the catalog as a clone of the parent's, which it
// returns so that the constructor adds its entries; nullptr for later instances.
SoNodekitCatalog* beginViewInstance(const ViewClassStatics& statics, const char* name);

}  // namespace plivexwin::detail
