#include "platform/plivex/PoLegend.h"

#include <cstdint>

#include "platform/plivex/PoLegendEnums.h"

SO_NODE_SOURCE(PoLegend)

using namespace plivex;

void PoLegend::initClass() { SO_NODE_INIT_ABSTRACT_CLASS(PoLegend, "PoLegend"); }

PoLegend::PoLegend() {
  SO_NODE_CONSTRUCTOR(PoLegend);
  PO_NODE_ADD_ENUM_FIELD(titleVisibility, kLegendVisibility, "ON");
  PO_NODE_ADD_ENUM_FIELD(titlePosition, kLegendPosition, "TOP");
  PO_NODE_ADD_ENUM_FIELD(titlePath, kLegendTextPath, "RIGHT");
  SO_NODE_ADD_FIELD(titleFontSize, (0.05f));
  SO_NODE_ADD_FIELD(titleFontName, ("defaultFont"));
  SO_NODE_ADD_FIELD(titleString, (""));
  PO_NODE_ADD_ENUM_FIELD(valueVisibility, kLegendVisibility, "ON");
  PO_NODE_ADD_ENUM_FIELD(valuePosition, kLegendPosition, "RIGHT");
  SO_NODE_ADD_FIELD(valueFontName, ("defaultFont"));
  SO_NODE_ADD_FIELD(valueAddStringVisibility, (FALSE));
  SO_NODE_ADD_FIELD(valueAddString, (""));
  PO_NODE_ADD_ENUM_FIELD(marginType, kMarginType, "RELATIVE");
  SO_NODE_ADD_FIELD(marginLeft, (0.05f));
  SO_NODE_ADD_FIELD(marginRight, (0.05f));
  SO_NODE_ADD_FIELD(marginBottom, (0.05f));
  SO_NODE_ADD_FIELD(marginTop, (0.05f));
  PO_NODE_ADD_ENUM_FIELD(incrementType, kIncrementType, "VERTICAL");
  SO_NODE_ADD_FIELD(numColumns, (uint16_t{1}));
  SO_NODE_ADD_FIELD(boxRatio, (1.0f));
}

PoLegend::~PoLegend() = default;
