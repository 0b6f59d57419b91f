#include "app/shell/ARegistry.h"

#include "platform/storage/CSettingsStore.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

const char* const kOptions = "Software\\Orvex\\Strakon\\Options";
const char* const kGrid = "Software\\Orvex\\Strakon\\Options\\Grid/Snap Page";

// Each test works on a settings store of its own.
class ARegistryTest : public ::testing::Test {
protected:
    void SetUp() override { CSettingsStore::Instance().SetFolder(dir.path()); }
    void TearDown() override { CSettingsStore::Instance().Flush(); }

    // As every settings object opens its key: open, and create when that fails.
    static void openOrCreate(ARegistry& reg, const char* key) {
        ASSERT_TRUE(reg.Connect(HKEY_CURRENT_USER));
        if (!reg.Open(key, KEY_ALL_ACCESS)) {
            ASSERT_TRUE(reg.Create(key));
        }
    }
    // Reads the file anew, as the next run of the program does.
    void restart() {
        TempFolder elsewhere;
        CSettingsStore::Instance().SetFolder(elsewhere.path());
        CSettingsStore::Instance().SetFolder(dir.path());
    }

    TempFolder dir;
};

TEST_F(ARegistryTest, AFreshStoreGivesEveryDefaultAndCreatesTheEmptyKey) {
    {
        ARegistry reg;
        ASSERT_TRUE(reg.Connect(HKEY_CURRENT_USER));
        EXPECT_FALSE(reg.Open(kGrid, KEY_ALL_ACCESS));
        ASSERT_TRUE(reg.Create(kGrid));
        EXPECT_EQ(reg.GetDword("Color minor", 0x808080), 0x808080u);
        EXPECT_EQ(reg.GetString("Unit major", "m"), "m");
        EXPECT_EQ(reg.GetDouble("Size major", 1.0), 1.0);
        EXPECT_TRUE(reg.GetBool("Show major", true));
        EXPECT_FALSE(reg.GetBool("Show major", false));
        std::array<BYTE, 24> record;
        record.fill(0xAB);
        EXPECT_EQ(reg.GetBinary("NF work", record.data(), record.size()), 0u);
        EXPECT_TRUE(std::all_of(record.begin(), record.end(), [](BYTE b) { return b == 0xAB; }));
    }
    restart();
    ARegistry reg;
    reg.Connect(HKEY_CURRENT_USER);
    EXPECT_TRUE(reg.Open(kGrid, KEY_ALL_ACCESS)) << "reading on a fresh machine made the key";
}

TEST_F(ARegistryTest, EveryTypeIsWrittenAndReadBackAfterARestart) {
    const std::array<BYTE, 24> format = {0, 0, 0, 0, 4,    0,    0,    0,    1,    0,    0,    0,
                                         1, 0, 0, 0, 0x11, 0xEA, 0x2D, 0x81, 0x99, 0x97, 0x71, 0x3D};
    {
        ARegistry reg;
        openOrCreate(reg, kGrid);
        EXPECT_TRUE(reg.SetDword("Color minor", 0x123456));
        EXPECT_TRUE(reg.SetString("Unit minor", "cm"));
        EXPECT_TRUE(reg.SetDouble("Size minor", 12.5));
        EXPECT_TRUE(reg.SetBool("Show minor", false));
        EXPECT_TRUE(reg.SetBinary("NF work", format.data(), format.size()));
    }
    restart();
    ARegistry reg;
    openOrCreate(reg, kGrid);
    EXPECT_EQ(reg.GetDword("Color minor", 0), 0x123456u);
    EXPECT_EQ(reg.GetString("Unit minor", ""), "cm");
    EXPECT_EQ(reg.GetDouble("Size minor", 0), 12.5);
    EXPECT_FALSE(reg.GetBool("Show minor", true));
    std::array<BYTE, 24> read{};
    EXPECT_EQ(reg.GetBinary("NF work", read.data(), read.size(), ARegistry::BinarySize::exactly), 24u);
    EXPECT_EQ(read, format);

    // The key is one name with a '/' in it, below "Options".
    ARegistry options;
    openOrCreate(options, kOptions);
    CString name;
    ASSERT_TRUE(options.EnumerateKeys(0, name));
    EXPECT_EQ(name, "Grid/Snap Page");
    EXPECT_FALSE(options.EnumerateKeys(1, name));
}

