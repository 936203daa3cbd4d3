#include <algorithm>
#include <nlohmann/json.hpp>

#include "CliRunner.h"
#include "files/SiteConfigFile.h"

using clitest::Cli;
using clitest::Data;
using clitest::ReadAll;
using clitest::Temp;
using nlohmann::json;

namespace {

std::unique_ptr<CSiteConfigFile> ReadConfigurations(const std::string& path) {
    auto file = std::make_unique<CSiteConfigFile>();
    file->ReadBytes(ReadAll(path));
    EXPECT_FALSE(file->HasErrors()) << path;
    return file;
}

std::vector<CSCFUnit> Sorted(std::vector<CSCFUnit> units) {
    std::sort(units.begin(), units.end(), [](const CSCFUnit& a, const CSCFUnit& b) {
        return std::tie(a.typeId, a.slot, a.index) < std::tie(b.typeId, b.slot, b.index);
    });
    return units;
}

} // namespace

TEST(Convert, TextToPlanAndBackKeepsEveryValueThePlanCarries) {
    const std::string plan = Temp("round.ewb");
    const std::string back = Temp("round.hwc");
    const std::string direct = Temp("direct.hwc");
    ASSERT_EQ(Cli("convert " + Data("plan_site.hwc") + " " + plan).rc, 0);
    ASSERT_EQ(Cli("convert " + plan + " " + back).rc, 0);
    // The same configuration saved as text without the plan in between.
    ASSERT_EQ(Cli("convert " + Data("plan_site.hwc") + " " + direct).rc, 0);

    const auto viaPlan = ReadConfigurations(back);
    const auto plain = ReadConfigurations(direct);
    ASSERT_EQ(viaPlan->Sites().size(), 1u);
    ASSERT_EQ(plain->Sites().size(), 1u);
    const CSCFSite& a = *viaPlan->Sites()[0];
    const CSCFSite& b = *plain->Sites()[0];
    EXPECT_EQ(a.name, "Quay West");
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.siteType, b.siteType);
    EXPECT_EQ(a.bcfType, b.bcfType);
    EXPECT_EQ(a.ucSwVersion, b.ucSwVersion);
    EXPECT_EQ(a.bcfClockSync, b.bcfClockSync);
    ASSERT_EQ(a.cabinets.size(), 1u);
    const CSCFCabinet& ca = a.cabinets[0];
    const CSCFCabinet& cb = b.cabinets[0];
    EXPECT_EQ(ca.cabinetType, cb.cabinetType);
    EXPECT_EQ(ca.lteInstalled, cb.lteInstalled);
    EXPECT_EQ(ca.wcdmaUpgrade, cb.wcdmaUpgrade);
    EXPECT_EQ(ca.mrcSupportWbc, cb.mrcSupportWbc);
    EXPECT_EQ(ca.configDescription, "Three sectors");
    // The plan lists units by class, so only their order may differ.
    EXPECT_EQ(Sorted(ca.units), Sorted(cb.units));
    EXPECT_EQ(ca.trxCablings, cb.trxCablings);
    EXPECT_EQ(ca.antennas, cb.antennas);
    ASSERT_EQ(ca.antennas.size(), 2u);
    EXPECT_EQ(ca.antennas[0].cableAttenuation, 150);
    EXPECT_EQ(ca.antennas[1].cableAttenuation, -30);
    EXPECT_EQ(ca.antennas[1].mhaType, 8);
    ASSERT_EQ(a.tre.units.size(), 1u);
    EXPECT_EQ(a.tre.units[0].typeId, b.tre.units[0].typeId);
    EXPECT_EQ(a.tre.units[0].slot, 4);

    // The cables the site builds from it are the same as well.
    const auto cables = [](const std::string& path) {
        return nlohmann::json::parse(Cli("dump --json " + path).out)["cables"];
    };
    EXPECT_EQ(cables(back), cables(Data("plan_site.hwc")));
    EXPECT_FALSE(cables(back).empty());

    // Converting the converted file again changes nothing.
    const std::string again = Temp("again.hwc");
    ASSERT_EQ(Cli("convert " + back + " " + again).rc, 0);
    EXPECT_EQ(ReadAll(again), ReadAll(back));
    for (const auto& p : {plan, back, direct, again})
        std::remove(p.c_str());
}

TEST(Convert, IntoAnExistingTextFileKeepsItsOtherConfigurations) {
    const std::string target = Temp("existing.hwc");
    clitest::Copy(Data("full.hwc"), target);
    const auto before = ReadConfigurations(target);

    ASSERT_EQ(Cli("convert " + Data("plan_site.hwc") + " " + target).rc, 0);
    const auto after = ReadConfigurations(target);
    ASSERT_EQ(after->Sites().size(), 3u);
    EXPECT_EQ(*after->Sites()[0], *before->Sites()[0]);
    EXPECT_EQ(*after->Sites()[1], *before->Sites()[1]);
    EXPECT_EQ(after->Sites()[2]->name, "Quay West");
    EXPECT_EQ(after->Header().bscName, "Harbour BSC");

    // The same name again replaces it in place.
    const std::string once = ReadAll(target);
    ASSERT_EQ(Cli("convert " + Data("plan_site.hwc") + " " + target).rc, 0);
    EXPECT_EQ(ReadAll(target), once);

    // A configuration converted into its own file is replaced by what the site stores:
    // planned transceivers are kept when the cross-connection is not straight through.
    ASSERT_EQ(Cli("convert --config 'North Pier' " + target + " " + target).rc, 0);
    const auto replaced = ReadConfigurations(target);
    ASSERT_EQ(replaced->Sites().size(), 3u);
    EXPECT_EQ(replaced->Sites()[0]->name, "North Pier");
    EXPECT_EQ(replaced->Sites()[0]->siteId, "NP-01") << "values beyond the model go along";
    EXPECT_EQ(replaced->Sites()[0]->cabinets[0].trxCablings.size(), 12u);
    EXPECT_EQ(*replaced->Sites()[1], *before->Sites()[1]);
    std::remove(target.c_str());
}

