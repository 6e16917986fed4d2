#include "editors/framework/detail/AxisBaseTables.h"

#include "editors/framework/detail/SectionLabels.h"
#include "platform/plivex/PoAxis.h"

namespace plivexwin::detail {

namespace {

constexpr const char* kOffOnDepend[] = {"Off", "On", "Depend"};
constexpr const char* kPaths[] = {"Right", "Left", "Up", "Down", "Depend"};
constexpr const char* kGradPositions[] = {"Above", "Below", "Depend"};
constexpr const char* kTitlePositions[] = {"Middle", "End", "Depend"};
constexpr const char* kReverse[] = {"No Reverse", "Reverse", "Depend"};
constexpr const char* kMarginTypes[] = {"Relative", "Fixed"};
constexpr const char* kTickPositions[] = {"Grad. Side", "Grad. Other Side", "Across Axis"};
constexpr const char* kTickSubDefs[] = {"Num. Sub.", "Period Main"};

// Group 1, the text group, by element position.
constexpr ElementRow kTextRows[] = {
    choice<&PoAxis::gradVisibility>("Visibility :", kOffOnDepend),
    choice<&PoAxis::gradPosition>("Position :", kGradPositions),
    choice<&PoAxis::gradPath>("Path :", kPaths),
    text<&PoAxis::gradFontName>("Font Name :", "defaultFont"),
    realSlider<&PoAxis::gradFontSize>("Font Size :", 0, 1, 0),
    realSlider<&PoAxis::gradDistAxis>("Dist. Axis :", 0, 1, 0),
    toggle<&PoAxis::gradStringVisibility>("String Visibility :"),
    text<&PoAxis::gradString>("String :", ""),
    choice<&PoAxis::titleVisibility>("Visibility :", kOffOnDepend),
    choice<&PoAxis::titlePosition>("Position :", kTitlePositions),
    choice<&PoAxis::titlePath>("Path :", kPaths),
    text<&PoAxis::titleFontName>("Font Name :", ""),
    realSlider<&PoAxis::titleFontSize>("Font Size :", 0, 1, 0),
    realSlider<&PoAxis::titleDistAxis>("Dist. Axis :", 0, 1, 0),
    text<&PoAxis::titleString>("String :", ""),
    choice<&PoAxis::reverseFlag>("Reverse Flag :", kReverse),
    button("Misc. Text Attr. :", "Edit"),
};
static_assert(std::size(kTextRows) == 17);

// Group 2, the geometry group.
constexpr ElementRow kGeomRows[] = {
    choice<&PoAxis::marginType>("Type :", kMarginTypes),
    realSlider<&PoAxis::marginStart>("Start :", 0, 1, 0),
    realSlider<&PoAxis::marginEnd>("End :", 0, 1, 0),
    choice<&PoAxis::gridVisibility>("Visibility :", kOffOnDepend),
    realSlider<&PoAxis::gridLengthGradSide>("Length Grad. Side :", 0, 1, 0),
    realSlider<&PoAxis::gridLengthGradOtherSide>("Length Grad. Other Side :", 0, 1, 1),
    choice<&PoAxis::arrowVisibility>("Visibility :", kOffOnDepend),
    realSlider<&PoAxis::arrowHeight>("Height :", 0, 1, 0),
    realSlider<&PoAxis::arrowLength>("Length :", 0, 1, 0),
    choice<&PoAxis::tickVisibility>("Visibility :", kOffOnDepend),
    choice<&PoAxis::tickPosition>("Position :", kTickPositions),
    realSlider<&PoAxis::tickMainLength>("Main Length :", 0, 1, 0),
    realSlider<&PoAxis::tickSubLength>("Sub. Length :", 0, 1, 0),
    choice<&PoAxis::tickSubDef>("Sub. Definition :", kTickSubDefs),
    intSlider<&PoAxis::tickNumOrPeriod>("Numeric Or Period :", 1, 10, 1),
    intSlider<&PoAxis::tickFirstGrad>("First Grad. :", 1, 10, 1),
    intSlider<&PoAxis::tickLastGrad>("Last Grad. :", 1, 10, 1),
};
static_assert(std::size(kGeomRows) == 17);

constexpr ElementGroup kText = makeGroup<kTextRows>(1);
constexpr ElementGroup kGeom = makeGroup<kGeomRows>(2);

// label, group, element mask, toggled
constexpr SectionLayout kTextSectionTable[] = {
    {&labels::graduations, &kText, 0x000000ff, true},
    {&labels::title, &kText, 0x00007f00, true},
    {&labels::reverseFlag, &kText, 0x00008000, false},
    {&labels::miscTextAttr, &kText, 0x00010000, false},
};
constexpr SectionLayout kGeomSectionTable[] = {
    {&labels::margin, &kGeom, 0x00000007, true},
    {&labels::grid, &kGeom, 0x00000038, true},
    {&labels::arrow, &kGeom, 0x000001c0, true},
    {&labels::tick, &kGeom, 0x0001fe00, true},
};

// The common fields in declaration order, then the miscellaneous text attribute.
constexpr CopyFieldFn kCopied[] = {
    copyField<&PoAxis::gradVisibility>,
    copyField<&PoAxis::gradPosition>,
    copyField<&PoAxis::gradPath>,
    copyField<&PoAxis::gradFontName>,
    copyField<&PoAxis::gradFontSize>,
    copyField<&PoAxis::gradDistAxis>,
    copyField<&PoAxis::gradStringVisibility>,
    copyField<&PoAxis::gradString>,
    copyField<&PoAxis::marginType>,
    copyField<&PoAxis::marginStart>,
    copyField<&PoAxis::marginEnd>,
    copyField<&PoAxis::titleVisibility>,
    copyField<&PoAxis::titlePosition>,
    copyField<&PoAxis::titlePath>,
    copyField<&PoAxis::titleFontName>,
    copyField<&PoAxis::titleFontSize>,
    copyField<&PoAxis::titleDistAxis>,
    copyField<&PoAxis::titleString>,
    copyField<&PoAxis::gridVisibility>,
    copyField<&PoAxis::gridLengthGradSide>,
    copyField<&PoAxis::gridLengthGradOtherSide>,
    copyField<&PoAxis::arrowVisibility>,
    copyField<&PoAxis::arrowHeight>,
    copyField<&PoAxis::arrowLength>,
    copyField<&PoAxis::tickVisibility>,
    copyField<&PoAxis::tickPosition>,
    copyField<&PoAxis::tickMainLength>,
    copyField<&PoAxis::tickSubLength>,
    copyField<&PoAxis::tickSubDef>,
    copyField<&PoAxis::tickNumOrPeriod>,
    copyField<&PoAxis::tickFirstGrad>,
    copyField<&PoAxis::tickLastGrad>,
    copyField<&PoAxis::reverseFlag>,
    copyAttribute<&PoAxis::getMiscTextAttr, &PoAxis::setMiscTextAttr>,
};

}  // namespace

const ElementGroup kAxisTextGroup = kText;
const ElementGroup kAxisGeomGroup = kGeom;
const std::span<const SectionLayout> kAxisTextSections = kTextSectionTable;
const std::span<const SectionLayout> kAxisGeomSections = kGeomSectionTable;
const std::span<const CopyFieldFn> kAxisCopied = kCopied;

}  // namespace plivexwin::detail
