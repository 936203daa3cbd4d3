#pragma once
// Where F1 and the Help menu take the engineer in the user guide (docs/help, installed with the
// program's data). Menu commands carry the help context 0x10000 + command id; a context names
// a page of the guide and, where the page has several topics, an anchor on it.

#include <string>

namespace help {

inline constexpr int kCommandContextBase = 0x10000;

// The help context of a menu command, or 0 when the command has no help of its own (framework
// commands above 0xE000 that are not in the guide).
int CommandContext(int commandId);

// The page for a context, as "page.html" or "page.html#anchor"; the contents page for 0 or a
// context the guide does not know.
std::string PageForContext(int context);

// The page that describes a view of the cabinet (view types 1-13).
std::string PageForView(int viewType);

// The guide's folder: the environment's override when set, else the installed data folder
// beside the program (PREFIX/bin -> PREFIX/share/cabrion/help), else the source tree's copy.
// Empty when none of them holds the contents page.
std::string GuideFolder(const std::string& programDir, const char* overrideFolder,
                        const std::string& sourceFolder);

} // namespace help
