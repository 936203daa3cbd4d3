// A user at the open document: page edits with their previews left standing, view changes,
// undo, saves into the file and into another one with configurations of its own, opens and New,
// in any order. After every save what the file holds must be what the views show less what a
// page only previews, under the name the title shows, with every other configuration of the
// file untouched; a save that fails leaves the files as they were; undoing every step of an
// edit gives back the configuration it started from.
#include "app/DocumentTestSupport.h"
#include "app/commands/CommandIds.h"
#include "app/pages/PageAntennaController.h"
#include "app/pages/PageCablingControllers.h"
#include "app/pages/PageUnitsController.h"
#include "files/AtomicFile.h"
#include "files/TextCodec.h"
#include "fuzz/shown_configuration.h"
#include "model/SiteKODA.h"
#include "model/UnitTypeRecord.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <utility>

namespace {

namespace fs = std::filesystem;
using fuzz_actions::Shown;
using fuzz_actions::Storable;

[[noreturn]] void Broken(const char* what, const std::string& detail = {}) {
    std::fprintf(stderr, "document_actions: %s\n%s\n", what, detail.c_str());
    std::abort();
}

class CBytes {
public:
    CBytes(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    bool Empty() const { return m_at >= m_size; }
    int Next() { return m_at < m_size ? m_data[m_at++] : 0; }
    // One of the items, or the first when the input has run out.
    template <class T> const T& Pick(const std::vector<T>& items) {
        return items[static_cast<size_t>(Next()) % items.size()];
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_at = 0;
};

std::string Source(const char* name) {
    std::string bytes;
    if (!ReadWholeFile(std::string(CABRION_TEST_DATA_DIR) + "/" + name, bytes)) {
        Broken("cannot read a starting file", name);
    }
    return bytes;
}

void Put(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out.flush()) {
        Broken("cannot write a starting file", path.string());
    }
}

// Saves flush to disk; in memory, that costs the run nothing.
fs::path ScratchRoot() {
    std::error_code ec;
    return fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
}

// The pages of the property sheet that stays open beside the views: they keep their choices
// between actions, let go of previews when the sheet lays out another view, and are dropped
// when the candidate is replaced, as the sheet does.
struct SPages {
    std::unique_ptr<PageUnitsController> units;
    std::unique_ptr<PageTXCablingController> tx;
    std::unique_ptr<PageRXCablingController> rxMain;
    std::unique_ptr<PageRXDCablingController> rxDiv;
    std::unique_ptr<PageAntennaController> antenna;

    bool Built() const { return units != nullptr; }
    void Build(CSiteKODA& site, IPageDocument& doc) {
        units = std::make_unique<PageUnitsController>(site, doc);
        tx = std::make_unique<PageTXCablingController>(site, doc);
        rxMain = std::make_unique<PageRXCablingController>(site, doc);
        rxDiv = std::make_unique<PageRXDCablingController>(site, doc);
        antenna = std::make_unique<PageAntennaController>(site, doc);
    }
    void Leave() {
        if (!Built()) {
            return;
        }
        units->Leave();
        for (CCablingPageController* page :
             std::initializer_list<CCablingPageController*>{tx.get(), rxMain.get(), rxDiv.get()}) {
            if (page->SelectedTrx() != 0) {
                page->SelectTrx(page->SelectedTrx());
            }
        }
        antenna->DropPreview();
    }
    void Drop() {
        Leave();
        units.reset();
        tx.reset();
        rxMain.reset();
        rxDiv.reset();
        antenna.reset();
    }
};

struct CSheetWindows : ScriptedWindows {
    SPages* pages = nullptr;
    void Notify(int message, int wParam, int lParam) override {
        if (message == notify::kGeneral && pages != nullptr) {
            if (wParam == notify::kUndoPerformed ||
                (wParam == notify::kViewChanged && lParam == 0)) {
                pages->Drop();
            } else if (wParam == notify::kViewChanged) {
                pages->Leave();
            }
        }
    }
};

class CRun {
public:
    explicit CRun(const fs::path& dir)
        : m_dir(dir), m_sites(dir / "sites.hwc"), m_other(dir / "other.hwc") {
        static const std::string sites = Source("edit_site.hwc");
        static const std::string other = Source("full.hwc");
        Put(m_sites, sites);
        Put(m_other, other);
        CBtsConfiguration::Drop();
        m_settings.SetInt("Initialization", "EnableBTS", 0);
        CBTSConfigurationDoc::SServices s;
        s.windows = &m_windows;
        s.link = &m_link;
        s.settings = &m_settings;
        s.documentsFolder = dir.string();
        s.templatesFolder = (dir / "templates").string();
        s.clock = [] { return std::string("12:34:56"); };
        m_doc = std::make_unique<CBTSConfigurationDoc>(s);
        m_windows.pages = &m_pages;
    }
    ~CRun() {
        m_pages.Drop();
        m_windows.pages = nullptr;
        m_doc.reset();
        CBtsConfiguration::Drop();
    }

