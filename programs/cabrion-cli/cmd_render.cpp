// render: the picture of a view of a configuration as PNG, SVG or PDF, drawn by the same code
// as the window, without a display.
#include <iostream>

#include "ConfigChoice.h"
#include "DrawingHelper.h"
#if CABRION_CLI_DRAWS
#include "CandidateInput.h"
#include "GuiStart.h"
#include "app/views/ViewBase.h"
#include "app/views/ViewChoice.h"
#include "app/views/ViewHost.h"
#include "paint/PictureExport.h"
#include "platform/MemoryRegistry.h"
#endif

namespace {

struct RenderOptions {
    std::string path;
    cli::ConfigChoice choice;
    std::string btsPath;
    cli::ConfigChoice btsChoice;
    std::string view;
    std::string tab = "candidate";
    std::string select;
    int options = 5;
    std::string out;
    double scale = 1.0;
};

#if CABRION_CLI_DRAWS
class CRenderHost : public IViewHost {
public:
    explicit CRenderHost(CSiteKODA& site) : m_site(site) {}
    CSiteKODA* Site() override { return &m_site; }

private:
    CSiteKODA& m_site;
};

int RunRender(const RenderOptions& o) {
    if (o.tab != "candidate" && o.tab != "bts") {
        std::cerr << "Unknown tab: " << o.tab << " (candidate or bts)\n";
        return cli::kExitUsage;
    }
    if (o.tab == "bts" && o.btsPath.empty()) {
        std::cerr << "The bts tab needs the configuration currently in BTS: --bts FILE\n";
        return cli::kExitUsage;
    }
    if (paint::FormatOfPath(QString::fromStdString(o.out)) == paint::EPictureFormat::Unknown) {
        std::cerr << o.out << ": the picture can be written as .png, .svg or .pdf\n";
        return cli::kExitUsage;
    }
    int selKind = 0;
    int selNumber = 0;
    if (!o.select.empty() && !ViewChoice::ParseUnit(o.select, selKind, selNumber)) {
        std::cerr << "Not a unit: " << o.select << " (KIND:NUMBER, e.g. trx:3 or ddu:1)\n";
        return cli::kExitUsage;
    }

    CSiteKODA site;
    std::string configName;
    int problems = 0;
    if (const int rc = cli::LoadCandidateAndBts(o.path, o.choice, o.btsPath, o.btsChoice, site,
                                                configName, problems);
        rc != cli::kExitOk) {
        return rc;
    }
    site.SetShowBts(o.tab == "bts");
    if (o.tab == "bts") {
        site.CableGuy()->RebuildCables(kSelectBts, 0);
    }

    const auto gui = cli::StartGui();
    CRenderHost host(site);
    CMemoryRegistry settings;
    CViewBaseKODA manager(host, settings);
    manager.SetViewSettings(o.options);
    const int viewType = ViewChoice::ViewType(manager, o.view);
    if (viewType == 0) {
        std::cerr << "Unknown view: " << o.view << " (views: " << ViewChoice::ViewNames(manager)
                  << ")\n";
        CBtsConfiguration::Drop();
        return cli::kExitUsage;
    }
    manager.ActivateView(viewType);
    if (selKind != 0) {
        const CUnit* unit = manager.Shown()->FindUnit(selKind, selNumber);
        if (unit == nullptr || unit->IsUpgrade()) {
            std::cerr << "No unit " << o.select << " in the shown configuration\n";
            CBtsConfiguration::Drop();
            return cli::kExitUsage;
        }
        manager.SelectUnit(unit);
    }
    QString error;
    const bool written =
        paint::ExportPicture(manager.BuildScene(), QString::fromStdString(o.out), o.scale, &error);
    CBtsConfiguration::Drop();
    if (!written) {
        std::cerr << error.toStdString() << "\n";
        return cli::kExitUsage;
    }
    return problems > 0 ? cli::kExitProblems : cli::kExitOk;
}

#endif

cli::CommandRegistrar register_render("render", [](CLI::App& app) {
    app.description("Draw the picture of a view of a configuration as PNG, SVG or PDF");
    auto o = std::make_shared<RenderOptions>();
    app.add_option("FILE", o->path, "Site configuration file (.hwc, .sdf) or plan (.ewb)")
        ->required();
    cli::AddConfigChoice(app, o->choice, "", "FILE");
    app.add_option("--view", o->view, "View: its number 1-11 or its name, e.g. tx-cabling")
        ->required();
    app.add_option("--tab", o->tab, "candidate (default) or bts");
    auto* bts = app.add_option("--bts", o->btsPath, "Configuration currently in BTS");
    cli::AddConfigChoice(app, o->btsChoice, "bts-", "the --bts file");
    app.get_option("--bts-config")->needs(bts);
    app.get_option("--bts-index")->needs(bts);
    app.add_option("--select", o->select, "Unit drawn selected: KIND:NUMBER, e.g. trx:3");
    app.add_option("--options", o->options,
                   "Display options as ViewSettings bits: 1 wideband and multicoupler units, "
                   "2 rack/shelf/slot, 4 only selected cabling (default 5)")
        ->check(CLI::Range(0, 7));
    app.add_option("--out", o->out, "Picture to write: .png, .svg or .pdf")->required();
    app.add_option("--scale", o->scale, "Size factor (default 1)")->check(CLI::Range(0.1, 16.0));
#if CABRION_CLI_DRAWS
    return [=]() -> int { return RunRender(*o); };
#else
    // The options live as long as the runner: the parser writes them before it runs.
    return [o]() -> int { return cli::RunDrawingHelper(); };
#endif
});

} // namespace
