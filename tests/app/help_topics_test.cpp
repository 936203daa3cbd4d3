// Help contexts of menu commands and where the guide is looked for.
#include "app/commands/CommandIds.h"
#include "app/commands/HelpTopics.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

TEST(HelpTopics, FrameworkCommandsWithoutHelpFallBackToTheContents) {
    EXPECT_EQ(help::CommandContext(cmd::kOpen), 0x10000 + cmd::kOpen);
    EXPECT_EQ(help::CommandContext(cmd::kWizard), 0x10000 + cmd::kWizard);
    // 57600 (new file) is a framework command the guide does not list.
    EXPECT_EQ(help::CommandContext(cmd::kFileNew), 0);
    EXPECT_EQ(help::PageForContext(help::CommandContext(cmd::kFileNew)), "index.html");
    EXPECT_EQ(help::PageForContext(0x10000 + 99999), "index.html");
    // The tenth view command is the tenth view, not the next group of commands.
    EXPECT_EQ(help::PageForContext(0x10000 + cmd::kFirstViewCommand + 9), "passive-units.html");
}

TEST(HelpTopics, TheGuideIsFoundOverrideFirstThenInstalledThenInTheSources) {
    const fs::path root = fs::temp_directory_path() / "cabrion_help_topics";
    fs::remove_all(root);
    const fs::path installed = root / "usr" / "share" / "cabrion" / "help";
    const fs::path sources = root / "src" / "docs" / "help";
    const fs::path override = root / "mine";
    for (const fs::path& p : {installed, sources, override}) {
        fs::create_directories(p);
        std::ofstream(p / "index.html") << "<html></html>";
    }
    const std::string bin = (root / "usr" / "bin").string();
    EXPECT_EQ(help::GuideFolder(bin, override.c_str(), sources.string()), override.string());
    EXPECT_EQ(help::GuideFolder(bin, nullptr, sources.string()), installed.string());
    EXPECT_EQ(help::GuideFolder((root / "elsewhere").string(), "", sources.string()),
              sources.string());
    // An override that holds no guide is not quietly replaced by another folder.
    EXPECT_EQ(help::GuideFolder(bin, (root / "none").c_str(), sources.string()), "");
    fs::remove(sources / "index.html");
    EXPECT_EQ(help::GuideFolder((root / "elsewhere").string(), nullptr, sources.string()), "");
    fs::remove_all(root);
}
