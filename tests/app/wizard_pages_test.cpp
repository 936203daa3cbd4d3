// The wizard's configuration pages and the sector dialog, without a window.
#include <gtest/gtest.h>

#include "WizardTestSupport.h"
#include "app/views/ViewBase.h"
#include "app/views/ViewTexts.h"
#include "app/wizard/WizardCheckPages.h"
#include "app/wizard/WizardFlowPages.h"
#include "app/wizard/WizardNewPages.h"
#include "app/wizard/WizardReportPages.h"
#include "model/Cabling.h"
#include "model/UnitKTrx.h"
#include "model/UnitTypeRecord.h"
#include "rules/RuleBook.h"

namespace {

int RowNamed(const CWizardPreferenceController& page, const std::string& name) {
    for (std::size_t i = 0; i < page.Rows().size(); ++i) {
        if (page.Rows()[i].name == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int NetworkEntry(const CWizardPreferenceController& page, int value) {
    for (std::size_t i = 0; i < page.Networks().entries.size(); ++i) {
        if (page.Networks().entries[i].value == value) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// Walks the New way's first page and the sector configuration page.
void ChooseSectorConfiguration(WizardFixture& f, CWizardPreferenceController& preference,
                               const std::string& name, int band) {
    f.sheet->Begin();
    CWizardWayController way(*f.sheet);
    way.FirstDisplay();
    way.Enter();
    way.Choose(wizard::kWayNew);
    ASSERT_TRUE(way.Next());
    preference.FirstDisplay();
    preference.Enter();
    const int row = RowNamed(preference, name);
    ASSERT_GE(row, 0);
    preference.ChooseRow(row);
    const int entry = NetworkEntry(preference, band);
    ASSERT_GE(entry, 0);
    preference.ChooseNetwork(entry);
    preference.Next();
}

CUnitKTrx* Trx(WizardFixture& f, int n) {
    return dynamic_cast<CUnitKTrx*>(f.doc->SiteKODA()->FindUnit(kUnitKindTrx, n, kSelectCandidate));
}

} // namespace

TEST(WizardNewWay, SixPlusSixRtcWithDiversityAndAntennasPassesTheRuleBook) {
    WizardFixture f;
    CWizardPreferenceController preference(*f.sheet);
    ASSERT_EQ(preference.Rows().size(), 0u);
    ChooseSectorConfiguration(f, preference, "6+6 (RTC)", 1);
    EXPECT_EQ(preference.Rows().front().name, "< New >");
    EXPECT_EQ(preference.Preview().cells[0][1], "1");
    EXPECT_EQ(preference.Preview().cells[6][1], "2");

    CWizardPreDefinedController groups(*f.sheet);
    groups.Enter();
    EXPECT_EQ(groups.Table().cells[0][1], "RTC");
    EXPECT_EQ(groups.Table().cells[6][1], "RTC");
    EXPECT_EQ(groups.Table().cells[1][1], "RTC");
    EXPECT_EQ(groups.Table().cells[11][2], "2");
    // A placed scheme is the only one offered where it stands, besides releasing it.
    groups.SelectPosition(3);
    ASSERT_EQ(groups.Choices().Count(), 2);
    EXPECT_EQ(groups.Choices().entries[1].value, 7);

    CWizardDiversityController diversity(*f.sheet);
    diversity.Enter();
    for (int p = 1; p <= 12; ++p) {
        ASSERT_NE(Trx(f, p), nullptr) << p;
        EXPECT_EQ(Trx(f, p)->Cabling().rxDiversityCombiner, p <= 6 ? 14 : 16) << p;
    }
    EXPECT_NE(diversity.Table().cells[0][1].find(" div"), std::string::npos);
    // Diversity of TRX 1 taken from the main output of its own sector's RTC instead.
    diversity.SelectPosition(1);
    int main = -1;
    for (int i = 0; i < diversity.Choices().Count(); ++i) {
        if (diversity.Choices().entries[i].value == 13) {
            main = i;
        }
    }
    ASSERT_EQ(main, -1) << "an RTC's own RX input is not offered for its diversity";

    CWizardAntennaController antennas(*f.sheet);
    antennas.Enter();
    ASSERT_EQ(antennas.Endpoints().size(), 5u);
    EXPECT_EQ(antennas.Endpoints()[1].second, 14);
    EXPECT_EQ(antennas.Endpoints()[2].second, 13);
    EXPECT_EQ(antennas.Endpoints()[3].second, 16);
    EXPECT_EQ(antennas.Endpoints()[4].second, 15);
    auto rows = antennas.Rows();
    EXPECT_EQ(rows[0].sector, "1");
    EXPECT_EQ(rows[2].sector, "2");
    EXPECT_EQ(rows[4].combiner, "None");
    EXPECT_EQ(rows[4].sector, "-");
    antennas.SetVswr(true);
    EXPECT_EQ(antennas.Rows()[0].vswr, "Yes");

    // Every cable the schemes made is one the rule book accepts.
    CSiteKODA& site = *f.doc->SiteKODA();
    CRuleBookKODA book;
    int position = 0;
    int cables = 0;
    for (CCabling* c = site.FirstCable(position, kSelectCandidate); c != nullptr;
         c = site.NextCable(position, kSelectCandidate)) {
        ASSERT_NE(c->Start(), nullptr);
        ASSERT_NE(c->End(), nullptr);
        const SVerdict verdict = book.CheckCable(*c->Start(), *c->End());
        EXPECT_NE(verdict.severity, kSeverityCritical)
            << c->Start()->DisplayName() << " - " << c->End()->DisplayName() << ": "
            << verdict.message;
        ++cables;
    }
    EXPECT_GT(cables, 0);

    CWizardNewLastController last(*f.sheet);
    last.Enter();
    const auto& lines = last.Lines();
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[2], "Network type: \t900");
    EXPECT_EQ(lines[3].rfind("Units: \t\t12 RVxs through ", 0), 0u) << lines[3];
    EXPECT_EQ(lines[5].rfind("TX cabling: \t12 RVxs  with ", 0), 0u) << lines[5];
    EXPECT_EQ(lines[7].rfind("RX div cabling: \t12 RVxs  with ", 0), 0u) << lines[7];
    EXPECT_EQ(lines[9], "Antenna settings: \t4 antennas with VSWR monitoring");
    EXPECT_EQ(last.Buttons(), wizard::EButtons::FinishBack);

    // Cancel gives back the empty configuration the wizard was opened on.
    ASSERT_TRUE(f.sheet->CancelRun());
    ASSERT_NE(Trx(f, 1), nullptr);
    EXPECT_TRUE(Trx(f, 1)->IsUpgrade());
    EXPECT_EQ(Trx(f, 1)->Cabling().txCombinerId, 0);
    EXPECT_EQ(f.doc->SiteKODA()->FindUnit(kUnitKindRtc, 1, kSelectCandidate), nullptr);
    EXPECT_EQ(f.doc->SiteKODA()->GetKODA(kSelectCandidate)->Antenna(1)->ConnectedCombiner(), 0);
}

TEST(WizardNewWay, ChangingAGroupOfAPredefinedConfigurationMakesItTheOwnOne) {
    WizardFixture f;
    CWizardPreferenceController preference(*f.sheet);
    ChooseSectorConfiguration(f, preference, "2+2+2", 2);
    CWizardPreDefinedController groups(*f.sheet);
    groups.Enter();
    EXPECT_EQ(groups.Table().cells[0][1], "Bypass with DDU");
    // Position 3 is free: only the schemes that fit there are offered; a WBC pair would need
    // the DDU place that sector 2 uses.
    groups.SelectPosition(3);
    int bypass = -1;
    for (int i = 0; i < groups.Choices().Count(); ++i) {
        EXPECT_NE(groups.Choices().entries[i].value, 3);
        if (groups.Choices().entries[i].value == 1) {
            bypass = i;
        }
    }
    ASSERT_GT(bypass, 0);
    ASSERT_TRUE(groups.Set(bypass));
    EXPECT_EQ(f.sheet->Sectors().Selected(), 0);
    EXPECT_EQ(f.sheet->Sectors().Scheme(0, 1), 1);
    EXPECT_EQ(f.sheet->Sectors().Scheme(0, 3), 1);
    EXPECT_EQ(f.sheet->Sectors().Sector(0, 5), 2);
    EXPECT_EQ(groups.Table().cells[2][1], "Bypass with DDU");
    // Setting the same scheme again changes nothing.
    groups.SelectPosition(3);
    EXPECT_FALSE(groups.Set(1));
}

TEST(WizardNewWay, AntennasGoToMainAndDiversityOutputsInTurn) {
    WizardFixture f;
    f.sheet->Begin();
    CSiteKODA& site = *f.doc->SiteKODA();
    site.CreateCombinerUnit(kUnitKindDdu, 1, kSelectCandidate);
    site.CreateCombinerUnit(kUnitKindRtc, 1, kSelectCandidate);
    CWizardAntennaController antennas(*f.sheet);
    for (int entry = 0; entry < 2; ++entry) {
        antennas.Enter();
        const CDataBaseKODA& db = *site.GetKODA(kSelectCandidate);
        EXPECT_EQ(db.Antenna(1)->ConnectedCombiner(), 1);
        EXPECT_EQ(db.Antenna(2)->ConnectedCombiner(), 14);
        EXPECT_EQ(db.Antenna(3)->ConnectedCombiner(), 2);
        EXPECT_EQ(db.Antenna(4)->ConnectedCombiner(), 13);
        EXPECT_EQ(db.Antenna(5)->ConnectedCombiner(), 0);
    }
    // The ports carry the names the views and the report give them: half a is "1a", the RTC's
    // outputs "main" and "div".
    const CDataBaseKODA& named = *site.GetKODA(kSelectCandidate);
    ASSERT_EQ(antennas.Endpoints().size(), 5u);
    for (std::size_t i = 1; i < antennas.Endpoints().size(); ++i) {
        const auto& [name, port] = antennas.Endpoints()[i];
        EXPECT_EQ(name, ViewTexts::Combiner(named, port)) << port;
    }
    EXPECT_TRUE(antennas.Endpoints()[1].first.ends_with(" 1a"));
    EXPECT_TRUE(antennas.Endpoints()[3].first.ends_with(" 1b"));
    // Giving antenna 5 an endpoint that antenna 1 holds takes it from antenna 1.
    antennas.SelectAntenna(5);
    antennas.Set(1);
    const CDataBaseKODA& db = *site.GetKODA(kSelectCandidate);
    EXPECT_EQ(db.Antenna(5)->ConnectedCombiner(), 1);
    EXPECT_EQ(db.Antenna(1)->ConnectedCombiner(), 0);
    // High gain sets the attenuation; bypass is refused for a band without bypass MHAs.
    antennas.SetHighGain(true);
    EXPECT_EQ(db.Antenna(5)->Attenuation(), 190);
    EXPECT_EQ(db.Antenna(5)->MhaType(true), 3);
    if (!antennas.BypassEnabled()) {
        antennas.SetBypass(true);
        EXPECT_FALSE(antennas.Bypass());
    }
    antennas.SetHighGain(false);
    EXPECT_EQ(db.Antenna(5)->Attenuation(), CAntenna::kAttenuationNotGiven);
    EXPECT_FALSE(antennas.BypassEnabled());
}

TEST(SectorAndNetworkDialog, SharedBoxesAndCancelRestoringTheRows) {
    WizardFixture f;
    f.sheet->Begin();
    CSectorConfigKODAMaster& sectors = f.sheet->Sectors();
    const int rtc = sectors.FindByName("6+6 (RTC)");
    ASSERT_GT(rtc, 0);
    const SSectorRows before = *sectors.Own().Record(0);
    CSectorAndNetworkModel dialog(*f.sheet, rtc, 2);
    // Copied from the pre-defined configuration with the dialog's network where none was set.
    EXPECT_EQ(sectors.Sector(0, 7), 2);
    EXPECT_EQ(sectors.Band(0, 1), 2);
    dialog.SelectRows({6, 7});
    EXPECT_EQ(dialog.SharedSector(), -1);
    EXPECT_EQ(dialog.SharedNetwork(), 2);
    dialog.ChooseSector(3);
    EXPECT_EQ(dialog.SharedSector(), 3);
    EXPECT_EQ(sectors.Sector(0, 6), 3);
    EXPECT_EQ(sectors.Sector(0, 7), 3);
    EXPECT_EQ(sectors.Sector(0, 8), 2);
    dialog.SelectRows({});
    EXPECT_EQ(dialog.SharedSector(), -1);
    dialog.Cancel();
    EXPECT_EQ(*sectors.Own().Record(0), before);
}

TEST(SectorAndNetworkDialog, AnIllegalBandIsQuestionedWithNoAsTheAnswer) {
    WizardFixture f;
    f.sheet->Begin();
    CSectorAndNetworkModel dialog(*f.sheet, f.sheet->Sectors().FindByName("2+2+2"), 1);
    EXPECT_NE(dialog.CollectedBand(), 0);
    EXPECT_EQ(dialog.ResultText(), "GSM 900");
    EXPECT_TRUE(dialog.Ok());
    // 900 beside 1800 and 1900 cannot live in one cabinet.
    dialog.SelectRows({1, 2});
    dialog.ChooseNetwork(2);
    dialog.SelectRows({5});
    dialog.ChooseNetwork(4);
    EXPECT_EQ(dialog.CollectedBand(), 0);
    EXPECT_EQ(dialog.ResultText().rfind("GSM ", 0), std::string::npos) << dialog.ResultText();
    EXPECT_FALSE(dialog.Ok());
    EXPECT_EQ(f.windows.shown.back(), CSectorAndNetworkModel::kNotSupported);
}

TEST(WizardNewWay, AMixKeptInTheSectorDialogKeepsEveryRowsBand) {
    WizardFixture f;
    CWizardPreferenceController preference(*f.sheet);
    ChooseSectorConfiguration(f, preference, "2+2+2", 1);
    // 900 beside 1900 collects to no band; the user keeps it all the same.
    CSectorAndNetworkModel dialog(*f.sheet, preference.DialogSource(), preference.NetworkValue());
    dialog.SelectRows({5, 6});
    dialog.ChooseNetwork(4);
    f.windows.answers.push_back(EAnswer::Yes);
    ASSERT_TRUE(dialog.Ok());
    preference.Modified();
    EXPECT_EQ(preference.SelectedRow(), 0);
    EXPECT_EQ(preference.NetworkValue(), 0);
    EXPECT_EQ(preference.Networks().entries[preference.SelectedNetwork()].text, "900/1900");
    preference.Next();
    EXPECT_EQ(Trx(f, 1)->Band() & 0x7F, 1);
    EXPECT_EQ(Trx(f, 5)->Band() & 0x7F, 4);
    EXPECT_EQ(f.sheet->Sectors().Band(0, 6) & 0x7F, 4);
}

TEST(WizardCheckPages, CrossConnectionFillsUnsetHalvesAndAutodetectsOnlyWhenCommissioning) {
    WizardFixture f;
    f.doc->OnIdle();
    f.sheet->Begin();
    CWizardPreferenceController preference(*f.sheet);
    ChooseSectorConfiguration(f, preference, "6+6 (RTC)", 1);
    CWizardPreDefinedController groups(*f.sheet);
    groups.Enter();
    for (int n = 1; n <= 12; ++n) {
        Trx(f, n)->SetBb2Id(-1);
    }
    Trx(f, 3)->SetBb2Id(5);
    CWizardBB2Controller bb2(*f.sheet);
    bb2.Enter();
    EXPECT_EQ(bb2.TrxOfHalf(1), 1);
    EXPECT_EQ(bb2.TrxOfHalf(5), 3);
    EXPECT_EQ(bb2.TrxOfHalf(12), 12);
    EXPECT_EQ(bb2.TrxEntries().size(), 12u);
    EXPECT_FALSE(bb2.AutodetectEnabled());
    EXPECT_FALSE(bb2.Autodetect());

    f.link.GoUp(2);
    f.link.bcf = 9;
    bb2.CheckAvailability();
    EXPECT_TRUE(bb2.AutodetectEnabled());
    f.windows.answers.push_back(EAnswer::Yes);
    f.link.bcf = 1;
    ASSERT_TRUE(bb2.Autodetect());
    ASSERT_EQ(f.link.tables.size(), 1u);
    EXPECT_EQ(f.link.tables[0][4], 3);
    EXPECT_EQ(f.link.autodetects, 1);
    // The BCF was reset: the user waits until it is back in Commissioning.
    EXPECT_FALSE(bb2.NavigationEnabled());
    f.link.bcf = 9;
    bb2.CheckAvailability();
    EXPECT_TRUE(bb2.NavigationEnabled());
    const auto events = f.Events();
    EXPECT_EQ(std::count(events.begin(), events.end(), "Operation succeeded"), 2);

    // A refused table stops before the autodetect request.
    f.link.crossConnectionResult = 4;
    f.windows.answers.push_back(EAnswer::Yes);
    ASSERT_TRUE(bb2.Autodetect());
    EXPECT_EQ(f.link.autodetects, 1);
    EXPECT_TRUE(bb2.NavigationEnabled());
    EXPECT_EQ(f.Events()[f.Events().size() - 2], "Command failed");

    // A link that drops while autodetecting does not hold the user on the page.
    f.link.crossConnectionResult = 0;
    f.windows.answers.push_back(EAnswer::Yes);
    ASSERT_TRUE(bb2.Autodetect());
    f.link.Stop();
    bb2.CheckAvailability();
    EXPECT_TRUE(bb2.NavigationEnabled());
}

TEST(WizardCheckPages, CablingListOfAnUncabledCandidateHoldsOnlyTheAllEntries) {
    WizardFixture f;
    f.sheet->Begin();
    CWizardCablingCheckController cabling(*f.sheet);
    cabling.Enter();
    ASSERT_EQ(cabling.Entries().size(), 4u);
    EXPECT_EQ(cabling.Entries()[0], (SWizardEntry{"All cabling ", 7}));
    EXPECT_EQ(cabling.Entries()[1], (SWizardEntry{"All TX cabling ", 4}));
    EXPECT_EQ(cabling.Entries()[3], (SWizardEntry{"All RX diversity cabling ", 6}));

    CWizardPreferenceController preference(*f.sheet);
    ChooseSectorConfiguration(f, preference, "1+1+1", 1);
    CWizardPreDefinedController groups(*f.sheet);
    groups.Enter();
    cabling.Enter();
    EXPECT_EQ(cabling.Entries()[2], (SWizardEntry{" - TX cabling for TRX 1", 4 + 256}));
    cabling.Select(2);
    ASSERT_NE(f.doc->ViewManager(), nullptr);
    EXPECT_EQ(f.doc->ViewManager()->SelectedNumber(), 1);
    cabling.Leave();
    EXPECT_EQ(f.doc->ViewManager()->SelectedUnit(), nullptr);
}

TEST(WizardCheckPages, AttenuationOfAHighGainMhaOnA900Ddu) {
    WizardFixture f;
    CWizardPreferenceController preference(*f.sheet);
    ChooseSectorConfiguration(f, preference, "1+1+1", 1);
    CWizardPreDefinedController groups(*f.sheet);
    groups.Enter();
    CDataBaseKODA& db = *f.doc->SiteKODA()->GetKODA(kSelectCandidate);
    // The antenna's type follows its MHA whenever the antenna view is shown.
    db.FindUnit(kUnitKindMha, 1)->SetType(51);
    db.FindUnit(kUnitKindMha, 1)->SetUpgrade(false);
    db.Antenna(1)->SetConnectedCombiner(1);
    db.Antenna(1)->SetMhaType(3);
    db.Antenna(1)->SetAttenuation(190);
    db.Antenna(2)->SetConnectedCombiner(2);
    db.Antenna(2)->SetAttenuation(CAntenna::kAttenuationNotGiven);

    CWizardSimpleAntController page(*f.sheet);
    page.Enter();
    ASSERT_EQ(page.Rows().size(), 2u);
    EXPECT_EQ(page.Rows()[0].cells[2], "High gain MHA");
    ASSERT_TRUE(page.ListsEnabled());
    EXPECT_EQ(page.BaseText(), "32 dB -");
    EXPECT_EQ(page.ResultText(), "= 28.4 dB");
    EXPECT_EQ(page.Gains()[page.Gain()].text, "+1.9");
    EXPECT_EQ(page.Losses()[page.Loss()].text, "+5.5");
    // Choosing a loss moves the gain the other way.
    page.ChooseLoss(page.Loss() + 1);
    EXPECT_EQ(page.Losses()[page.Loss()].text, "+5.0");
    EXPECT_EQ(page.Gains()[page.Gain()].text, "+1.4");
    page.Set();
    EXPECT_EQ(db.Antenna(1)->Attenuation(), 140);
    page.SetVswr(true);
    EXPECT_EQ(db.Antenna(1)->MhaType(), 6);
    // Without an attenuation both lists are off.
    page.Select(1);
    EXPECT_FALSE(page.ListsEnabled());
    EXPECT_TRUE(page.Gains().empty());
}

TEST(WizardCheckPages, CabinetPageShowsOnlyWhatTheSwLevelAllows) {
    WizardFixture f;
    f.sheet->Begin();
    CDataBaseKODA& db = *f.doc->SiteKODA()->GetKODA(kSelectCandidate);
    db.SetSwLevel(CUcSwVersion(1));
    SCabinetSettings s = db.CabinetSettings();
    s.clockSync = 3;
    s.cabinetType = 1;
    db.SetCabinetSettings(s);
    CWizardCabinetController cabinet(*f.sheet);
    cabinet.FirstDisplay();
    EXPECT_EQ(cabinet.ClockChoices().size(), 2u);
    EXPECT_EQ(cabinet.Clock(), 0);
    EXPECT_EQ(cabinet.TypeButton(), 1);
    EXPECT_FALSE(cabinet.WcdmaEnabled());
    cabinet.SetWcdma(true);
    EXPECT_EQ(db.CabinetSettings().wcdma, 0);
    // A change writes only what changed.
    cabinet.SetLte(true);
    EXPECT_EQ(f.doc->SiteKODA()->GetKODA(kSelectCandidate)->CabinetSettings().lte, 1);
    EXPECT_EQ(f.doc->SiteKODA()->GetKODA(kSelectCandidate)->CabinetSettings().clockSync, 3);
}

// A Midi cabinet holds six transceivers: the page names what it would drop and asks first.
TEST(WizardCheckPages, CabinetPageAsksBeforeASmallerCabinetDropsUnits) {
    WizardFixture f;
    ASSERT_TRUE(f.doc->OpenPath(
        std::string(CABRION_TEST_DATA_DIR) + "/../../docs/samples/harbour-4x3.hwc", true));
    f.sheet->Begin();
    CWizardCabinetController cabinet(*f.sheet);
    cabinet.FirstDisplay();
    const auto trxs = [&] {
        int n = 0;
        for (const auto& u : f.doc->SiteKODA()->GetKODA(kSelectCandidate)->Units()) {
            n += u->Kind() == kUnitKindTrx && !u->IsUpgrade();
        }
        return n;
    };
    f.windows.questionIcons.clear();
    cabinet.ChooseType(2);
    ASSERT_EQ(f.windows.questionIcons, std::vector<bool>{false});
    EXPECT_EQ(f.windows.shown.back().rfind(
                  "The Indoor Midi cabinet has no place for these units:\nRVDB 7, ", 0),
              0u)
        << f.windows.shown.back();
    EXPECT_EQ(cabinet.TypeButton(), 0);
    EXPECT_EQ(trxs(), 12);
    f.windows.answers = {EAnswer::Yes};
    cabinet.ChooseType(2);
    EXPECT_EQ(cabinet.TypeButton(), 2);
    EXPECT_EQ(trxs(), 6);
    ASSERT_TRUE(f.sheet->CancelRun());
    EXPECT_EQ(trxs(), 12);
}

TEST(WizardCheckPages, PassiveUnitsAreSentOnlyWhenThereIsSomethingToSend) {
    WizardFixture f;
    f.sheet->Begin();
    CWizardPassiveController passive(*f.sheet);
    passive.Enter();
    EXPECT_FALSE(passive.InformationToSend());
    passive.Next();
    EXPECT_EQ(f.link.passiveSends, 0);

    WizardFixture g;
    g.doc->OnIdle();
    g.sheet->Begin();
    g.link.GoUp(2);
    CWizardPassiveController fetched(*g.sheet);
    fetched.Enter();
    EXPECT_TRUE(fetched.InformationToSend());
    g.link.passiveSent = false;
    fetched.Next();
    EXPECT_EQ(g.Events().back(), "Cannot send passive unit information.");
    EXPECT_TRUE(fetched.InformationToSend());
    g.link.passiveSent = true;
    fetched.Next();
    EXPECT_EQ(g.Events().back(), "Passive unit information sent successfully.");
    EXPECT_FALSE(fetched.InformationToSend());
}
