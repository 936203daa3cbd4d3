#include "files/SCFParseError.h"

#include "files/SCFSite.h"

std::string_view CSCFParseError::TypeWord(int type) {
    switch (type) {
    case 0:
        return "Missing";
    case 1:
        return "Version";
    case 2:
        return "Unidentified";
    case 3:
        return "Misplaced";
    case 4:
        return "Value";
    default:
        return "Unknown";
    }
}

std::string CSCFParseError::ConfigurationName() const {
    if (site == nullptr && siteName.empty())
        return "<File Header>";
    return siteName;
}
