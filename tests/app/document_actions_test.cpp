// Action sequences on the open document that once saved something other than what the views
// showed, replayed on real files: each is the shortest form of what the action fuzz target found.
#include "DocumentTestSupport.h"

#include "app/commands/CommandIds.h"
#include "model/UnitTypeRecord.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::string Data(const std::string& name) {
    return std::string(CABRION_TEST_DATA_DIR) + "/" + name;
}

const CSCFSite& Named(const CSiteConfigFile& file, const std::string& name) {
    for (const auto& site : file.Sites()) {
        if (site->name == name) {
            return *site;
        }
    }
    throw std::runtime_error("no configuration " + name);
}

} // namespace

TEST(DocumentActions, SaveAsOverAnotherConfigurationLeavesNoneOfItsTreUnits) {
    DocumentFixture f;
    const std::string sites = f.Path("sites.hwc");
    const std::string other = f.Path("other.hwc");
    std::filesystem::copy_file(Data("edit_site.hwc"), sites);
    std::filesystem::copy_file(Data("full.hwc"), other);
    ASSERT_FALSE(Named(*Reread(other), "North Pier").tre.units.empty());

    // "Other Site" has no TRE unit; it replaces "North Pier", which has one.
    f.windows.newSiteSheet = [](CNewSiteSheetModel& sheet) {
        sheet.Select(1);
        return sheet.CanFinish();
    };
    ASSERT_TRUE(f.doc->OpenPath(sites, false));
    ASSERT_EQ(f.doc->ConfigurationName(), "Other Site");
    f.windows.files = {other};
    f.windows.answers = {EAnswer::Yes}; // overwrite "North Pier"
    f.windows.saveSheet = [](CSaveSCFSheetModel& sheet) {
        sheet.Browse();
        sheet.SetName("North Pier");
        return sheet.Finish();
    };
    ASSERT_TRUE(f.doc->OnCommand(cmd::kSaveAs));
    EXPECT_TRUE(Named(*Reread(other), "North Pier").tre.units.empty());

    // Opened again, it is the configuration that was saved: no TRE unit came back.
    DocumentFixture g;
    g.windows.newSiteSheet = [](CNewSiteSheetModel& sheet) {
        sheet.Select(1); // rows sort by name: "Empty Lot", "North Pier"
        return sheet.CanFinish();
    };
    ASSERT_TRUE(g.doc->OpenPath(other, false));
    ASSERT_EQ(g.doc->ConfigurationName(), "North Pier");
    EXPECT_EQ(g.doc->Site()->FindUnit(kUnitKindTre, 4, kSelectCandidate), nullptr);
}