    bool Open(int row) {
        m_windows.newSiteSheet = [row](CNewSiteSheetModel& sheet) {
            sheet.Select(row % static_cast<int>(sheet.Rows().size()));
            return sheet.CanFinish();
        };
        const bool opened = m_doc->OpenPath(m_sites.string(), false);
        StartEdit(true);
        return opened;
    }

    void Act(CBytes& in) {
        switch (in.Next() % 18) {
        case 0: { // the units page shows a unit of a kind and number, added or not
            CSiteKODA* site = Pages();
            if (site == nullptr) {
                break;
            }
            // The index box offers DDUs 1-13 and every other kind 1-12.
            const int kind = in.Pick(m_pages.units->Kinds()).data;
            m_pages.units->Select(kind, 1 + in.Next() % (kind == kUnitKindDdu ? 13 : 12));
            break;
        }
        case 1:
            if (Pages() != nullptr) {
                const ComboItems types = m_pages.units->Types();
                if (!types.empty()) {
                    m_pages.units->ChooseType(in.Pick(types).data);
                }
            }
            break;
        case 2:
            if (Pages() != nullptr) {
                m_pages.units->Add();
            }
            break;
        case 3:
            if (Pages() != nullptr) {
                m_pages.units->Remove();
            }
            break;
        case 4:
            if (Pages() != nullptr) {
                const ComboItems slots = m_pages.units->Slots();
                if (!slots.empty()) {
                    m_pages.units->ChooseSlot(in.Pick(slots).data);
                }
                m_pages.units->Modify();
            }
            break;
        case 5:
            if (Pages() != nullptr) {
                m_pages.units->ChangeBand(PageUnitsController::kRadioBands[in.Next() % 6]);
            }
            break;
        case 6: // TX choices, previewed
            if (Pages() != nullptr) {
                PageTXCablingController& tx = *m_pages.tx;
                tx.SelectTrx(in.Pick(tx.Trxs()).data);
                const int box = in.Next() % 3;
                const ComboItems items = box == 2 ? tx.Combiners() : tx.Paths();
                if (!items.empty()) {
                    const int value = in.Pick(items).data;
                    box == 0   ? tx.ChoosePath1(value)
                    : box == 1 ? tx.ChoosePath2(value)
                               : tx.ChooseCombiner(value);
                }
            }
            break;
        case 7: // RX choices, previewed
            if (Pages() != nullptr) {
                CRxCablingController& rx = in.Next() % 2 == 0
                                               ? static_cast<CRxCablingController&>(*m_pages.rxMain)
                                               : *m_pages.rxDiv;
                rx.SelectTrx(in.Pick(rx.Trxs()).data);
                const bool combiner = in.Next() % 2 == 0;
                const ComboItems items = combiner ? rx.Combiners() : rx.Multicouplers();
                if (!items.empty()) {
                    const int value = in.Pick(items).data;
                    combiner ? rx.ChooseCombiner(value) : rx.ChooseMulticoupler(value);
                }
            }
            break;
        case 8: // Set, Clear or Clear All on one of the cabling pages
            if (Pages() != nullptr) {
                const int page = in.Next() % 3;
                const int what = in.Next() % 3;
                CCablingPageController& p =
                    page == 0   ? static_cast<CCablingPageController&>(*m_pages.tx)
                    : page == 1 ? static_cast<CCablingPageController&>(*m_pages.rxMain)
                                : static_cast<CCablingPageController&>(*m_pages.rxDiv);
                if (what == 0) {
                    page == 0 ? m_pages.tx->Set() : static_cast<CRxCablingController&>(p).Set();
                } else if (what == 1) {
                    p.Clear();
                } else {
                    Answer(in);
                    p.ClearAll();
                }
            }
            break;
        case 9: // antenna choices, previewed
            if (Pages() != nullptr) {
                PageAntennaController& a = *m_pages.antenna;
                a.SelectAntenna(in.Pick(a.Antennas()).data);
                switch (in.Next() % 5) {
                case 0:
                    a.ChooseConnection(in.Pick(a.Connections()).data);
                    break;
                case 1:
                    a.ChooseMhaType(in.Pick(PageAntennaController::MhaTypes()).data);
                    break;
                case 2:
                    a.ChooseLoss(in.Pick(a.Losses()).data);
                    break;
                case 3:
                    a.ChooseGain(in.Pick(a.Gains()).data);
                    break;
                default:
                    a.SetVswr(in.Next() % 2 == 0);
                    a.SetGsm900(in.Next() % 2 == 0);
                    break;
                }
            }
            break;
        case 10:
            if (Pages() != nullptr) {
                const int what = in.Next() % 3;
                if (what == 0) {
                    m_pages.antenna->Set();
                } else if (what == 1) {
                    m_pages.antenna->Clear();
                } else {
                    Answer(in);
                    m_pages.antenna->ClearAll();
                }
            }
            break;
        case 11: // another view; 10 and 11 are the passive units and the differences
            m_doc->OnCommand(cmd::ViewCommandOfType(1 + in.Next() % 11));
            break;
        case 12:
            m_doc->OnCommand(cmd::kUndo);
            break;
        case 13:
            Save(in, false);
            break;
        case 14:
            Save(in, true);
            break;
        case 15: // Open another configuration of the file, or the same again
            Answer(in);
            m_windows.files = {m_sites.string()};
            {
                const int row = in.Next();
                m_windows.newSiteSheet = [row](CNewSiteSheetModel& sheet) {
                    sheet.Select(row % static_cast<int>(sheet.Rows().size()));
                    return sheet.CanFinish();
                };
            }
            if (m_doc->OnCommand(cmd::kOpen)) {
                StartEdit();
            }
            break;
        case 16:
            Answer(in);
            if (m_doc->OnCommand(cmd::kFileNew)) {
                StartEdit();
            }
            break;
        default: // the sheet closes
            m_pages.Leave();
            break;
        }
        m_windows.answers.clear();
        m_windows.files.clear();
        TrackUndo();
    }

