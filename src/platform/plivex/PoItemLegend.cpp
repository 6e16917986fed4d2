#include "platform/plivex/PoItemLegend.h"

SO_NODE_SOURCE(PoItemLegend)

void PoItemLegend::initClass() { SO_NODE_INIT_CLASS(PoItemLegend, "PoItemLegend"); }

// The lists start empty: an item legend lists nothing until given items.
PoItemLegend::PoItemLegend() {
  SO_NODE_CONSTRUCTOR(PoItemLegend);
  SO_NODE_ADD_FIELD(start, (0.0f, 0.0f));
  SO_NODE_ADD_FIELD(end, (1.0f, 1.0f));
  SO_NODE_ADD_EMPTY_FIELD(itemString);
  SO_NODE_ADD_FIELD(boxVisibility, (TRUE));
  SO_NODE_ADD_EMPTY_FIELD(boxColor);
  SO_NODE_ADD_FIELD(lineVisibility, (FALSE));
  SO_NODE_ADD_EMPTY_FIELD(lineColor);
  SO_NODE_ADD_EMPTY_FIELD(lineFloatValue);
  SO_NODE_ADD_EMPTY_FIELD(lineShortValue);
  SO_NODE_ADD_FIELD(markerVisibility, (FALSE));
  SO_NODE_ADD_EMPTY_FIELD(markerColor);
  SO_NODE_ADD_EMPTY_FIELD(markerFloatValue);
  SO_NODE_ADD_EMPTY_FIELD(markerString);
}
