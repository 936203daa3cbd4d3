// The option pages' rules: what they show from the settings, what they store, and how they
// keep the bar-code reader and the BTS connection off each other's port.
#include "app/options/CableColours.h"
#include "app/options/DisplayOptions.h"
#include "app/options/OptionsBTSConnection.h"
#include "app/options/OptionsBarCodeReader.h"
#include "app/options/OptionsSheet.h"
#include "comms/ConnectParams.h"
#include "model/Strings.h"
#include "platform/MemoryRegistry.h"
#include "platform/SettingsKeys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct RecordingOptionsHost : IOptionsHost {
    void Warning(const std::string& text) override { log.push_back("warning " + text); }
    bool AskYesNo(const std::string& question) override {
        log.push_back("ask " + question);
        return answer;
    }
    SActiveConnection ActiveConnection() const override { return connection; }
    bool DocumentAppliesBtsConnection() const override { return documentFollows; }
    void ApplyBtsConnectionSetting() override { log.push_back("apply BTS setting"); }
    void NotifyBtsConnectionSettingChanged() override { log.push_back("BTS setting changed"); }
    void NotifyBarCodeSettingChanged() override { log.push_back("reader setting changed"); }

    SActiveConnection connection;
    bool documentFollows = false;
    bool answer = false;
    std::vector<std::string> log;
};

const std::vector<SerialPortEntry> kPorts = {{"COM1", 1, ""}, {"COM3", 3, ""}, {"COM33", 33, ""}};

std::string Text(int id) {
    return std::string(LoadString(id));
}

} // namespace

TEST(OptionsSheet, NoLocalPortPageForARemoteConnection) {
    const std::vector<std::string> all = {"LMP", "Display", "Cable Colours", "Bar Code Reader"};
    EXPECT_EQ(OptionsPages(OptionsSheetKind::Site, {}), all);
    EXPECT_EQ(OptionsPages(OptionsSheetKind::Site, {SActiveConnection::kLocal, 1}), all);
    EXPECT_EQ(OptionsPages(OptionsSheetKind::Site, {SActiveConnection::kRemote, 0}),
              (std::vector<std::string>{"Display", "Cable Colours", "Bar Code Reader"}));
    EXPECT_EQ(OptionsPages(OptionsSheetKind::NoBTS, {SActiveConnection::kRemote, 0}),
              std::vector<std::string>{"LMP"});
}

TEST(BTSConnectionPage, ShowsTheStoredChoicesAndNothingForValuesOutOfRange) {
    CMemoryRegistry store;
    RecordingOptionsHost host;
    settings::Write(store, settings::kMaxUARTSpeed, 5);
    settings::Write(store, settings::kComPort, 33);
    COptionsBTSConnection page(store, host, kPorts);
    page.Open();
    EXPECT_EQ(COptionsBTSConnection::SpeedNames()[static_cast<std::size_t>(page.SpeedIndex())],
              "115 200 bps");
    EXPECT_EQ(page.PortIndex(), 2);
    EXPECT_TRUE(page.Enabled());

    settings::Write(store, settings::kMaxUARTSpeed, 0);
    settings::Write(store, settings::kComPort, 2);
    page.Open();
    EXPECT_EQ(page.SpeedIndex(), -1);
    EXPECT_EQ(page.PortIndex(), -1);
    // Applying with nothing chosen keeps the stored values.
    page.Apply();
    EXPECT_EQ(settings::Read(store, settings::kMaxUARTSpeed), 0);
    EXPECT_EQ(settings::Read(store, settings::kComPort), 2);
}

// On a fresh install the page shows the speed the link runs at, and OK keeps it.
TEST(BTSConnectionPage, FreshSettingsShowAndKeepTheLinksSpeed) {
    CMemoryRegistry store;
    RecordingOptionsHost host;
    COptionsBTSConnection page(store, host, kPorts);
    page.Open();
    ASSERT_GE(page.SpeedIndex(), 0);
    EXPECT_EQ(COptionsBTSConnection::SpeedNames()[static_cast<std::size_t>(page.SpeedIndex())],
              "115 200 bps");
    page.Apply();
    EXPECT_EQ(settings::Read(store, settings::kMaxUARTSpeed), CConnectParams().GetMaxSpeedIndex());
}

