#pragma once

// The two element groups, eight sections and copied fields common to every axis editor.

#include <span>

#include "editors/framework/detail/EditorMachinery.h"

namespace plivexwin::detail {

extern const ElementGroup kAxisTextGroup;                       // group 1
extern const ElementGroup kAxisGeomGroup;                       // group 2
extern const std::span<const SectionLayout> kAxisTextSections;  // sections 0 to 3
extern const std::span<const SectionLayout> kAxisGeomSections;  // sections 4 to 7
extern const std::span<const CopyFieldFn> kAxisCopied;

}  // namespace plivexwin::detail