    // Everything undone gives back the configuration the edit started from, when the ring still
    // holds every step.
    void UndoAll() {
        CSiteKODA* site = m_doc->SiteKODA();
        if (site == nullptr || site != m_startSite || m_ringOverflowed) {
            return;
        }
        m_pages.Drop();
        while (site->UndoCount() > 0) {
            m_doc->OnCommand(cmd::kUndo);
        }
        if (Shown(*site) != m_start) {
            Broken("undoing every step does not give back the start",
                   nlohmann::ordered_json::diff(m_start, Shown(*site)).dump());
        }
    }

private:
    // The pages of the open Orvik site, built when the sheet shows them.
    CSiteKODA* Pages() {
        CSiteKODA* site = m_doc->SiteKODA();
        if (site == nullptr) {
            m_pages.Drop();
            return nullptr;
        }
        if (!m_pages.Built()) {
            m_pages.Build(*site, *m_doc);
        }
        return site;
    }

    // The answers to the questions the next command asks, Yes, No or Cancel each.
    void Answer(CBytes& in) {
        const int bits = in.Next();
        for (int i = 0; i < 3; ++i) {
            const int a = (bits >> (2 * i)) & 3;
            m_windows.answers.push_back(a == 0   ? EAnswer::Yes
                                        : a == 1 ? EAnswer::No
                                                 : EAnswer::Cancel);
        }
    }

