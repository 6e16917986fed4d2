#include "platform/plivex/PoTimeAxis.h"

#include "platform/plivex/PoAxisEnums.h"

SO_NODE_SOURCE(PoTimeAxis)

using namespace plivex;

void PoTimeAxis::initClass() { SO_NODE_INIT_CLASS(PoTimeAxis, "PoTimeAxis"); }

PoTimeAxis::PoTimeAxis() {
  SO_NODE_CONSTRUCTOR(PoTimeAxis);
  SO_NODE_ADD_FIELD(startDate, ("1-01-70"));
  SO_NODE_ADD_FIELD(endDate, ("2-01-70"));
  SO_NODE_ADD_FIELD(coordinate, (0.0f));
  PO_NODE_ADD_ENUM_FIELD(type, kTimeAxisType, "X");
  PO_NODE_ADD_ENUM_FIELD(language, kLanguage, "ENGLISH");
  PO_NODE_ADD_ENUM_FIELD(gradFit, kGradFit, "FIT");
  SO_NODE_ADD_EMPTY_FIELD(gradRep);
  SO_NODE_ADD_FIELD(timesPeriod, (""));
}

PoTimeAxis::~PoTimeAxis() = default;

void PoTimeAxis::setDateFormatMapping(const PbDateFormatMapping* mapping) {
  dateFormatMapping_ = mapping ? *mapping : PbDateFormatMapping();
  touch();
}
