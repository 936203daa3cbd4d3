// cabrion-btssim: a simulated Orvik BTS that speaks the BTS protocol over TCP or a pseudo-terminal.
#include <CLI/CLI.hpp>

#include "cabrion_version.h"

int main(int argc, char** argv) {
    CLI::App app{"Simulated Orvik BTS for Cabrion tests and demonstrations", "cabrion-btssim"};
    app.set_version_flag("--version", std::string("cabrion-btssim ") + CABRION_VERSION);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        int rc = app.exit(e);
        return rc == 0 ? 0 : 2;
    }
    return 0;
}
