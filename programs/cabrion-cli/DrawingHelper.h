#pragma once
// render and dossier paint with Qt's picture libraries, whose loading alone takes longer than
// checking a large file does. They run in a program of their own, cabrion-cli-draw, which
// cabrion-cli starts in its place with the same arguments, so that every other command
// starts with the core libraries only. Both programs define every option of the two
// commands, so help and usage errors come from cabrion-cli as before.

#include <string>
#include <vector>

namespace cli {

// The arguments main() was given.
std::vector<char*>& Arguments();

// Replaces this process with cabrion-cli-draw and the arguments; returns the usage exit code,
// having said why, only when the program cannot be started.
int RunDrawingHelper();

} // namespace cli
