// SPDX-License-Identifier: Apache-2.0
// Fonts and texts: scene files, pictures, boxes, picks and the conversion to
// VRML Text.

#include "platform/scenar/nodes/SoText3.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/gl/Text.h"
#include "platform/scenar/Scenar.h"
#include "platform/scenar/basic/SoRef.h"
#include "support/ToolkitTestSupport.h"

namespace {

class SoText3Test : public LiveCountTest {
 protected:
  static void SetUpTestSuite() { SoDB::init(); }
};

// A separator holding a font of size (none when size is 0) and a text of
// strings.
SoSeparator* textScene(float size, const std::vector<SbString>& strings,
                       int justification = SoText3::LEFT, float spacing = 1.0f,
                       const char* fontName = "defaultFont") {
  auto* root = new SoSeparator;
  if (size != 0.0f) {
    auto* font = new SoFont;
    font->name.setValue(fontName);
    font->size = size;
    root->addChild(font);
  }
  auto* text = new SoText3;
  text->string.setValues(0, static_cast<int>(strings.size()), strings.data());
  text->justification = justification;
  text->spacing = spacing;
  root->addChild(text);
  return root;
}

SbBox3f boxOf(SoNode* scene) {
  const SoRef held(scene);
  SoGetBoundingBoxAction action(SbViewportRegion(100, 100));
  action.apply(scene);
  return action.getBoundingBox();
}

void expectBox(const SbBox3f& box, float xmin, float ymin, float xmax, float ymax,
               const char* what) {
  ASSERT_FALSE(box.isEmpty()) << what;
  EXPECT_NEAR(box.getMin()[0], xmin, 1e-5f) << what;
  EXPECT_NEAR(box.getMin()[1], ymin, 1e-5f) << what;
  EXPECT_NEAR(box.getMax()[0], xmax, 1e-5f) << what;
  EXPECT_NEAR(box.getMax()[1], ymax, 1e-5f) << what;
  EXPECT_EQ(box.getMin()[2], 0.0f) << what;
  EXPECT_EQ(box.getMax()[2], 0.0f) << what;
}

// Strings a file must carry byte for byte: quotes, a backslash, a line
// break, bytes that are not UTF-8.
const std::vector<SbString> kOddStrings = {"say \"hi\" \\ now", "two\nlines",
                                           "\xff\xfe bad \xe2\x82"};

}  // namespace

TEST_F(SoText3Test, aFileOfFontAndTextReadsWritesBackAndDrawsInsideItsBox) {
  SoRef written = cameraScene();
  auto* red = new SoMaterial;
  red->diffuseColor.setValue(SbColor(1, 0, 0));
  written->addChild(red);
  written->addChild(textScene(0.2f, kOddStrings, SoText3::CENTER, 1.25f));
  SoWriteAction first;
  first.apply(written.get());
  const std::string text = first.getOutput()->getBuffer();
  written.reset();
  EXPECT_NE(text.find("justification CENTER"), std::string::npos) << text;

  const SoRef read = readNode(text);
  ASSERT_TRUE(read);
  SoWriteAction again;
  again.apply(read.get());
  // A string changed by the way would write otherwise.
  EXPECT_EQ(again.getOutput()->getBuffer(), text);

  // Red pixels (half covered or more) inside the box alone, under the
  // default light model; the camera sees [-1, 1] on both axes.
  constexpr int kSide = 200;
  SoOffscreenRenderer renderer{SbViewportRegion(kSide, kSide)};
  renderer.setBackgroundColor(SbColor(1, 1, 1));
  ASSERT_TRUE(renderer.render(read.get()));
  const SbBox3f box = boxOf(read.get());
  ASSERT_FALSE(box.isEmpty());
  const auto pixel = [](float v) { return (v + 1.0f) * 0.5f * kSide; };
  int inside = 0, outside = 0;
  for (int row = 0; row < kSide; ++row)
    for (int column = 0; column < kSide; ++column) {
      const unsigned char* rgba = renderer.getBuffer() + (row * kSide + column) * 4;
      if (rgba[1] > 128) continue;
      EXPECT_GT(rgba[0], 200) << "a pixel of the text is red";
      const float x = column + 0.5f, y = kSide - row - 0.5f;
      const bool in = x > pixel(box.getMin()[0]) - 1 && x < pixel(box.getMax()[0]) + 1 &&
                      y > pixel(box.getMin()[1]) - 1 && y < pixel(box.getMax()[1]) + 1;
      ++(in ? inside : outside);
    }
  EXPECT_GT(inside, 100);
  EXPECT_EQ(outside, 0);
}

