#include "app/options/OptionsSheet.h"

std::vector<std::string> OptionsPages(OptionsSheetKind kind, const SActiveConnection& connection) {
    if (kind == OptionsSheetKind::NoBTS) {
        return {"LMP"};
    }
    std::vector<std::string> pages;
    if (connection.kind != SActiveConnection::kRemote) {
        pages.push_back("LMP");
    }
    pages.insert(pages.end(), {"Display", "Cable Colours", "Bar Code Reader"});
    return pages;
}
