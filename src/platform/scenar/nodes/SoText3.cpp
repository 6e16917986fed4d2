// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/nodes/SoText3.h"

#include <cmath>

#include "platform/gl/GL.h"
#include "platform/gl/Text.h"
#include "platform/scenar/actions/SoAction.h"
#include "platform/scenar/actions/SoFontNameElement.h"
#include "platform/scenar/actions/SoFontSizeElement.h"
#include "platform/scenar/actions/SoGLRenderAction.h"
#include "platform/scenar/actions/SoRayPickAction.h"

namespace {

const SoEnumEntry kJustifications[] = {
    {"LEFT", SoText3::LEFT}, {"RIGHT", SoText3::RIGHT}, {"CENTER", SoText3::CENTER}};

// The current font, and the height of an em: 0 when the font's size is not
// positive and finite, which lays out nothing.
struct CurrentFont {
  const glstandin::Font* font = nullptr;
  float size = 0.0f;
};

CurrentFont currentFont(SoAction* action) {
  SoState* state = action->getState();
  const float size = SoFontSizeElement::get(state);
  if (!(size > 0.0f) || !std::isfinite(size)) return {};
  return {glstandin::findFont(SoFontNameElement::get(state).str()), size};
}

// One line as it is laid out in the text's coordinates: its base line from
// (x, y) to (x + width, y).
struct Line {
  const SbString& text;
  float x;
  float y;
  float width;
};

// Calls visit with each line of text in font that has an advance and a
// finite place. A spacing that is not finite counts as 1.
template <typename Visit>
void forEachLine(const SoText3& text, const CurrentFont& font, Visit&& visit) {
  if (font.size == 0.0f) return;
  const float spacing = std::isfinite(text.spacing.getValue()) ? text.spacing.getValue() : 1.0f;
  const int justification = text.justification.getValue();
  for (int i = 0; i < text.string.getNum(); ++i) {
    const SbString& string = text.string[i];
    const float width = glstandin::textAdvance(font.font, string.str()) * font.size;
    const float x = justification == SoText3::RIGHT    ? -width
                    : justification == SoText3::CENTER ? -0.5f * width
                                                       : 0.0f;
    const float y = i == 0 ? 0.0f : -static_cast<float>(i) * spacing * font.size;
    if (width > 0.0f && std::isfinite(width) && std::isfinite(y)) visit(Line{string, x, y, width});
  }
}

}  // namespace

SO_NODE_SOURCE(SoText3)

void SoText3::initClass() { SO_NODE_INIT_CLASS(SoText3, "Text3"); }

SoText3::SoText3() {
  SO_NODE_CONSTRUCTOR(SoText3);
  SO_NODE_ADD_EMPTY_FIELD(string);
  SO_NODE_ADD_FIELD(spacing, (1.0f));
  SO_NODE_ADD_FIELD(justification, (LEFT));
  justification.setEnums(kJustifications, 3);
}

void SoText3::computeBBox(SoAction* action, SbBox3f& box) {
  box.makeEmpty();
  const CurrentFont font = currentFont(action);
  if (font.size == 0.0f) return;
  const float descent = glstandin::fontDescent(font.font) * font.size;
  const float ascent = glstandin::fontAscent(font.font) * font.size;
  forEachLine(*this, font, [&](const Line& line) {
    box.extendBy(SbVec3f(line.x, line.y - descent, 0.0f));
    box.extendBy(SbVec3f(line.x + line.width, line.y + ascent, 0.0f));
  });
}

void SoText3::rayPickGeometry(SoRayPickAction* action) {
  // The box is flat: its one rectangle, hit once.
  SbBox3f box;
  computeBBox(action, box);
  if (box.isEmpty()) return;
  const SbVec3f& lo = box.getMin();
  const SbVec3f& hi = box.getMax();
  const SbVec3f corners[4] = {
      {lo[0], lo[1], 0.0f}, {hi[0], lo[1], 0.0f}, {hi[0], hi[1], 0.0f}, {lo[0], hi[1], 0.0f}};
  action->intersectPolygon(this, corners, 4);
}

void SoText3::drawGeometry(SoGLRenderAction* action) {
  // Text is drawn in its colour whatever the light model.
  glDisable(GL_LIGHTING);
  const CurrentFont font = currentFont(action);
  forEachLine(*this, font, [&](const Line& line) {
    glstandin::drawText(font.font, font.size, line.x, line.y, 0.0f, line.text.str());
  });
}
