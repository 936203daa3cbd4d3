#pragma once
// The numbered texts of the system (messages, labels), kept in one table so that every caller
// uses the same words.

#include <string_view>

// The text with this number, or an empty view when the table has none.
std::string_view LoadString(int id);
