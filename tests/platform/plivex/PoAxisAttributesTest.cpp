// SPDX-License-Identifier: Apache-2.0
#include <gtest/gtest.h>

#include "PlivexTestSupport.h"
#include "platform/plivex/PbDateFormatMapping.h"
#include "platform/plivex/PbMiscTextAttr.h"
#include "platform/plivex/PbNumericDisplayFormat.h"
#include "platform/plivex/PoItemLegend.h"
#include "platform/plivex/PoLinearAxis.h"
#include "platform/plivex/PoPolarLinAxis.h"
#include "platform/plivex/PoTimeAxis.h"
#include "platform/scenar/fields/SoField.h"

namespace {

// Each kind of attribute object a node owns: the node class, the object class,
// the node's getter and setter, an object unlike the default and a change to it.
struct MiscTextAttrOfAxis {
  using Node = PoTimeAxis;
  using Attr = PbMiscTextAttr;
  static const Attr* get(const Node* node) { return node->getMiscTextAttr(); }
  static void set(Node* node, const Attr* attr) { node->setMiscTextAttr(attr); }
  static Attr sample() {
    Attr attr;
    attr.setFontName("Courier");
    attr.setLineLength(40);
    attr.setLineSpacing(1.5f);
    return attr;
  }
  static void change(Attr& attr) { attr.setFontName("Times"); }
};

struct MiscTextAttrOfLegend : MiscTextAttrOfAxis {
  using Node = PoItemLegend;
  static const Attr* get(const Node* node) { return node->getMiscTextAttr(); }
  static void set(Node* node, const Attr* attr) { node->setMiscTextAttr(attr); }
};

struct FormatOfLinearAxis {
  using Node = PoLinearAxis;
  using Attr = PbNumericDisplayFormat;
  static const Attr* get(const Node* node) { return node->getFormat(); }
  static void set(Node* node, const Attr* attr) { node->setFormat(attr); }
  static Attr sample() {
    Attr attr;
    attr.setType(Attr::Type::SCIENTIFIC);
    attr.setNumDigits(4);
    attr.setDecimalSeparator(',');
    return attr;
  }
  static void change(Attr& attr) { attr.setNumDigits(7); }
};

struct FormatOfPolarLinAxis : FormatOfLinearAxis {
  using Node = PoPolarLinAxis;
  static const Attr* get(const Node* node) { return node->getFormat(); }
  static void set(Node* node, const Attr* attr) { node->setFormat(attr); }
};

struct DateFormatMappingOfTimeAxis {
  using Node = PoTimeAxis;
  using Attr = PbDateFormatMapping;
  static const Attr* get(const Node* node) { return node->getDateFormatMapping(); }
  static void set(Node* node, const Attr* attr) { node->setDateFormatMapping(attr); }
  static Attr sample() {
    Attr attr;
    attr.addMapping(60.0, "%H:%M");
    attr.addMapping(86400.0, "%d/%m");
    return attr;
  }
  static void change(Attr& attr) { attr.addMapping(3600.0, "%Hh"); }
};

template <typename Traits>
class PoAxisAttributesTest : public PlivexTest {
 protected:
  using Node = typename Traits::Node;
  using Attr = typename Traits::Attr;
};

using AttributeKinds =
    ::testing::Types<MiscTextAttrOfAxis, MiscTextAttrOfLegend, FormatOfLinearAxis,
                     FormatOfPolarLinAxis, DateFormatMappingOfTimeAxis>;
TYPED_TEST_SUITE(PoAxisAttributesTest, AttributeKinds);

TYPED_TEST(PoAxisAttributesTest, setterCopiesTheContentIntoTheNodesOwnObject) {
  using Node = typename TestFixture::Node;
  using Attr = typename TestFixture::Attr;
  SoRef<Node> node(new Node);
  const Attr* own = TypeParam::get(node.get());
  ASSERT_EQ(*own, Attr());

  Attr source = TypeParam::sample();
  TypeParam::set(node.get(), &source);
  EXPECT_EQ(TypeParam::get(node.get()), own);
  EXPECT_EQ(*own, TypeParam::sample());

  TypeParam::change(source);
  EXPECT_EQ(*own, TypeParam::sample());
}

TYPED_TEST(PoAxisAttributesTest, nullResetsToTheDefaultAndOwnObjectCopiesOntoItself) {
  using Node = typename TestFixture::Node;
  using Attr = typename TestFixture::Attr;
  SoRef<Node> node(new Node);
  Attr source = TypeParam::sample();
  TypeParam::set(node.get(), &source);

  TypeParam::set(node.get(), TypeParam::get(node.get()));
  EXPECT_EQ(*TypeParam::get(node.get()), TypeParam::sample());
  TypeParam::set(node.get(), nullptr);
  EXPECT_EQ(*TypeParam::get(node.get()), Attr());
}

TYPED_TEST(PoAxisAttributesTest, copiesFromOneNodeToAnother) {
  using Node = typename TestFixture::Node;
  SoRef<Node> from(new Node);
  SoRef<Node> to(new Node);
  auto source = TypeParam::sample();
  TypeParam::set(from.get(), &source);

  TypeParam::set(to.get(), TypeParam::get(from.get()));
  EXPECT_EQ(*TypeParam::get(to.get()), TypeParam::sample());
  TypeParam::set(from.get(), nullptr);
  EXPECT_EQ(*TypeParam::get(to.get()), TypeParam::sample());
}

TYPED_TEST(PoAxisAttributesTest, setterFiresTheNodesSensorsOnceWithoutAField) {
  using Node = typename TestFixture::Node;
  SoRef<Node> node(new Node);
  SensorLog log;
  log.lastField = reinterpret_cast<SoField*>(&log);
  SoNodeSensor sensor(&SensorLog::fired, &log);
  sensor.attach(node.get());

  auto source = TypeParam::sample();
  TypeParam::set(node.get(), &source);
  EXPECT_EQ(log.count, 1);
  EXPECT_EQ(log.lastField, nullptr);
  TypeParam::set(node.get(), nullptr);
  EXPECT_EQ(log.count, 2);
}

}  // namespace
