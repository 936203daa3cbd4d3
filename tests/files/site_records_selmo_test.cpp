// Selmo configurations in site configuration files: what the model reads, that a record it was
// read from keeps every value, and that a fresh record holds the whole configuration.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "TestFiles.h"
#include "files/AtomicFile.h"
#include "files/SCFSite.h"
#include "files/SiteConfigFile.h"
#include "files/SiteRecords.h"
#include "model/SiteKODA.h"
#include "model/SiteTARN.h"

namespace {

const std::string kSample =
    std::string(CABRION_TEST_DATA_DIR) + "/../../docs/samples/selmo-4trx.hwc";

// The sample as the model would make it: four 900 transceivers paired 1-2 and 3-4, a power
// supply, a transmission unit and the site's own values, which the model does not hold.
std::string SampleText() {
    CSiteTARN site;
    CDataBase* db = site.GetConfiguration(kSelectCandidate);
    for (int n = 1; n <= 4; ++n) {
        auto trx = std::make_unique<CUnitTTRX>();
        trx->SetNumber(n);
        trx->SetType(1001);
        db->AddUnit(std::move(trx));
    }
    auto pwr = std::make_unique<CUnitTPWR>();
    pwr->SetNumber(1);
    pwr->SetType(2);
    db->AddUnit(std::move(pwr));
    auto tre = std::make_unique<CUnitTTRE>();
    tre->SetNumber(1);
    tre->SetType(1101);
    db->AddUnit(std::move(tre));
    site.SetDiversityPair(1, 2);
    site.SetDiversityPair(3, 4);
    db->SetSwLevel(CUcSwVersion(20));
    db->Cabinet(0)->SetDescriptionText("Two sectors of two transceivers, RX diversity by pairs");

    auto record = std::make_unique<CSCFSite>();
    record->name = "Selmo 2+2";
    record->siteId = "SEL-0412";
    record->description = "Older Selmo cabinet on the water tower";
    record->bcfId = 7;
    record->bcfName = "Selmo water tower";
    EXPECT_TRUE(CopySiteIntoRecord(site, *record));
    for (CSCFTrxCabling& r : record->cabinets.front().trxCablings) {
        r.logicalId = r.trxNumber; // given by the BSC, which the model does not know of
    }
    CSiteConfigFile file;
    file.AddSite(std::move(record));
    return file.WriteToString();
}

// The text without the first line, which names the program version that wrote it.
std::string Body(const std::string& text) {
    return text.substr(text.find('\n') + 1);
}

std::unique_ptr<CSiteConfigFile> ReadText(const std::string& text) {
    auto file = std::make_unique<CSiteConfigFile>();
    file->ReadBytes(text);
    return file;
}

std::string SampleBytes() {
    std::string bytes;
    ReadWholeFile(kSample, bytes);
    return bytes;
}

std::vector<int> Pairs(const CSCFSite& record) {
    std::vector<int> pairs;
    for (const CSCFTrxCabling& r : record.cabinets.front().trxCablings) {
        pairs.push_back(r.diversityPair);
    }
    return pairs;
}

} // namespace

TEST(SelmoRecords, SampleIsWhatTheWriterMakes) {
    const std::string made = SampleText();
    if (std::getenv("CABRION_WRITE_SELMO_SAMPLE") != nullptr) {
        std::ofstream(kSample, std::ios::binary) << made;
    }
    const std::string sample = SampleBytes();
    ASSERT_FALSE(sample.empty()) << kSample;
    EXPECT_EQ(Body(sample), Body(made));
    const auto file = ReadText(sample);
    EXPECT_FALSE(file->HasErrors());
    ASSERT_EQ(file->Sites().size(), 1u);
    EXPECT_EQ(file->Sites()[0]->bcfType, kBcfTypeSelmo);
}

TEST(SelmoRecords, ReadingBuildsTheUnitsAndPairsOfTheFile) {
    const auto file = ReadText(SampleBytes());
    CSiteTARN site;
    ASSERT_TRUE(BuildSiteFromRecord(site, *file->Sites()[0], 0));
    EXPECT_FALSE(BuildSiteFromRecord(site, *file->Sites()[0], 1));
    const CDataBase* db = site.GetConfiguration(kSelectCandidate);
    // Interface and fan of the cabinet, four transceivers, power and transmission.
    EXPECT_EQ(db->Units().size(), 8u);
    for (int n = 1; n <= 4; ++n) {
        ASSERT_NE(site.FindTrx(n), nullptr);
        EXPECT_EQ(site.FindTrx(n)->TypeId(), 1001);
        EXPECT_EQ(site.FindTrx(n)->TypeCodeText(), "OEGA");
        EXPECT_FALSE(site.FindTrx(n)->IsUpgrade());
    }
    EXPECT_EQ(site.FindTrx(1)->DiversityPair(), 2);
    EXPECT_EQ(site.FindTrx(4)->DiversityPair(), 3);
    EXPECT_EQ(db->FindUnit(kUnitKindPwr, 1)->TypeCodeText(), "OBAA");
    EXPECT_EQ(db->FindUnit(kUnitKindTre, 1)->TypeCodeText(), "YTTA");
    EXPECT_EQ(db->SwLevel().Level(), 20);
    EXPECT_EQ(db->Cabinet(0)->DescriptionText(),
              "Two sectors of two transceivers, RX diversity by pairs");
}

