#include "plivexwin/LinearAxisHarness.h"

#include "editors/axis/PoXtLinearAxisEditor.h"
#include "platform/plivex/PoLinearAxis.h"

namespace plivexwin::cli {

// The editor with its dialog in reach, as a user's window would have it.
class ScriptedLinearAxisEditor : public PoXtLinearAxisEditor {
 public:
  using PoXtLinearAxisEditor::PoXtLinearAxisEditor;
  PoXtDialog* getDialog() const { return dialog; }
};

namespace {

constexpr std::string_view kLevels[] = {"text", "geom", "cartesian", "linear"};

struct FilterLevel {
  std::string_view name;
  void (PoXtLinearAxisEditor::*set)(uint32_t show, uint32_t hide);
};

constexpr FilterLevel kFilterSetters[] = {
    {kLevels[0], &PoXtLinearAxisEditor::setTextAxisFilter},
    {kLevels[1], &PoXtLinearAxisEditor::setGeomAxisFilter},
    {kLevels[2], &PoXtLinearAxisEditor::setCartesianAxisFilter},
    {kLevels[3], &PoXtLinearAxisEditor::setLinearAxisFilter},
};

}  // namespace

LinearAxisHarness::LinearAxisHarness()
    : node_(new PoLinearAxis),
      editor_(std::make_unique<ScriptedLinearAxisEditor>(nullptr, "plivexwin")) {
  node_->ref();
  editor_->attach(node_);
  editor_->show();
}

LinearAxisHarness::~LinearAxisHarness() {
  editor_.reset();
  node_->unref();
}

PoXtAxisEditor& LinearAxisHarness::editor() const { return *editor_; }

PoXtDialog& LinearAxisHarness::dialog() const { return *editor_->getDialog(); }

SoNode& LinearAxisHarness::node() const { return *node_; }

std::span<const std::string_view> LinearAxisHarness::filterLevels() const { return kLevels; }

std::span<const std::string_view> LinearAxisHarness::levels() { return kLevels; }

bool LinearAxisHarness::setFilter(std::string_view level, uint32_t show, uint32_t hide) {
  for (const FilterLevel& filter : kFilterSetters) {
    if (filter.name != level) continue;
    (editor_.get()->*filter.set)(show, hide);
    return true;
  }
  return false;
}

}  // namespace plivexwin::cli
