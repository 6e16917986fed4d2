#include "views/detail/ViewClassPattern.h"

#include "platform/scenar/fields/SoFieldData.h"
#include "platform/scenar/nodekits/SoNodekitCatalog.h"

namespace plivexwin::detail {

void initViewClass(const ViewClassStatics& s, const char* parentName, const char* name,
                   SoType::CreateMethod create, SoFieldData** parentFieldData,
                   const SoNodekitCatalog** parentNodekitCatalog) {
  SbThreadAutoLock lock(&s.classMutex);
  if (!s.classTypeId.isBad()) return;
  s.classTypeId = SoType::createType(SoType::fromName(parentName), name, create);
  s.parentFieldData = parentFieldData;
  s.parentNodekitCatalogPtr = parentNodekitCatalog;
}

void exitViewClass(const ViewClassStatics& s, const char* name) {
  SbThreadAutoLock lock(&s.classMutex);
  SoType::removeType(SoType::fromName(name));
  s.classTypeId = SoType::badType();
  delete s.fieldData;
  s.fieldData = nullptr;
  s.parentFieldData = nullptr;
  s.firstInstance = 1;
  delete s.nodekitCatalog;
  s.nodekitCatalog = nullptr;
}

const SoFieldData* viewFieldData(const ViewClassStatics& s) {
  SbThreadAutoLock lock(&s.classMutex);
  if (!s.fieldData) s.fieldData = new SoFieldData(s.parentFieldData ? *s.parentFieldData : nullptr);
  return s.fieldData;
}

SoNodekitCatalog* beginViewInstance(const ViewClassStatics& s, const char* name) {
  if (s.fieldData)
    s.firstInstance = 0;
  else
    s.fieldData = new SoFieldData(s.parentFieldData ? *s.parentFieldData : nullptr);
  if (!s.firstInstance) return nullptr;
  const SoNodekitCatalog* parent = s.parentNodekitCatalogPtr ? *s.parentNodekitCatalogPtr : nullptr;
  SoNodekitCatalog* catalog =
      parent ? parent->clone(SoType::fromName(name)) : new SoNodekitCatalog(SoType::fromName(name));
  s.nodekitCatalog = catalog;
  return catalog;
}

}  // namespace plivexwin::detail
