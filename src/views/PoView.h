#pragma once

#include "views/PoBaseView.h"

class SoInput;

// The light view: a view made of only the callback part that applies the
// view's rectangle and a camera kit. With no separator of its own, its
// rectangle and camera stay in force for the nodes after it under the same
// parent: place it ahead of the sub-scene it frames, in a separator of its own.
class PoView : public PoBaseView {
 public:
  using inherited = PoBaseView;

  static void initClass();
  static void exitClass();
  static SoType getClassTypeId() { return classTypeId; }
  SoType getTypeId() const override { return classTypeId; }
  static const SoNodekitCatalog* getClassNodekitCatalog() { return nodekitCatalog; }
  const SoNodekitCatalog* getNodekitCatalog() const override { return nodekitCatalog; }
  const SoFieldData* getFieldData() const override;
  SbBool getIsBuiltIn() const override { return isBuiltIn; }

  PoView();
  PoView(const PoView& other);
  PoView& operator=(const PoView& other);

  static int MT_Id;

 protected:
  ~PoView() override = default;

  static SoFieldData** getFieldDataPtr();
  static const SoNodekitCatalog** getClassNodekitCatalogPtr() { return &nodekitCatalog; }

 private:
  static void* createInstance();
  SbBool readInstance(SoInput* in, unsigned short flags) override;
  // Hooks the callback part to this view.
  void hookCallbackPart();

  static SoType classTypeId;
  static SoFieldData* fieldData;
  static SoFieldData** parentFieldData;
  static const SoNodekitCatalog* nodekitCatalog;
  static const SoNodekitCatalog** parentNodekitCatalogPtr;
  static int firstInstance;
  static const int isBuiltIn;
  static SbThreadMutex classMutex;
  static plivexwin::detail::ViewClassStatics statics();
};
