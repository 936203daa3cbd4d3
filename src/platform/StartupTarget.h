#pragma once
// What start-up does with a connection target from the command line: clean it and decide
// between a local and a remote link.

#include <string>
#include <string_view>

// Connection kinds shared with the link.
enum ConnectionKind {
    kConnectionNone = 0,
    kConnectionRemote = 1,
    kConnectionLocal = 2,
    kConnectionSimulator = 3
};

// Drops every blank, tab, newline, carriage return and vertical tab, then cuts the text at
// ",WP=FE": the link appends its own addressing to what is left.
std::string NormaliseTarget(std::string_view target);

// Local when the target asks for a serial line ("WP=COM"), remote otherwise.
ConnectionKind ConnectionKindForTarget(std::string_view target);
