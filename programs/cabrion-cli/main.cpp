// cabrion-cli: the Cabrion engine without a window, for engineers who script.
#include <CLI/CLI.hpp>

#include "cabrion_version.h"

int main(int argc, char** argv) {
    CLI::App app{"Cabrion command line: list, validate, dump, convert and report site configurations",
                 "cabrion-cli"};
    app.set_version_flag("--version", std::string("cabrion-cli ") + CABRION_VERSION);
    app.require_subcommand(0, 1);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // Usage errors exit with 2, as every script relies on.
        int rc = app.exit(e);
        return rc == 0 ? 0 : 2;
    }
    if (app.get_subcommands().empty()) {
        std::cout << app.help();
    }
    return 0;
}
