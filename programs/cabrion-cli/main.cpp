// cabrion-cli: the Cabrion engine without a window, for engineers who script.
#include <algorithm>
#include <iostream>
#include <map>

#include "Command.h"
#include "DrawingHelper.h"
#include "cabrion_version.h"

namespace cli {
std::vector<CommandEntry>& Commands() {
    static std::vector<CommandEntry> commands;
    return commands;
}
std::vector<char*>& Arguments() {
    static std::vector<char*> arguments;
    return arguments;
}
} // namespace cli

int main(int argc, char** argv) {
    cli::Arguments().assign(argv, argv + argc);
    CLI::App app{"Cabrion command line: work with site configurations and BTS links",
                 "cabrion-cli"};
    app.set_version_flag("--version", std::string("cabrion-cli ") + CABRION_VERSION);
    app.require_subcommand(0, 1);
    app.footer("check, report and dossier also take a folder: every Orvik configuration of each "
               "of its .hwc and .sdf files, with one summary line and the exit code of the worst "
               "case.\n\nExamples:\n"
               "  cabrion-cli dossier site.hwc --bts fetched.hwc --hwi site.hwi -o site.pdf\n"
               "  cabrion-cli dossier archive/ -o dossiers/\n"
               "  cabrion-cli check archive/\n\n"
               "With access checking switched on in the machine settings "
               "(/etc/xdg/Torvane/Cabrion.ini), \"send\" to a remote target needs membership "
               "of the group \"Torvane BTS_Admins\"; without it the command exits with 1 and "
               "sends nothing. fetch, link and search are open to every user.\n\n"
               "Exit codes: 0 success, 1 the input has problems, 2 usage error or unreadable "
               "input.");

    // Registration order depends on link order; list the commands by name instead.
    auto commands = cli::Commands();
    std::sort(commands.begin(), commands.end(),
              [](const auto& a, const auto& b) { return std::string(a.name) < b.name; });
    std::map<CLI::App*, std::function<int()>> runners;
    for (auto& entry : commands) {
        CLI::App* sub = app.add_subcommand(entry.name);
        runners[sub] = entry.setup(*sub);
    }

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int rc = app.exit(e);
        return rc == 0 ? cli::kExitOk : cli::kExitUsage;
    }
    for (auto* sub : app.get_subcommands()) {
        return runners[sub]();
    }
    std::cout << app.help();
    return cli::kExitOk;
}
