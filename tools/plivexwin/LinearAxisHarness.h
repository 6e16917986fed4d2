#pragma once

#include <memory>

#include "plivexwin/EditorHarness.h"

class PoLinearAxis;

namespace plivexwin::cli {

class ScriptedLinearAxisEditor;

// A linear axis editor named "plivexwin", without parent, editing a fresh
// PoLinearAxis. The node classes must be initialised.
class LinearAxisHarness : public EditorHarness {
 public:
  LinearAxisHarness();
  ~LinearAxisHarness() override;
  LinearAxisHarness(const LinearAxisHarness&) = delete;
  LinearAxisHarness& operator=(const LinearAxisHarness&) = delete;

  PoXtAxisEditor& editor() const override;
  PoXtDialog& dialog() const override;
  SoNode& node() const override;
  std::span<const std::string_view> filterLevels() const override;
  bool setFilter(std::string_view level, uint32_t show, uint32_t hide) override;
  // The filter levels, from the common axis levels to the linear one.
  static std::span<const std::string_view> levels();

 private:
  PoLinearAxis* node_;  // one reference
  std::unique_ptr<ScriptedLinearAxisEditor> editor_;
};

}  // namespace plivexwin::cli
