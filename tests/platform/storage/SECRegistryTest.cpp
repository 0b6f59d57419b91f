#include "platform/storage/SECRegistry.h"

#include "tests/support/TempFolder.h"
#include "platform/storage/CSettingsStore.h"

#include <gtest/gtest.h>

namespace {

class SECRegistryTest : public ::testing::Test {
protected:
    TempFolder dir;
    CSettingsStore store{dir.path()};
};

TEST_F(SECRegistryTest, OnlyTheCurrentUsersRootOfThisMachineConnects) {
    SECRegistry reg;
    EXPECT_FALSE(reg.Connect(HKEY_LOCAL_MACHINE));
    EXPECT_FALSE(reg.Connect(HKEY_CURRENT_USER, "\\\\server"));
    EXPECT_FALSE(reg.Create("Software\\Orvex")) << "not connected";
    EXPECT_TRUE(reg.Connect(HKEY_CURRENT_USER));
}

TEST_F(SECRegistryTest, OpenFailsForAMissingKeyAndCreateMakesItAndWritesTheFileOnClose) {
    SECRegistry reg;
    reg.SetStore(&store);
    reg.Connect(HKEY_CURRENT_USER);
    EXPECT_FALSE(reg.Open("Software\\Orvex\\Strakon\\Options\\Attr", KEY_ALL_ACCESS));
    ASSERT_TRUE(reg.Create("Software\\Orvex\\Strakon\\Options\\Attr"));
    const DWORD value = 5;
    EXPECT_TRUE(reg.SetValue("Font size", REG_DWORD, &value, sizeof value));
    reg.Close();
    EXPECT_FALSE(store.HasPendingChanges());

    CSettingsStore reread(dir.path());
    SECRegistry again;
    again.SetStore(&reread);
    again.Connect();
    ASSERT_TRUE(again.Open("Software\\Orvex\\Strakon\\Options\\Attr", KEY_READ));
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    ASSERT_TRUE(again.QueryValue("Font size", type, data));
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(data, (std::vector<BYTE>{5, 0, 0, 0}));
    EXPECT_FALSE(again.SetValue("Font size", REG_DWORD, &value, sizeof value)) << "opened for reading only";
}

TEST_F(SECRegistryTest, SubkeysAreEnumeratedAndDeletedWithEverythingBelow) {
    SECRegistry reg;
    reg.SetStore(&store);
    reg.Connect();
    for (const char* key :
         {"Software\\Orvex\\Strakon\\SafetyFactors\\EC3", "Software\\Orvex\\Strakon\\SafetyFactors\\EC2"}) {
        ASSERT_TRUE(reg.Create(key));
        const double gamma = 1.1;
        reg.SetValue("Gamma 0", REG_BINARY, &gamma, sizeof gamma);
    }
    ASSERT_TRUE(reg.Open("Software\\Orvex\\Strakon\\SafetyFactors"));
    CString name;
    ASSERT_TRUE(reg.EnumerateKeys(0, name));
    EXPECT_EQ(name, "EC2");
    ASSERT_TRUE(reg.EnumerateKeys(1, name));
    EXPECT_EQ(name, "EC3");
    EXPECT_FALSE(reg.EnumerateKeys(2, name));

    ASSERT_TRUE(reg.Open("Software\\Orvex\\Strakon"));
    EXPECT_TRUE(reg.DeleteKey("SafetyFactors"));
    EXPECT_FALSE(reg.Open("Software\\Orvex\\Strakon\\SafetyFactors\\EC2"));
}

} // namespace
