// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <string_view>

class PoXtElementData;

// Giving a dialog element a value as a user picks or types it, checked the
// same way wherever the value comes from (an editing session's line, a web
// page's form).
namespace plivexwin::cli {

// Choices, sliders and toggles: the elements whose value a user picks.
bool holdsPickedValue(const PoXtElementData& element);
// Push buttons and section heads: the elements a user presses.
bool isPressable(const PoXtElementData& element);

// Gives element the value as a user would: a choice's item index, a number
// within a slider's limits, 0 or 1 for a toggle, any text for a text element
// (cut to the characters it reads). The dialog's callbacks do not run: the
// caller tells the dialog of the change. False, with the reason in error and
// the element as it was, when the element cannot take the value.
bool setElementValue(PoXtElementData& element, std::string_view value, std::string& error);

}  // namespace plivexwin::cli