TEST_F(SoText3Test, theBoxGrowsWithSizeAndTextAndJustificationMovesIt) {
  const glstandin::Font* font = glstandin::findFont("defaultFont");
  const float ascent = glstandin::fontAscent(font), descent = glstandin::fontDescent(font);
  const float ab = glstandin::textAdvance(font, "ab"), abab = glstandin::textAdvance(font, "abab");
  ASSERT_GT(ab, 0.0f);
  ASSERT_GT(abab, ab);
  expectBox(boxOf(textScene(1, {"ab"})), 0, -descent, ab, ascent, "one em");
  expectBox(boxOf(textScene(2, {"ab"})), 0, -2 * descent, 2 * ab, 2 * ascent, "two ems");
  expectBox(boxOf(textScene(1, {"abab"})), 0, -descent, abab, ascent, "longer");
  expectBox(boxOf(textScene(1, {"ab"}, SoText3::RIGHT)), -ab, -descent, 0, ascent, "right");
  expectBox(boxOf(textScene(1, {"ab"}, SoText3::CENTER)), -ab / 2, -descent, ab / 2, ascent,
            "centred");
  expectBox(boxOf(textScene(2, {"ab", "abab"}, SoText3::LEFT, 1.5f)), 0, -3 - 2 * descent, 2 * abab,
            2 * ascent, "two lines");
  expectBox(boxOf(textScene(1, {"ab", "ab"}, 99, NAN)), 0, -1 - descent, ab, ascent, "odd values");
  expectBox(boxOf(textScene(0, {"ab"})), 0, -10 * descent, 10 * ab, 10 * ascent, "default size");

  // Nothing to bound, and a font that stays inside its separator.
  for (SoSeparator* empty : {textScene(1, {}), textScene(1, {"", ""}), textScene(-1, {"ab"}),
                             textScene(NAN, {"ab"}), textScene(INFINITY, {"ab"})})
    EXPECT_TRUE(boxOf(empty).isEmpty());
  auto* after = new SoSeparator;
  after->addChild(textScene(1, {}));
  after->addChild(new SoText3);
  static_cast<SoText3*>(after->getChild(1))->string.setValue("ab");
  expectBox(boxOf(after), 0, -10 * descent, 10 * ab, 10 * ascent, "after a separator");
}

TEST_F(SoText3Test, pickingRaysHitTheTextBoxOnceAndMissBesideIt) {
  const SoRef root = cameraScene();
  root->addChild(textScene(0.5f, {"Hello"}));
  const SbBox3f box = boxOf(root.get());
  const SbVec3f centre = box.getCenter();
  const auto pickAt = [&](float x, float y) {
    SoRayPickAction action(SbViewportRegion(100, 100));
    action.setNormalizedPoint(SbVec2f((x + 1) / 2, (y + 1) / 2));
    action.apply(root.get());
    const auto picked = action.getPickedPointList();
    return std::vector<SoPickedPoint>(picked.begin(), picked.end());
  };
  const auto hits = pickAt(centre[0], centre[1]);
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_TRUE(hits[0].node->isOfType(SoText3::getClassTypeId()));
  EXPECT_NEAR(hits[0].point[2], 0.0f, 1e-5f);
  EXPECT_TRUE(pickAt(box.getMin()[0] - 0.05f, centre[1]).empty());
  EXPECT_TRUE(pickAt(box.getMax()[0] + 0.05f, centre[1]).empty());
  EXPECT_TRUE(pickAt(centre[0], box.getMax()[1] + 0.05f).empty());
}

TEST_F(SoText3Test, convertsToATextShapeOfTheFontsSizeJustificationFamilyAndColour) {
  struct Case {
    const char* fontName;
    int justification;
    const char* family;   // nullptr: the default, "SERIF"
    const char* justify;  // nullptr: the default, "BEGIN"
  };
  const Case cases[] = {{"defaultFont", SoText3::LEFT, "SANS", nullptr},
                        {"DejaVu Serif", SoText3::RIGHT, nullptr, "END"},
                        {"DejaVu Sans", SoText3::CENTER, "SANS", "MIDDLE"},
                        {"DejaVu Sans Mono", SoText3::LEFT, "TYPEWRITER", nullptr},
                        {"courier new", SoText3::LEFT, "TYPEWRITER", nullptr},
                        {"American TYPEWRITER", SoText3::LEFT, "TYPEWRITER", nullptr},
                        {"sans-serif", SoText3::LEFT, "SANS", nullptr}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fontName);
    const SoRef root(new SoSeparator);
    auto* material = new SoMaterial;
    material->diffuseColor.setValue(SbColor(0, 0.5f, 1));
    root->addChild(material);
    root->addChild(textScene(0.25f, kOddStrings, c.justification, 1.5f, c.fontName));
    SoToVRML2Action action;
    action.apply(root.get());
    SoSearchAction search;
    search.setType(SoVRMLShape::getClassTypeId());
    search.apply(action.getVRML2SceneGraph());
    ASSERT_TRUE(search.getPath());
    const auto* shape = static_cast<SoVRMLShape*>(search.getPath()->getTail());
    const auto* vrmlMaterial = static_cast<SoVRMLMaterial*>(
        static_cast<SoVRMLAppearance*>(shape->appearance.getValue())->material.getValue());
    EXPECT_EQ(vrmlMaterial->emissiveColor.getValue(), SbColor(0, 0.5f, 1));
    EXPECT_EQ(vrmlMaterial->diffuseColor.getValue(), SbColor(0, 0, 0));
    const auto* text = dynamic_cast<SoVRMLText*>(shape->geometry.getValue());
    ASSERT_TRUE(text);
    ASSERT_EQ(text->string.getNum(), 3);
    EXPECT_EQ(text->string[0].str(), kOddStrings[0].str());
    EXPECT_EQ(text->string[2].str(), "\xef\xbf\xbd\xef\xbf\xbd bad \xef\xbf\xbd");
    const auto* style = dynamic_cast<SoVRMLFontStyle*>(text->fontStyle.getValue());
    ASSERT_TRUE(style);
    EXPECT_EQ(style->size.getValue(), 0.25f);
    EXPECT_EQ(style->spacing.getValue(), 1.5f);
    EXPECT_EQ(style->family.isDefault(), c.family == nullptr);
    EXPECT_EQ(style->family[0].str(), c.family ? c.family : "SERIF");
    EXPECT_EQ(style->justify.isDefault(), c.justify == nullptr);
    EXPECT_EQ(style->justify[0].str(), c.justify ? c.justify : "BEGIN");
  }
}
