#pragma once
// What the XML error display shows: a short message and, when there are any, the details
// that "Details >>" reveals.

#include <string>

struct CXMLError {
    std::string message;
    std::string details;

    bool HasDetails() const { return !details.empty(); }
    bool IsSet() const { return !message.empty(); }
};
