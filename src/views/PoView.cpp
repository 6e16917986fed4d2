#include "views/PoView.h"

#include "platform/scenar/SoDB.h"
#include "platform/scenar/nodekits/SoCameraKit.h"
#include "platform/scenar/nodes/SoCallback.h"

using namespace plivexwin::detail;

SoType PoView::classTypeId;
SoFieldData* PoView::fieldData = nullptr;
SoFieldData** PoView::parentFieldData = nullptr;
const SoNodekitCatalog* PoView::nodekitCatalog = nullptr;
const SoNodekitCatalog** PoView::parentNodekitCatalogPtr = nullptr;
int PoView::firstInstance = 1;
const int PoView::isBuiltIn = 0;
int PoView::MT_Id = 0;

ViewClassStatics PoView::statics() {
  return {classTypeId,   fieldData, parentFieldData, nodekitCatalog, parentNodekitCatalogPtr,
          firstInstance, classMutex};
}

void PoView::initClass() {
  SbThreadAutoLock lock(&classMutex);
  if (PoBaseView::getClassTypeId().isBad()) PoBaseView::initClass();
  initViewClass(statics(), "PoBaseView", "PoView", createInstance, PoBaseView::getFieldDataPtr(),
                PoBaseView::getClassNodekitCatalogPtr());
}

void PoView::exitClass() { exitViewClass(statics(), "PoView"); }

void* PoView::createInstance() { return new PoView; }

const SoFieldData* PoView::getFieldData() const { return viewFieldData(statics()); }

SoFieldData** PoView::getFieldDataPtr() {
  SbThreadAutoLock lock(&classMutex);
  return &fieldData;
}

PoView::PoView() {
  SbThreadAutoLock lock(&classMutex);
  if (classTypeId.isBad()) initClass();
  SoNodekitCatalog* catalog = beginViewInstance(statics(), "PoView");
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
