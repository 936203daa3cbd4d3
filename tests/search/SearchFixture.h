#pragma once
// A scratch folder of configuration files and a BTS standing for what a live one detected.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "files/SiteConfigFile.h"
#include "files/SiteRecords.h"
#include "model/BtsConfiguration.h"
#include "model/DataBaseKODA.h"
#include "model/SiteKODA.h"
#include "support/SearchArchive.h"

class SearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        CBtsConfiguration::Drop();
        char pattern[] = "/tmp/cabrion-search-XXXXXX";
        folder = ::mkdtemp(pattern);
    }
    void TearDown() override {
        CBtsConfiguration::Drop();
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
    std::string File(const std::string& name) const { return folder + "/" + name; }
    void Write(const std::string& name, const std::vector<searchtest::SStoredConfig>& configs) {
        searchtest::WriteFile(File(name), searchtest::FileText(configs));
    }

    // Makes the configuration currently in BTS the stored configuration, as a fetch would.
    void SetBts(const searchtest::SStoredConfig& config, CSiteKODA& site) {
        CSiteConfigFile file;
        file.ReadBytes(searchtest::FileText({config}));
        ASSERT_EQ(file.Sites().size(), 1u);
        CSiteKODA other;
        ASSERT_TRUE(BuildSiteFromRecord(other, *file.Sites()[0], 0));
        auto bts = std::make_unique<CDataBaseKODA>();
        bts->CopyFrom(*other.GetKODA(kSelectCandidate));
        CBtsConfiguration::Set(std::move(bts));
        site.CableGuy()->RebuildCables(kSelectBts, 0);
    }

    std::string folder;
};
