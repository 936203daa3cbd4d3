#pragma once
// Sobriquets: short names engineers give their BTS connections, kept in an INI file that maps
// each name to its connection text.

#include <string>
#include <vector>

namespace sobriquet {

// "Cannot connect to BTS using Sobriquet..." when the sobriquet file cannot be read.
std::string NotInstalledMessage(const std::string& name);
// "...the Sobriquet was not found..." when the file has no such name.
std::string NotFoundMessage(const std::string& name);
// Shown when a remote connection is started without a target and none can be had.
inline constexpr const char* kNoTargetMessage =
    "The Relko Connection Tool cannot provide a BTS Target string.\n\nCheck the Torvane Relko "
    "(Relko) software and try again.";

// Looks the name up in the text of a sobriquet file: "name=connection text" lines, sections
// and ";" or "#" comments ignored, names compared without regard to case. True with the
// connection text; false when the name is not there or has no text.
bool Lookup(const std::string& fileText, const std::string& name, std::string& target);

// The names the text of a sobriquet file gives a connection text to, in file order, each once.
std::vector<std::string> Names(const std::string& fileText);

// Reads the file and looks the name up; false with the message to show.
bool Resolve(const std::string& path, const std::string& name, std::string& target,
             std::string& message);

// $CABRION_SOBRIQUETS, else sobriquets.ini in the user's configuration folder.
std::string DefaultPath();

} // namespace sobriquet