TEST(BTSConnectionPage, RefusesTheReadersPort) {
    CMemoryRegistry store;
    RecordingOptionsHost host;
    host.documentFollows = true;
    settings::Write(store, settings::kUARTEnable, 1);
    settings::Write(store, settings::kUARTPort, 3);
    settings::Write(store, settings::kEnableBTS, 0);
    COptionsBTSConnection page(store, host, kPorts);
    page.Open();
    page.SetEnabled(true);
    page.ChoosePort(1); // COM3
    page.ChooseSpeed(1);
    page.Apply();
    EXPECT_EQ(host.log, (std::vector<std::string>{"warning " + Text(157), "apply BTS setting"}));
    EXPECT_FALSE(page.Enabled());
    EXPECT_EQ(settings::Read(store, settings::kEnableBTS), 0);
    EXPECT_EQ(settings::Read(store, settings::kComPort), 3);
    EXPECT_EQ(settings::Read(store, settings::kMaxUARTSpeed), 2);

    host.log.clear();
    page.SetEnabled(true);
    page.ChoosePort(0);
    page.Apply();
    EXPECT_EQ(host.log, std::vector<std::string>{"apply BTS setting"});
    EXPECT_EQ(settings::Read(store, settings::kEnableBTS), 1);
    EXPECT_EQ(settings::Read(store, settings::kComPort), 1);
}

TEST(BarCodeReaderPage, ShowsTheStoredSettings) {
    CMemoryRegistry store;
    RecordingOptionsHost host;
    COptionsBarCodeReader page(store, host, kPorts);
    page.Open();
    EXPECT_FALSE(page.Enabled());
    EXPECT_FALSE(page.PortSettingsEnabled());
    EXPECT_EQ(page.PortIndex(), 0);
    EXPECT_EQ(COptionsBarCodeReader::SpeedNames()[static_cast<std::size_t>(page.Speed())],
              "9 600 bps");
    EXPECT_EQ(COptionsBarCodeReader::ParityNames()[static_cast<std::size_t>(page.Parity())],
              "Even");
    EXPECT_EQ(COptionsBarCodeReader::DataBitsNames()[static_cast<std::size_t>(page.DataBits())],
              "7");
    EXPECT_EQ(page.StopBits(), 0);
    EXPECT_FALSE(page.Validation());
    EXPECT_TRUE(host.log.empty());

    settings::Write(store, settings::kUARTSpeed, 9);
    settings::Write(store, settings::kPassiveUnitValidationOption, 1);
    page.Open();
    EXPECT_EQ(page.Speed(), -1);
    EXPECT_TRUE(page.Validation());
}

TEST(BarCodeReaderPage, AskingToFreeTheBtsPortThenRefusingAtApply) {
    CMemoryRegistry store;
    RecordingOptionsHost host;
    host.connection = {SActiveConnection::kLocal, 1};
    settings::Write(store, settings::kEnableBTS, 1);
    COptionsBarCodeReader page(store, host, kPorts);
    page.Open();
    page.SetEnabled(true);
    EXPECT_EQ(host.log, std::vector<std::string>{"ask " + Text(154)});
    EXPECT_TRUE(page.Enabled()) << "No keeps the reader ticked";
    EXPECT_EQ(settings::Read(store, settings::kEnableBTS), 1);

    host.log.clear();
    page.SetValidation(true);
    page.Apply();
    EXPECT_EQ(host.log,
              (std::vector<std::string>{"warning " + Text(156), "reader setting changed"}));
    EXPECT_FALSE(page.Enabled());
    EXPECT_EQ(settings::Read(store, settings::kUARTEnable), 0);
    EXPECT_EQ(settings::Read(store, settings::kPassiveUnitValidationOption), 1);
    EXPECT_EQ(settings::Read(store, settings::kUARTPort), 1);
}