TEST_F(ARegistryTest, ADoubleReadsOnlyFromAnEightByteBinaryValue) {
    ARegistry reg;
    openOrCreate(reg, kGrid);
    const std::array<BYTE, 16> raw = {0, 0, 0, 0, 0, 0, 0x24, 0x40,
                                      1, 2, 3, 4, 5, 6, 7,    8}; // starts with 10.0
    for (unsigned size : {4u, 16u, 7u, 9u, 0u}) {
        reg.SetBinary("Size major", raw.data(), size);
        EXPECT_EQ(reg.GetDouble("Size major", 1.0), 1.0) << size << " bytes";
    }
    reg.SetDword("Size major", 10);
    EXPECT_EQ(reg.GetDouble("Size major", 1.0), 1.0) << "a DWORD is no double";
    reg.SetString("Size major", "10");
    EXPECT_EQ(reg.GetDouble("Size major", 1.0), 1.0) << "a string is no double";
    reg.SetBinary("Size major", raw.data(), 8);
    EXPECT_EQ(reg.GetDouble("Size major", 1.0), 10.0);
}

TEST_F(ARegistryTest, ABoolStoredAsTwoReadsTrueAndIsWrittenBackAsOne) {
    ARegistry reg;
    openOrCreate(reg, kGrid);
    reg.SetDword("Show major", 2);
    const bool show = reg.GetBool("Show major", false);
    EXPECT_TRUE(show);
    reg.SetBool("Show major", show);
    EXPECT_EQ(reg.GetDword("Show major", 0), 1u);
}

TEST_F(ARegistryTest, AValueOfAnotherTypeGivesTheDefault) {
    ARegistry reg;
    openOrCreate(reg, kGrid);
    reg.SetString("Unit type", "1");
    EXPECT_EQ(reg.GetDword("Unit type", 0), 0u);
    EXPECT_TRUE(reg.GetBool("Unit type", true));
    reg.SetDword("Unit major", 3);
    EXPECT_EQ(reg.GetString("Unit major", "m"), "m");
    BYTE buffer[8] = {};
    EXPECT_EQ(reg.GetBinary("Unit major", buffer, sizeof buffer), 0u) << "a DWORD is no binary value";
}

TEST_F(ARegistryTest, BinaryValuesNeverOverflowTheCallersBuffer) {
    ARegistry reg;
    openOrCreate(reg, "Software\\Orvex\\Strakon\\Options\\NF Page");
    std::array<BYTE, 32> stored;
    for (std::size_t i = 0; i < stored.size(); ++i)
        stored[i] = static_cast<BYTE>(i + 1);

    struct Case {
        unsigned storedSize;
        ARegistry::BinarySize mode;
        unsigned expected;
    };
    const Case cases[] = {
        {32, ARegistry::BinarySize::atMost, 0},  // longer than the buffer
        {16, ARegistry::BinarySize::atMost, 16}, // shorter: copied as it is
        {24, ARegistry::BinarySize::atMost, 24},  {32, ARegistry::BinarySize::exactly, 0},
        {16, ARegistry::BinarySize::exactly, 0}, // a fixed record of the wrong size
        {24, ARegistry::BinarySize::exactly, 24},
    };
    for (const auto& c : cases) {
        reg.SetBinary("NF output", stored.data(), c.storedSize);
        std::array<BYTE, 24 + 8> buffer; // a guard zone behind the 24 bytes offered
        buffer.fill(0xEE);
        EXPECT_EQ(reg.GetBinary("NF output", buffer.data(), 24, c.mode), c.expected) << c.storedSize;
        for (std::size_t i = 0; i < buffer.size(); ++i) {
            const BYTE expected = i < c.expected ? stored[i] : 0xEE;
            ASSERT_EQ(buffer[i], expected) << "byte " << i << " for " << c.storedSize << " stored bytes";
        }
    }
}

TEST_F(ARegistryTest, DeletingAKeyRemovesEverythingBelowIt) {
    for (const char* section : {"\\General", "\\Margins", "\\Results"}) {
        ARegistry reg;
        openOrCreate(reg, (std::string("Software\\Orvex\\Strakon\\Output") + section).c_str());
        reg.SetDword("Value", 1);
    }
    {
        ARegistry reg;
        openOrCreate(reg, "Software\\Orvex\\Strakon");
        EXPECT_TRUE(reg.DeleteKey("Output"));
        EXPECT_FALSE(reg.DeleteKey("Output"));
    }
    restart();
    ARegistry reg;
    reg.Connect(HKEY_CURRENT_USER);
    EXPECT_FALSE(reg.Open("Software\\Orvex\\Strakon\\Output\\General"));
    EXPECT_FALSE(reg.Open("Software\\Orvex\\Strakon\\Output"));
    EXPECT_TRUE(reg.Open("Software\\Orvex\\Strakon"));
}

} // namespace