TEST(Convert, IntoAnExistingPlanKeepsItsOtherSites) {
    const std::string target = Temp("existing.ewb");
    clitest::Copy(Data("plan_two_sites.ewb"), target);
    const json harbour = json::parse(Cli("dump --json --config Harbour " + target).out);
    const json ferry = json::parse(Cli("dump --json --config Ferry " + target).out);

    for (int round = 0; round < 2; ++round) {
        ASSERT_EQ(Cli("convert " + Data("plan_site.hwc") + " " + target).rc, 0);
        const json rows = json::parse(Cli("list --json " + target).out);
        ASSERT_EQ(rows.size(), 3u) << "round " << round;
        EXPECT_EQ(rows[2]["name"], "Quay West");
    }
    EXPECT_EQ(json::parse(Cli("dump --json --config Harbour " + target).out), harbour);
    EXPECT_EQ(json::parse(Cli("dump --json --config Ferry " + target).out), ferry);
    const json quay = json::parse(Cli("dump --json --config 'Quay West' " + target).out);
    EXPECT_EQ(quay["antennas"][0]["attenuation"], 150);

    // A plan written from a plan carries the passive unit information of its BTS.
    const std::string copy = Temp("copy.ewb");
    ASSERT_EQ(Cli("convert --config Harbour " + target + " " + copy).rc, 0);
    EXPECT_NE(ReadAll(copy).find("SN100"), std::string::npos);
    std::remove(target.c_str());
    std::remove(copy.c_str());
}

TEST(Convert, RefusesTargetsItWouldDamage) {
    const std::string junkText = Temp("junk.hwc");
    const std::string junkPlan = Temp("junk.ewb");
    const std::string withProblems = Temp("problems.hwc");
    clitest::WriteAll(junkText, "notes, not a configuration\n");
    clitest::WriteAll(junkPlan, "notes, not a plan\n");
    clitest::Copy(Data("errors.hwc"), withProblems);
    for (const auto& target : {junkText, junkPlan, withProblems}) {
        const std::string bytes = ReadAll(target);
        const clitest::Run run = Cli("convert " + Data("plan_site.hwc") + " " + target);
        EXPECT_EQ(run.rc, 1) << target;
        EXPECT_NE(run.err.find("The file was left unchanged."), std::string::npos) << run.err;
        EXPECT_EQ(ReadAll(target), bytes) << target;
        std::remove(target.c_str());
    }
}

TEST(Convert, ExitCodes) {
    const std::string out = Temp("codes.hwc");
    EXPECT_EQ(Cli("convert /nonexistent/in.hwc " + out).rc, 2);
    EXPECT_EQ(Cli("convert " + Data("no_version.hwc") + " " + out).rc, 1);
    EXPECT_EQ(ReadAll(out), "") << "nothing written from an unreadable input";
    EXPECT_EQ(Cli("convert " + Data("plan_site.hwc")).rc, 2);
    EXPECT_EQ(Cli("convert --index 5 " + Data("full.hwc") + " " + out).rc, 2);
    EXPECT_EQ(Cli("convert --help").rc, 0);

    const clitest::Run noFolder = Cli("convert " + Data("plan_site.hwc") + " /nonexistent/x.ewb");
    EXPECT_EQ(noFolder.rc, 2);
    EXPECT_FALSE(noFolder.err.empty());

    // Written, but the problems of the input are reported.
    const std::string sdf = Temp("problems.sdf");
    const clitest::Run partial = Cli("convert " + Data("errors.hwc") + " " + sdf);
    EXPECT_EQ(partial.rc, 1);
    EXPECT_NE(ReadAll(sdf).find("\\SITE_NAME                \"Broken \xe5sa\""), std::string::npos);
    std::remove(sdf.c_str());
}

// A new plan names its schema in the maker's tools folder: the machine settings first, then
// $TORVANEMGR, either without its trailing separator.
TEST(Convert, NewPlanNamesTheSchemaInTheToolsFolder) {
    const std::string machine = Temp("machine.ini");
    clitest::WriteAll(machine, "[Relko Communication Service]\nTORVANEMGR=/opt/tv/\n");
    const std::string plan = Temp("schema.ewb");
    std::remove(plan.c_str());
    ASSERT_EQ(Cli("convert " + Data("plan_site.hwc") + " " + plan,
                  "CABRION_MACHINE_INI=" + machine + " TORVANEMGR=/opt/env")
                  .rc,
              0);
    EXPECT_NE(ReadAll(plan).find("xsi:noNamespaceSchemaLocation=\"/opt/tv\\Cabrion\\qorm21.xsd\""),
              std::string::npos)
        << ReadAll(plan);

    std::remove(plan.c_str());
    ASSERT_EQ(Cli("convert " + Data("plan_site.hwc") + " " + plan,
                  "CABRION_MACHINE_INI=" + Temp("none.ini") + " TORVANEMGR=/opt/env/")
                  .rc,
              0);
    EXPECT_NE(ReadAll(plan).find("xsi:noNamespaceSchemaLocation=\"/opt/env\\Cabrion\\qorm21.xsd\""),
              std::string::npos)
        << ReadAll(plan);
    std::remove(plan.c_str());
    std::remove(machine.c_str());
}
