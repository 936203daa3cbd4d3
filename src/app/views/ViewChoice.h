#pragma once
// How scripts name a view and a unit: a view by its type number or its name (any case, blanks
// or dashes between the words), a unit by its kind (number or short name) and number.

#include <string>

class CViewBase;

namespace ViewChoice {

// The view type the text names among the manager's views; 0 when none.
int ViewType(const CViewBase& manager, const std::string& text);
// The names of the manager's views as a script may type them: "cabinet-units", ...
std::string ViewNames(const CViewBase& manager);
// "trx:3", "6:1", "ddu:1"; false when the text is not KIND:NUMBER with a known kind.
bool ParseUnit(const std::string& text, int& kind, int& number);

} // namespace ViewChoice
