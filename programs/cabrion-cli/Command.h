#pragma once
// Each subcommand of cabrion-cli lives in a file of its own and registers itself here, so that
// commands can be added without touching the others.

#include <CLI/CLI.hpp>

#include <functional>
#include <vector>

namespace cli {

// Exit codes scripts rely on.
constexpr int kExitOk = 0;
constexpr int kExitProblems = 1; // the input has problems: parse errors, failed checks
constexpr int kExitUsage = 2;    // usage error or unreadable input

// Adds the subcommand to the application and returns the function that runs it once parsed.
using CommandSetup = std::function<std::function<int()>(CLI::App& app)>;

struct CommandEntry {
    const char* name;
    CommandSetup setup;
};

std::vector<CommandEntry>& Commands();

struct CommandRegistrar {
    CommandRegistrar(const char* name, CommandSetup setup) {
        Commands().push_back({name, std::move(setup)});
    }
};

} // namespace cli
