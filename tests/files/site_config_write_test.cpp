#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TestFiles.h"
#include "files/SCFValues.h"
#include "files/SiteConfigFile.h"

namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::unique_ptr<CSCFSite> SiteWithAntenna(int attenuation) {
    auto site = std::make_unique<CSCFSite>();
    site->name = "A";
    site->cabinets.emplace_back();
    site->cabinets[0].antennas.emplace_back();
    site->cabinets[0].antennas[0].cableAttenuation = attenuation;
    return site;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(SiteConfigWrite, AttenuationTexts) {
    EXPECT_EQ(ParseAttenuation("10.00"), 1000);
    EXPECT_EQ(ParseAttenuation("1.15"), 115);
    EXPECT_EQ(ParseAttenuation("+1.50"), 150);
    EXPECT_EQ(ParseAttenuation("-0.30"), -30);
    EXPECT_EQ(ParseAttenuation("about 2.5 dB"), 250);
    EXPECT_EQ(ParseAttenuation("9.99"), 999);
    EXPECT_EQ(ParseAttenuation("dB"), std::nullopt);
    EXPECT_EQ(ParseAttenuation("-inf"), std::nullopt);
    EXPECT_EQ(ParseAttenuation("99999999999999"), std::nullopt);
    EXPECT_EQ(FormatAttenuation(150), "+1.50");
    EXPECT_EQ(FormatAttenuation(-30), "-0.30");
    EXPECT_EQ(FormatAttenuation(0), "+0.00");
    EXPECT_EQ(FormatAttenuation(-9999), "-99.99");
    // Every two-decimal text under 10 dB reads as truncating its 100.1-fold product would.
    for (int v = 0; v < 1000; ++v) {
        const std::string text = FormatAttenuation(v);
        const float product = std::stof(text) * 100.1f;
        EXPECT_EQ(ParseAttenuation(text), static_cast<int>(product)) << text;
    }
}

TEST(SiteConfigWrite, EveryAttenuationSurvivesSaveAndReopen) {
    CScratchDir dir;
    CSiteConfigFile f;
    for (int v = -9999; v <= 9998; ++v)
        f.AddSite(SiteWithAntenna(v));
    ASSERT_TRUE(f.Write(dir.File("att.hwc")));
    CSiteConfigFile back(dir.File("att.hwc"));
    ASSERT_FALSE(back.HasErrors());
    ASSERT_EQ(back.Sites().size(), f.Sites().size());
    int wrong = 0;
    for (std::size_t i = 0; i < f.Sites().size(); ++i)
        wrong += back.Sites()[i]->cabinets[0].antennas[0].cableAttenuation !=
                 f.Sites()[i]->cabinets[0].antennas[0].cableAttenuation;
    EXPECT_EQ(wrong, 0);
}

TEST(SiteConfigWrite, ReadWriteReadIsStable) {
    CSiteConfigFile f(DataPath("full.hwc"));
    const std::string first = f.WriteToString();
    CSiteConfigFile again;
    again.ReadBytes(first);
    EXPECT_FALSE(again.HasErrors());
    EXPECT_EQ(again.WriteToString(), first);
    ASSERT_EQ(again.Sites().size(), f.Sites().size());
    for (std::size_t i = 0; i < f.Sites().size(); ++i)
        EXPECT_TRUE(*again.Sites()[i] == *f.Sites()[i]) << "site " << i << " changed";
    EXPECT_EQ(again.Header().bscId, "17");
    EXPECT_EQ(again.Header().workOrderDescription, "Swap 900 TRXs");
}

TEST(SiteConfigWrite, LayoutOfTheText) {
    CSiteConfigFile f;
    auto site = std::make_unique<CSCFSite>();
    site->name = "Layout";
    f.AddSite(std::move(site));
    const std::string text = f.WriteToString();
    EXPECT_EQ(text.rfind("This file was created with Torvane Cabrion Version ", 0), 0u);
    EXPECT_TRUE(Contains(text, "\r\n\\VERSION                  3.00\r\n\\SITE_NAME"));
    EXPECT_TRUE(Contains(text, "\\SITE_UC_SW_VERSION       2\r\n"));
    EXPECT_TRUE(Contains(text, "\\BCF_ID                   65535\r\n"));
    EXPECT_TRUE(text.ends_with("\\EOF                      \r\n"));
    EXPECT_FALSE(Contains(text, "\n\\SITE_ID"));
    EXPECT_FALSE(Contains(text, "\\CAB_AMOUNT"));
    EXPECT_FALSE(Contains(text, "\\TRE_EQUIPMENT_NAME"));
    EXPECT_FALSE(Contains(text, "\\BSC_ID"));
    for (std::size_t p = text.find('\n'); p != std::string::npos; p = text.find('\n', p + 1))
        ASSERT_EQ(text[p - 1], '\r');
}

TEST(SiteConfigWrite, WrittenWhenRules) {
    CSiteConfigFile f;
    auto site = std::make_unique<CSCFSite>();
    site->name = "Rules";
    site->description = "line one\r\nline two";
    site->dropOffPoint = "19\" rack";
    site->bcfId = 0;
    CSCFCabinet cab;
    cab.units.push_back({950, 1, -1});
    cab.units.push_back({120, 2, -1});
    CSCFTrxCabling unknown;
    unknown.trxNumber = 3;
    unknown.logicalId = 4;
    cab.trxCablings.push_back(unknown);
    CSCFTrxCabling known;
    known.trxNumber = 4;
    known.trxUnitTypeId = 1012;
    known.txPath1 = -5;
    known.logicalId = -5;
    cab.trxCablings.push_back(known);
    cab.antennas.push_back({});
    cab.antennas[0].mhaType = 0;
    site->cabinets.push_back(cab);
    site->btsList = {{"7", "", -1, -1}, {"7", "", -1, -1}};
    site->networkTrxs.push_back({});
    site->networkTrxs[0].trxId = 11;
    site->networkTrxs[0].btsId = "7";
    f.AddSite(std::move(site));
    auto hidden = std::make_unique<CSCFSite>();
    hidden->name = "Hidden";
    hidden->siteType = kSiteTypeNotWritten;
    f.AddSite(std::move(hidden));

    const std::string text = f.WriteToString();
    EXPECT_FALSE(Contains(text, "\\CAB_UNIT_TYPE            950"));
    EXPECT_TRUE(Contains(text, "\\CAB_UNIT_TYPE            120\r\n\\CAB_UNIT_SLOT            2\r\n"
                               "\\CAB_TRX_ID"));
    EXPECT_TRUE(Contains(text,
                         "\\CAB_TRX_ID               3\r\n\\CAB_TRX_ID               4\r\n"
                         "\\CAB_TRX_UNIT_TYPE        12\r\n\\CAB_TRX_LOG_ID           0\r\n"));
    EXPECT_FALSE(Contains(text, "\\CAB_TRX_TX_PATH1")) << "-5 would read back as the default 0";
    EXPECT_TRUE(Contains(text, "\\CAB_ANT_MHA              0\r\n"));
    EXPECT_TRUE(Contains(text, "\"line one  line two\""));
    EXPECT_FALSE(Contains(text, "Hidden"));

    CSiteConfigFile back;
    back.ReadBytes(text);
    EXPECT_FALSE(back.HasErrors());
    ASSERT_EQ(back.Sites().size(), 1u);
    const CSCFSite& s = *back.Sites()[0];
    EXPECT_EQ(s.bcfId, 0);
    EXPECT_EQ(s.dropOffPoint, "19' rack") << "nothing after a quote is lost";
    ASSERT_EQ(s.cabinets.size(), 1u) << "a BCF id of 0 must not cost the cabinets";
    EXPECT_EQ(s.cabinets[0].antennas[0].mhaType, 0);
    EXPECT_EQ(s.networkTrxs.size(), 1u) << "TRXs of BTSs sharing an id are written once";
}

TEST(SiteConfigWrite, FailedSaveKeepsThePreviousFile) {
    CScratchDir dir;
    const std::string path = dir.File("keep.hwc");
    { std::ofstream(path, std::ios::binary) << "previous contents"; }
    CSiteConfigFile f(DataPath("full.hwc"));

    // A file size limit makes the write fail half way, whoever runs the test.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const CSaveResult r = f.Write(path);
        ::_exit(!r.ok && Contains(r.error, "Cannot write") ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(Slurp(path), "previous contents");

    // A folder that does not exist gives a sentence naming it.
    const CSaveResult nowhere = f.Write(dir.File("no/such/folder/x.hwc"));
    EXPECT_FALSE(nowhere.ok);
    EXPECT_TRUE(Contains(nowhere.error, "no/such/folder")) << nowhere.error;

    // Nothing but the file itself is left in the folder.
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(SiteConfigWrite, ReadOnlyFolderLeavesTheFileIntact) {
    CScratchDir dir;
    const std::string path = dir.File("keep.hwc");
    { std::ofstream(path, std::ios::binary) << "previous contents"; }
    ::chmod(dir.Path().c_str(), 0555);
    CSiteConfigFile f(DataPath("full.hwc"));

    // Permissions do not bind the superuser, so the save runs as an ordinary user then.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(2);
        const CSaveResult r = f.Write(path);
        ::_exit(!r.ok && Contains(r.error, "temporary file") ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(Slurp(path), "previous contents");
}

TEST(SiteConfigWrite, SaveReplacesAndKeepsPermissions) {
    CScratchDir dir;
    const std::string path = dir.File("perm.hwc");
    { std::ofstream(path, std::ios::binary) << "old"; }
    ::chmod(path.c_str(), 0640);
    CSiteConfigFile f(DataPath("full.hwc"));
    ASSERT_TRUE(f.Write(path));
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(Slurp(path), f.WriteToString());
    EXPECT_FALSE(f.Write(dir.File("plan.ewb")).ok);

    // Saving through a symbolic link keeps the link and replaces the file it names.
    ASSERT_EQ(::symlink(path.c_str(), dir.File("link.hwc").c_str()), 0);
    CSiteConfigFile one;
    one.AddSite(std::make_unique<CSCFSite>()).name = "Via link";
    ASSERT_TRUE(one.Write(dir.File("link.hwc")));
    struct stat link {};
    ::lstat(dir.File("link.hwc").c_str(), &link);
    EXPECT_TRUE(S_ISLNK(link.st_mode));
    EXPECT_EQ(Slurp(path), one.WriteToString());
}
