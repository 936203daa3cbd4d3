#include "app/views/ViewChoice.h"

#include <cctype>
#include <charconv>

#include "app/views/ViewBase.h"
#include "model/UnitTypeRecord.h"

namespace ViewChoice {

namespace {

// Lower case, with every run of blanks, dashes and underscores made one dash.
std::string Slug(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else if (!out.empty() && out.back() != '-') {
            out += '-';
        }
    }
    while (!out.empty() && out.back() == '-') {
        out.pop_back();
    }
    return out;
}

bool ParseNumber(const std::string& text, int& out) {
    if (text.empty()) {
        return false;
    }
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end;
}

struct SKindName {
    const char* name;
    int kind;
};

constexpr SKindName kKinds[] = {
    {"trx", kUnitKindTrx}, {"boi", kUnitKindBoi}, {"bb2", kUnitKindBb2}, {"pwr", kUnitKindPwr},
    {"tre", kUnitKindTre}, {"ddu", kUnitKindDdu}, {"btr", kUnitKindBtr}, {"mc2", kUnitKindMc2},
    {"mc6", kUnitKindMc6}, {"wbc", kUnitKindWbc}, {"mha", kUnitKindMha}, {"rtc", kUnitKindRtc},
    {"wbt", kUnitKindWbt},
};

} // namespace

int ViewType(const CViewBase& manager, const std::string& text) {
    int number = 0;
    if (ParseNumber(text, number)) {
        return manager.FindView(number) != nullptr ? number : 0;
    }
    const std::string wanted = Slug(text);
    for (const auto& view : manager.Views()) {
        if (!wanted.empty() && Slug(view->Name()) == wanted) {
            return view->Type();
        }
    }
    return 0;
}

std::string ViewNames(const CViewBase& manager) {
    std::string out;
    for (const auto& view : manager.Views()) {
        if (!out.empty()) {
            out += ", ";
        }
        out += std::to_string(view->Type()) + " " + Slug(view->Name());
    }
    return out;
}

bool ParseUnit(const std::string& text, int& kind, int& number) {
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos || !ParseNumber(text.substr(colon + 1), number) || number < 1) {
        return false;
    }
    const std::string kindText = Slug(text.substr(0, colon));
    if (ParseNumber(kindText, kind)) {
        for (const SKindName& k : kKinds) {
            if (k.kind == kind) {
                return true;
            }
        }
        return false;
    }
    for (const SKindName& k : kKinds) {
        if (kindText == k.name) {
            kind = k.kind;
            return true;
        }
    }
    return false;
}

} // namespace ViewChoice