    // The first open of an input finds the same file, a fresh document and no answers to its
    // questions every time, so its start is worked out once per configuration and view. Later
    // opens may follow saves, and answer whether to bring the configuration up to date.
    void StartEdit(bool first = false) {
        // Open in the Passive Units view imports into the table and keeps the configuration.
        if (m_doc->SiteKODA() == m_startSite && m_startSite != nullptr &&
            m_startSite->UndoCount() > 0) {
            return;
        }
        m_startSite = m_doc->SiteKODA();
        m_ringOverflowed = false;
        if (m_startSite != nullptr) {
            // The Antenna Settings view gives the antennas the types their masthead amplifiers
            // have, which is no step to undo: the start is the configuration as it shows it.
            const int view = m_doc->ActiveViewType();
            m_doc->OnCommand(cmd::ViewCommandOfType(8));
            m_doc->OnCommand(cmd::ViewCommandOfType(view));
            if (!first) {
                m_start = Shown(*m_startSite);
                return;
            }
            static std::map<std::pair<std::string, int>, nlohmann::ordered_json> starts;
            const auto key = std::make_pair(m_doc->ConfigurationName(), view);
            auto known = starts.find(key);
            if (known == starts.end()) {
                known = starts.emplace(key, Shown(*m_startSite)).first;
            }
            m_start = known->second;
        }
    }
    void TrackUndo() {
        if (CSiteKODA* site = m_doc->SiteKODA(); site != nullptr && site == m_startSite) {
            m_ringOverflowed = m_ringOverflowed || site->UndoCount() >= CSite::kMaxUndo;
        }
    }

    void Save(CBytes& in, bool as) {
        CSiteKODA* site = m_doc->SiteKODA();
        const bool passiveView = m_doc->ActiveViewType() == CBTSConfigurationDoc::kPassiveUnitsView;
        const std::string sitesBefore = Slurp(m_sites.string());
        const std::string otherBefore = Slurp(m_other.string());
        const auto recordsBefore = Reread(m_sites.string());
        const auto otherRecordsBefore = Reread(m_other.string());
        static const std::vector<std::string> names = {"Harbour Edit", "Other Site", "North Pier",
                                                       "Empty Lot", "Fresh"};
        const bool intoOther = in.Next() % 2 == 0;
        const std::string name = in.Pick(names);
        Answer(in);
        // In the Passive Units view Save exports the table, into a file of its own kind.
        m_windows.files = {passiveView ? (m_dir / "units.hwi").string()
                                       : (intoOther ? m_other : m_sites).string()};
        m_windows.saveSheet = [name](CSaveSCFSheetModel& sheet) {
            if (!sheet.Browse()) {
                return false;
            }
            sheet.SetName(name);
            return sheet.Finish();
        };
        const bool saved = m_doc->OnCommand(as ? cmd::kSaveAs : cmd::kSave);
        if (site == nullptr || passiveView) {
            return;
        }
        if (!saved) {
            if (Slurp(m_sites.string()) != sitesBefore || Slurp(m_other.string()) != otherBefore) {
                Broken("a save that did not take place changed a file");
            }
            return;
        }
        const std::string path = m_doc->PathName();
        const std::string saved_name = m_doc->ConfigurationName();
        if (m_doc->Title() != Cp1252ToUtf8(saved_name)) {
            Broken("the title names another configuration than Save writes into",
                   m_doc->Title() + " / " + saved_name);
        }
        const auto after = Reread(path);
        if (after->HasErrors()) {
            Broken("the saved file does not read back cleanly", path);
        }
        const CSCFSite* written = nullptr;
        for (const auto& record : after->Sites()) {
            if (record->name == saved_name) {
                if (written != nullptr) {
                    Broken("the configuration is in the file twice", saved_name);
                }
                written = record.get();
            }
        }
        if (written == nullptr) {
            Broken("the saved configuration is not in the file", saved_name);
        }
        // Every other configuration of the file is as it was.
        const auto& before = path == m_sites.string() ? *recordsBefore : *otherRecordsBefore;
        for (const auto& record : before.Sites()) {
            if (record->name == saved_name) {
                continue;
            }
            bool kept = false;
            for (const auto& now : after->Sites()) {
                kept = kept || *now == *record;
            }
            if (!kept) {
                Broken("saving one configuration changed another", record->name);
            }
        }
        // Opened again as the user opens it, the configuration is what the views show, less
        // the previews.
        // The views draw the cables the pages only preview as well; they go with the sheet.
        m_pages.Leave();
        const auto read = Storable(Reopened(path, saved_name));
        const auto shown = Storable(Shown(*site));
        if (shown != read) {
            Broken("what was saved is not what the views show",
                   nlohmann::ordered_json::diff(read, shown).dump() +
                       "\nread: " + read["units"].dump() + "\nshown: " + shown["units"].dump());
        }
    }

