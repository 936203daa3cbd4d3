#pragma once
// The edit script of `cabrion-cli edit`: a JSON list of page operations, each an object with
// "op" and whole-number fields. The reader checks names and the shape of every operation before
// any is applied, so that a script with a slip in its tenth line changes nothing.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct SEditOperation {
    std::string op;
    std::map<std::string, int> fields;

    bool Has(const std::string& name) const { return fields.count(name) != 0; }
    std::optional<int> Field(const std::string& name) const;
};

struct SEditScriptError {
    // 1-based position of the operation in the script; 0 when the script as a whole is wrong.
    int index = 0;
    std::string reason;
};

// Reads the whole script; nothing is handed back unless every operation is well formed.
std::optional<SEditScriptError> ReadEditScript(std::string_view bytes,
                                               std::vector<SEditOperation>& operations);

// The operation names, in the order the documentation lists them.
std::vector<std::string> EditOperationNames();
