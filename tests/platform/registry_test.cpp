#include <gtest/gtest.h>

#include "platform/MemoryRegistry.h"
#include "platform/Registry.h"
#include "platform/SettingsKeys.h"
#include "platform/TransientRegistry.h"

namespace {

class RegistryInstance : public ::testing::Test {
protected:
    void SetUp() override { ResetRegistryForTests(); }
    void TearDown() override { ResetRegistryForTests(); }
};

} // namespace

TEST(Registry, BuiltInDefaultsApplyToMissingEmptyAndMinusOne) {
    CMemoryRegistry r;
    EXPECT_EQ(r.GetIntOrDefault("MaxUARTSpeed"), 5);
    EXPECT_EQ(r.GetIntOrDefault("Unheard"), 0);
    EXPECT_EQ(r.GetStringOrDefault("UserName"), "<<Not defined>>");
    EXPECT_EQ(r.GetStringOrDefault("Unheard"), "");

    r.SetInt("ComPort", -1);
    EXPECT_EQ(r.GetIntOrDefault("ComPort"), 1);
    r.SetInt("ComPort", 0);
    EXPECT_EQ(r.GetIntOrDefault("ComPort"), 0);
    r.SetString("AlarmLogPath", "");
    EXPECT_EQ(r.GetStringOrDefault("AlarmLogPath"), "OFF");
    // The "OrDefault" forms read the "Initialization" section only.
    r.SetInt("Settings", "MaxUARTSpeed", 2);
    EXPECT_EQ(r.GetIntOrDefault("MaxUARTSpeed"), 5);

    // Readers through the key table get the table's read default, not the built-in one; the
    // line speed has one default wherever it is read.
    EXPECT_EQ(settings::Read(r, settings::kMaxUARTSpeed), 5);
    EXPECT_EQ(settings::Read(r, settings::kSCFPath, "/home/u/Documents"), "/home/u/Documents");
    EXPECT_EQ(settings::Read(r, settings::kNewSCFTemplates, "/x"), "Configs");
}

TEST(Registry, TransientLayerNeverWritesThrough) {
    auto persistent = std::make_unique<CMemoryRegistry>();
    persistent->SetInt("ComPort", 4);
    persistent->SetString("Settings", "LastSCF", "a.hwc");
    CMemoryRegistry* below = persistent.get();
    CTransientRegistry t(std::move(persistent));

    EXPECT_EQ(t.GetIntOrDefault("ComPort"), 4);
    EXPECT_EQ(t.GetIntOrDefault("MaxUARTSpeed"), 5);
    t.SetInt("ComPort", 7);
    t.SetString("Settings", "LastSCF", "b.hwc");
    t.SetInt("MainWnd", "x", 10);
    EXPECT_EQ(t.GetIntOrDefault("ComPort"), 7);
    EXPECT_EQ(t.GetInt("Initialization", "ComPort", 0), 7);
    EXPECT_EQ(t.GetString("Settings", "LastSCF", ""), "b.hwc");
    EXPECT_EQ(t.GetInt("MainWnd", "x", -1), 10);
    EXPECT_EQ(below->GetIntOrDefault("ComPort"), 4);
    EXPECT_EQ(below->GetString("Settings", "LastSCF", ""), "a.hwc");
    EXPECT_EQ(below->GetInt("MainWnd", "x", -1), -1);

    // Section and entry do not run together: "MainWnd"+"x" is not "MainW"+"ndx".
    EXPECT_EQ(t.GetInt("MainW", "ndx", -5), -5);
    // A value set to "not set" in this run falls back to the built-in default like a stored one.
    t.SetInt("MaxUARTSpeed", -1);
    EXPECT_EQ(t.GetIntOrDefault("MaxUARTSpeed"), 5);
    t.SetString("UserName", "");
    EXPECT_EQ(t.GetStringOrDefault("UserName"), "<<Not defined>>");
    EXPECT_EQ(t.GetString("UserName", "z"), "");
}

TEST_F(RegistryInstance, DecisionPicksTheStoreOnce) {
    std::vector<std::string> messages;
    SetRegistryMessageSink([&](const std::string& m) { messages.push_back(m); });
    int made = 0;
    SetPersistentRegistryFactory([&made] {
        ++made;
        return std::make_unique<CMemoryRegistry>();
    });

    SetRegistryWriteAccess(true);
    SetRegistryWriteAccess(false); // the last decision before the store exists counts
    CRegistry& store = CRegistry::Instance();
    EXPECT_NE(dynamic_cast<CTransientRegistry*>(&store), nullptr);
    EXPECT_EQ(&store, &CRegistry::Instance());
    SetRegistryWriteAccess(true); // too late: the store keeps its kind
    EXPECT_EQ(&store, &CRegistry::Instance());
    EXPECT_FALSE(RegistryWriteAccess());
    EXPECT_EQ(made, 1);
    EXPECT_TRUE(messages.empty());
}

TEST_F(RegistryInstance, UseBeforeTheDecisionIsReportedAndReadOnly) {
    std::vector<std::string> messages;
    SetRegistryMessageSink([&](const std::string& m) { messages.push_back(m); });
    CRegistry& store = CRegistry::Instance();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "CRegistry::Instance called before SetRegistryWriteAccess() called");
    EXPECT_NE(dynamic_cast<CTransientRegistry*>(&store), nullptr);
    EXPECT_TRUE(RegistryWriteAccessDecided());
    CRegistry::Instance();
    EXPECT_EQ(messages.size(), 1u);

    ResetRegistryForTests();
    SetRegistryWriteAccess(true);
    EXPECT_NE(dynamic_cast<CMemoryRegistry*>(&CRegistry::Instance()), nullptr);
}