    static nlohmann::ordered_json Reopened(const std::string& path, const std::string& name) {
        ScriptedWindows windows;
        ScriptedLink link;
        CMemoryRegistry settings;
        settings.SetInt("Initialization", "EnableBTS", 0);
        CBTSConfigurationDoc::SServices s;
        s.windows = &windows;
        s.link = &link;
        s.settings = &settings;
        s.documentsFolder = fs::path(path).parent_path().string();
        s.clock = [] { return std::string("12:34:56"); };
        CBTSConfigurationDoc doc(s);
        windows.newSiteSheet = [&name](CNewSiteSheetModel& sheet) {
            for (size_t row = 0; row < sheet.Rows().size(); ++row) {
                if (sheet.Rows()[row].name == name) {
                    sheet.Select(static_cast<int>(row));
                }
            }
            return sheet.CanFinish();
        };
        if (!doc.OpenPath(path, false) || doc.SiteKODA() == nullptr ||
            doc.ConfigurationName() != name) {
            Broken("the saved configuration does not open", name);
        }
        return Shown(*doc.SiteKODA());
    }

    fs::path m_dir;
    fs::path m_sites;
    fs::path m_other;
    SPages m_pages;
    CSheetWindows m_windows;
    ScriptedLink m_link;
    CMemoryRegistry m_settings;
    std::unique_ptr<CBTSConfigurationDoc> m_doc;
    CSiteKODA* m_startSite = nullptr;
    nlohmann::ordered_json m_start;
    bool m_ringOverflowed = false;
};

} // namespace

// Every action allocates thousands of small objects, and recording a deep stack for each one was
// a fifth of the run. A finding is replayed with ASAN_OPTIONS=malloc_context_size=30 for the
// whole allocation stack.
extern "C" const char* __asan_default_options() {
    return "malloc_context_size=4";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const fs::path dir = [] {
        const fs::path d = ScratchRoot() / ("cabrion-fuzz-actions-" + std::to_string(::getpid()));
        fs::create_directories(d);
        std::atexit([] {
            std::error_code ec;
            fs::remove_all(ScratchRoot() / ("cabrion-fuzz-actions-" + std::to_string(::getpid())),
                           ec);
        });
        return d;
    }();
    CBytes in(data, size);
    CRun run(dir);
    if (!run.Open(in.Next())) {
        return 0;
    }
    // A few dozen actions are what a user does between saves; longer inputs add little.
    for (int steps = 0; steps < 64 && !in.Empty(); ++steps) {
        run.Act(in);
    }
    run.UndoAll();
    return 0;
}