TEST(BarCodeReaderPage, YesGivesUpTheBtsConnection) {
    CMemoryRegistry store;
    RecordingOptionsHost host;
    host.connection = {SActiveConnection::kLocal, 3};
    host.answer = true;
    settings::Write(store, settings::kEnableBTS, 1);
    settings::Write(store, settings::kUARTPort, 3);
    COptionsBarCodeReader page(store, host, kPorts);
    page.Open();
    EXPECT_TRUE(host.log.empty()) << "nothing to ask while the reader is off";
    page.SetEnabled(true);
    EXPECT_EQ(host.log, (std::vector<std::string>{"ask " + Text(154), "BTS setting changed",
                                                  "apply BTS setting"}));
    EXPECT_EQ(settings::Read(store, settings::kEnableBTS), 0);
    EXPECT_TRUE(page.PortSettingsEnabled());

    // Moving the reader to a free port is no conflict, even though the old port was one.
    host.log.clear();
    page.ChoosePort(0);
    page.ChooseStopBits(1);
    page.Apply();
    EXPECT_EQ(host.log, std::vector<std::string>{"reader setting changed"});
    EXPECT_EQ(settings::Read(store, settings::kUARTEnable), 1);
    EXPECT_EQ(settings::Read(store, settings::kUARTPort), 1);
    EXPECT_EQ(settings::Read(store, settings::kUARTStopBits), 1);
}

TEST(BarCodeReaderPage, APageNeverOpenedWritesNothing) {
    CMemoryRegistry store;
    RecordingOptionsHost host;
    COptionsBarCodeReader reader(store, host, kPorts);
    COptionsBTSConnection lmp(store, host, kPorts);
    reader.Apply();
    lmp.Apply();
    reader.OnBarCodeSettingChanged();
    EXPECT_TRUE(host.log.empty());
    EXPECT_EQ(store.GetInt(settings::kInitialization, "UARTEnable", -7), -7);
    EXPECT_EQ(store.GetInt(settings::kInitialization, "EnableBTS", -7), -7);
}

TEST(DisplayPage, ViewSettingsBits) {
    const auto five = SDisplayFlags::FromViewSettings(5);
    EXPECT_TRUE(five.widebandAndMulticoupler);
    EXPECT_TRUE(five.onlySelectedCabling);
    EXPECT_FALSE(five.rackShelfSlot);
    for (int v = 0; v < 8; ++v) {
        EXPECT_EQ(SDisplayFlags::FromViewSettings(v).ToViewSettings(), v);
    }

    CMemoryRegistry store;
    CPageOptionsCabling page(five);
    page.Flags().rackShelfSlot = true;
    EXPECT_FALSE(page.Apply(store, nullptr));
    EXPECT_EQ(store.GetInt(settings::kSettings, "ViewSettings", -7), -7);
    SDisplayFlags viewManager;
    EXPECT_TRUE(page.Apply(store, &viewManager));
    EXPECT_EQ(settings::Read(store, settings::kViewSettings), 7);
    EXPECT_EQ(viewManager, page.Flags());
}

TEST(CableColoursPage, ResetThenCancelStoresNothing) {
    CMemoryRegistry store;
    store.SetInt(settings::kSettings, "OrvikColor4", 0x123456);
    {
        COptionsCableColoringKODA page(store);
        EXPECT_EQ(page.Colour(3), 0x123456u);
        EXPECT_EQ(page.Colour(0), COptionsCableColoringKODA::Rgb(0, 128, 0));
        page.ResetColours();
        EXPECT_EQ(page.Colour(3), COptionsCableColoringKODA::Rgb(255, 0, 0));
        EXPECT_TRUE(page.Changed());
    } // Cancel: the page goes without Apply
    EXPECT_EQ(store.GetInt(settings::kSettings, "OrvikColor4", 0), 0x123456);
    EXPECT_EQ(store.GetInt(settings::kSettings, "OrvikColor1", -7), -7);

    COptionsCableColoringKODA page(store);
    page.SetColour(9, 0xFF00AABB);
    page.Apply(store);
    EXPECT_EQ(store.GetInt(settings::kSettings, "OrvikColor10", 0), 0x00AABB);
    EXPECT_EQ(store.GetInt(settings::kSettings, "OrvikColor1", 0),
              static_cast<int>(COptionsCableColoringKODA::Rgb(0, 128, 0)));
    EXPECT_EQ(COptionsCableColoringKODA::GroupName(3), "BB2 - RVx Cross-connections");
}
