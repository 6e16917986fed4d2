#include "views/PoView.h"

#include "platform/scenar/SoCallback.h"
#include "platform/scenar/SoCameraKit.h"
#include "platform/scenar/SoDB.h"

SoType PoView::classTypeId;
SoFieldData* PoView::fieldData = nullptr;
SoFieldData** PoView::parentFieldData = nullptr;
const SoNodekitCatalog* PoView::nodekitCatalog = nullptr;
const SoNodekitCatalog** PoView::parentNodekitCatalogPtr = nullptr;
int PoView::firstInstance = 1;
const int PoView::isBuiltIn = 0;
int PoView::MT_Id = 0;

void PoView::initClass() {
  SbThreadAutoLock lock(&classMutex);
  if (!classTypeId.isBad()) return;
  if (PoBaseView::getClassTypeId().isBad()) PoBaseView::initClass();
  classTypeId = SoType::createType(SoType::fromName("PoBaseView"), "PoView", createInstance);
  parentFieldData = PoBaseView::getFieldDataPtr();
  parentNodekitCatalogPtr = PoBaseView::getClassNodekitCatalogPtr();
}

void PoView::exitClass() {
  SbThreadAutoLock lock(&classMutex);
  SoType::removeType(SoType::fromName("PoView"));
  classTypeId = SoType::badType();
  delete fieldData;
  fieldData = nullptr;
  parentFieldData = nullptr;
  firstInstance = 1;
  delete nodekitCatalog;
  nodekitCatalog = nullptr;
}

void* PoView::createInstance() { return new PoView; }

const SoFieldData* PoView::getFieldData() const {
  SbThreadAutoLock lock(&classMutex);
  if (!fieldData) fieldData = new SoFieldData(parentFieldData ? *parentFieldData : nullptr);
  return fieldData;
}

SoFieldData** PoView::getFieldDataPtr() {
  SbThreadAutoLock lock(&classMutex);
  return &fieldData;
}

PoView::PoView() {
  SbThreadAutoLock lock(&classMutex);
  if (classTypeId.isBad()) initClass();
  if (fieldData) {
    firstInstance = 0;
  } else {
    fieldData = new SoFieldData(parentFieldData ? *parentFieldData : nullptr);
  }
  SoNodekitCatalog* catalog = nullptr;
  if (firstInstance) {
    const SoNodekitCatalog* parent = parentNodekitCatalogPtr ? *parentNodekitCatalogPtr : nullptr;
    catalog = parent ? parent->clone(SoType::fromName("PoView"))
                     : new SoNodekitCatalog(SoType::fromName("PoView"));
    nodekitCatalog = catalog;
  }
  // part, field, type
  const struct {
    const char* name;
    SoSFNode* field;
    SoType type;
  } parts[] = {{"catchActionCallback", &catchActionCallback, SoCallback::getClassTypeId()},
               {"cameraKit", &cameraKit, SoCameraKit::getClassTypeId()}};
  for (const auto& part : parts) {
    // A refused entry raises the catalog error for the kit; its field stays out.
    const bool added =
        catalog && catalog->addEntry(part.name, part.type, part.type, TRUE, "this", "", FALSE,
                                     SoType::badType(), SoType::badType(), TRUE);
    addPartField(fieldData, part.name, part.field, added);
  }
  createNodekitPartsList();
  createDefaultParts();
  hookCallbackPart();
}

PoView::PoView(const PoView& other) : PoView() { PoBaseView::operator=(other); }

PoView& PoView::operator=(const PoView& other) {
  PoBaseView::operator=(other);
  return *this;
}

void PoView::hookCallbackPart() {
  auto* callback = dynamic_cast<SoCallback*>(getPart("catchActionCallback", TRUE));
  if (!callback) return;
  callback->setCallback(catchActionCB, this);
  setPart("catchActionCallback", callback);
}

SbBool PoView::readInstance(SoInput* in, unsigned short flags) {
  const SbBool result = PoBaseView::readInstance(in, flags);
  if (SoDB::getRenderUnitMode()) hookCallbackPart();
  return result;
}