TEST(SelmoRecords, RecordReadFromKeepsEveryValueButThePairs) {
    const auto file = ReadText(SampleBytes());
    CSCFSite& record = *file->Sites()[0];
    // Values the model holds nothing of, as another tool may have entered them.
    CSCFTrxCabling& first = record.cabinets.front().trxCablings.front();
    first.txCon = 3;
    first.rxDivPath2 = 5;
    record.cabinets.front().inputs.push_back({4, 1, 2, "Door", true});
    record.cabinets.front().units.push_back({1203, 1, -1}); // an outer unit by its type
    const CSCFSite original = record;

    CSiteTARN site;
    ASSERT_TRUE(BuildSiteFromRecord(site, record, 0));
    ASSERT_TRUE(CopySiteIntoRecord(site, record));
    EXPECT_EQ(record, original);

    // Moving transceiver 1 to 3 leaves 2 and 4 unpaired; nothing else changes.
    ASSERT_TRUE(site.SetDiversityPair(1, 3));
    ASSERT_TRUE(CopySiteIntoRecord(site, record));
    EXPECT_EQ(Pairs(record), (std::vector<int>{3, -1, 1, -1}));
    CSCFSite expected = original;
    for (CSCFTrxCabling& r : expected.cabinets.front().trxCablings) {
        r.diversityPair = Pairs(record)[static_cast<std::size_t>(r.trxNumber - 1)];
    }
    EXPECT_EQ(record, expected);

    // And through the writer: the text read back holds the same.
    const auto reread = ReadText(file->WriteToString());
    EXPECT_EQ(Pairs(*reread->Sites()[0]), (std::vector<int>{3, -1, 1, -1}));
    EXPECT_EQ(reread->Sites()[0]->cabinets.front().trxCablings.front().txCon, 3);
}

TEST(SelmoRecords, PairsAreStoredAsTheFileGaveThem) {
    auto file = ReadText(SampleBytes());
    CSCFSite& record = *file->Sites()[0];
    // A one-sided pair and a pair of 0 are not the model's to tidy up.
    record.cabinets.front().trxCablings[0].diversityPair = 4;
    record.cabinets.front().trxCablings[1].diversityPair = 0;
    const CSCFSite original = record;
    CSiteTARN site;
    ASSERT_TRUE(BuildSiteFromRecord(site, record, 0));
    EXPECT_EQ(site.FindTrx(2)->DiversityPair(), 0);
    ASSERT_TRUE(CopySiteIntoRecord(site, record));
    EXPECT_EQ(record, original);
}

TEST(SelmoRecords, FreshRecordHoldsTheWholeConfiguration) {
    const auto file = ReadText(SampleBytes());
    CSiteTARN site;
    ASSERT_TRUE(BuildSiteFromRecord(site, *file->Sites()[0], 0));
    auto outer = std::make_unique<CUnitTOuter>();
    outer->SetNumber(2);
    outer->SetType(1204);
    site.GetConfiguration(kSelectCandidate)->AddUnit(std::move(outer));
    site.SetDiversityPair(2, 3);

    // A record of another family, as found under the same name in another file.
    CSiteConfigFile other;
    auto fresh = std::make_unique<CSCFSite>();
    fresh->name = "Other";
    fresh->bcfType = kBcfTypeOrvik;
    fresh->cabinets.emplace_back().units.push_back({34, 1, -1});
    CSCFSite& record = other.AddSite(std::move(fresh));
    ASSERT_TRUE(CopySiteIntoRecord(site, record));
    EXPECT_EQ(record.bcfType, kBcfTypeSelmo);
    ASSERT_EQ(record.cabinets.size(), 1u);
    EXPECT_EQ(record.cabinets.front().units, (std::vector<CSCFUnit>{{2, 1, -1}}));

    const auto reread = ReadText(other.WriteToString());
    CSiteTARN back;
    ASSERT_TRUE(BuildSiteFromRecord(back, *reread->Sites()[0], 0));
    // Every unit comes back with its kind, number, type and pair.
    const auto describe = [](CSite& s) {
        std::vector<std::string> units;
        for (const auto& u : s.GetConfiguration(kSelectCandidate)->Units()) {
            std::ostringstream out;
            out << u->Kind() << "/" << u->Number() << "/" << u->TypeId();
            if (const auto* trx = dynamic_cast<const CUnitTTRX*>(u.get())) {
                out << "/" << trx->DiversityPair();
            }
            units.push_back(out.str());
        }
        std::sort(units.begin(), units.end());
        return units;
    };
    EXPECT_EQ(describe(back), describe(site));
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(back.FindTrx(n)->DiversityPair(), site.FindTrx(n)->DiversityPair()) << n;
        EXPECT_EQ(back.FindTrx(n)->TypeId(), 1001);
    }
    const CUnit* hop = back.GetConfiguration(kSelectCandidate)->FindUnit(kUnitKindExternal, 2);
    ASSERT_NE(hop, nullptr);
    EXPECT_EQ(hop->TypeId(), 1204);
    EXPECT_EQ(back.GetConfiguration(kSelectCandidate)->FindUnit(kUnitKindTre, 1)->TypeId(), 1101);
}

TEST(SelmoRecords, UnitsTheFileCannotCarryStopTheStore) {
    CSiteTARN site;
    auto tre = std::make_unique<CUnitTTRE>();
    tre->SetNumber(1);
    tre->SetType(1107); // the dummy transmission unit has no file code
    site.GetConfiguration(kSelectCandidate)->AddUnit(std::move(tre));
    CSCFSite record;
    record.name = "Kept";
    const CSCFSite before = record;
    EXPECT_FALSE(CopySiteIntoRecord(site, record));
    EXPECT_EQ(record, before);
}
