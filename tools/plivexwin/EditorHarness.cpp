#include "plivexwin/EditorHarness.h"

#include "platform/plivex/PoBase.h"
#include "plivexwin/LinearAxisHarness.h"

namespace plivexwin::cli {

std::span<const EditorKind> editorKinds() {
  static const EditorKind kKinds[] = {
      {"linear", "PoXtLinearAxisEditor editing a PoLinearAxis", LinearAxisHarness::levels(),
       []() -> std::unique_ptr<EditorHarness> { return std::make_unique<LinearAxisHarness>(); }},
  };
  return kKinds;
}

std::unique_ptr<EditorHarness> openEditor(std::string_view kind) {
  for (const EditorKind& known : editorKinds()) {
    if (known.name != kind) continue;
    PoBase::initClasses();
    return known.open();
  }
  return nullptr;
}

}  // namespace plivexwin::cli
