#include "app/design/SafetyFactorsEC.h"

#include "app/shell/ARegistry.h"
#include "platform/storage/CSettingsStore.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

const char* const kEC2 = "Software\\Orvex\\Strakon\\SafetyFactors\\EC2";
const char* const kEC3 = "Software\\Orvex\\Strakon\\SafetyFactors\\EC3";

// Each test starts without the program's object, on a store of its own.
class SafetyFactorsECTest : public ::testing::Test {
protected:
    void SetUp() override {
        CSettingsStore::Instance().SetFolder(dir.path());
        forget();
    }
    void TearDown() override {
        forget();
        CSettingsStore::Instance().Flush();
    }
    // Drops the object without saving, by saving into a folder of its own.
    static void forget() {
        TempFolder elsewhere;
        const auto folder = CSettingsStore::Instance().GetFolder();
        CSettingsStore::Instance().SetFolder(elsewhere.path());
        SafetyFactorsEC::Release();
        CSettingsStore::Instance().SetFolder(folder);
    }
    // Reads the file anew, as the next run of the program does.
    void restart() {
        CSettingsStore::Instance().Flush();
        TempFolder elsewhere;
        CSettingsStore::Instance().SetFolder(elsewhere.path());
        CSettingsStore::Instance().SetFolder(dir.path());
    }
    static bool keyExists(const char* key) {
        ARegistry reg;
        reg.Connect(HKEY_CURRENT_USER);
        return reg.Open(key, KEY_ALL_ACCESS);
    }
    static double stored(const char* key, const char* name) {
        ARegistry reg;
        reg.Connect(HKEY_CURRENT_USER);
        if (!reg.Open(key, KEY_ALL_ACCESS)) return std::nan("");
        return reg.GetDouble(name, std::nan(""));
    }
    static void store(const char* key, const char* name, const void* bytes, unsigned size) {
        ARegistry reg;
        reg.Connect(HKEY_CURRENT_USER);
        if (!reg.Open(key, KEY_ALL_ACCESS)) reg.Create(key);
        reg.SetBinary(name, bytes, size);
    }
    static void storeDouble(const char* key, const char* name, double value) {
        store(key, name, &value, sizeof value);
    }

    TempFolder dir;
};

TEST_F(SafetyFactorsECTest, AFirstRunGivesTheDefaultsAndTheExitSaveWritesBothSubkeys) {
    const SafetyFactorsEC* f = SafetyFactorsEC::Instance();
    EXPECT_EQ(f, SafetyFactorsEC::Instance());
    EXPECT_EQ(f->m_EC2.m_steelServiceability, 1.0);
    EXPECT_EQ(f->m_EC2.m_steelUltimatePermanent, 1.15);
    EXPECT_EQ(f->m_EC2.m_steelUltimateAccidental, 1.0);
    EXPECT_EQ(f->m_EC2.m_steelUltimateSeismic, 1.0);
    EXPECT_EQ(f->m_EC2.m_concreteServiceability, 1.0);
    EXPECT_EQ(f->m_EC2.m_concreteUltimatePermanent, 1.5);
    EXPECT_EQ(f->m_EC2.m_concreteUltimateAccidental, 1.2);
    EXPECT_EQ(f->m_EC2.m_concreteUltimateSeismic, 1.2);
    EXPECT_EQ(f->m_EC3.m_gammaM0, 1.1);
    EXPECT_EQ(f->m_EC3.m_gammaM1, 1.1);
    EXPECT_EQ(f->m_EC3.m_gammaM2, 1.1);
    EXPECT_EQ(f->m_EC3.m_psiVec, 0.8);
    EXPECT_TRUE(keyExists(kEC2)) << "the first load makes the key";
    EXPECT_TRUE(keyExists(kEC3));
    EXPECT_TRUE(std::isnan(stored(kEC2, "Steel Ultimate Permanent"))) << "nothing is written before the exit";

    SafetyFactorsEC::Instance()->m_EC2.m_concreteUltimatePermanent = 1.35;
    SafetyFactorsEC::Instance()->m_EC3.m_psiVec = 0.5;
    SafetyFactorsEC::Release();
    restart();

    EXPECT_EQ(stored(kEC2, "Concrete Ultimate Permanent"), 1.35);
    EXPECT_EQ(stored(kEC2, "Steel Ultimate Permanent"), 1.15);
    EXPECT_EQ(stored(kEC2, "Concrete Ultimate Seismic"), 1.2);
    EXPECT_EQ(stored(kEC3, "Gamma 1"), 1.1);
    EXPECT_EQ(stored(kEC3, "Psi Vec"), 0.5);
    EXPECT_EQ(SafetyFactorsEC::Instance()->m_EC2.m_concreteUltimatePermanent, 1.35)
        << "the next run reads them";
    EXPECT_EQ(SafetyFactorsEC::Instance()->m_EC3.m_psiVec, 0.5);
}

TEST_F(SafetyFactorsECTest, ReleaseWithoutAnInstanceWritesNothing) {
    SafetyFactorsEC::Release();
    EXPECT_FALSE(keyExists(kEC2));
    EXPECT_FALSE(keyExists(kEC3));
}

// Values that the editing page could never have produced read as the default.
TEST_F(SafetyFactorsECTest, UnusableStoredValuesReadAsTheDefault) {
    const float fourBytes = 1.3f;
    store(kEC2, "Concrete Ultimate Permanent", &fourBytes, sizeof fourBytes);
    storeDouble(kEC2, "Steel Ultimate Permanent", 0.0);
    storeDouble(kEC2, "Concrete Ultimate Accidental", -1.2);
    storeDouble(kEC2, "Steel Ultimate Seismic", std::numeric_limits<double>::quiet_NaN());
    storeDouble(kEC2, "Concrete Serviceability All", 2.5);
    storeDouble(kEC2, "Steel Serviceability All", 0.5); // the page's lower bound is accepted
    storeDouble(kEC2, "Concrete Ultimate Seismic", 2.0);
    {
        ARegistry reg;
        reg.Connect(HKEY_CURRENT_USER);
        reg.Open(kEC2, KEY_ALL_ACCESS);
        reg.SetDword("Steel Ultimate Accidental", 2);
    }
    storeDouble(kEC3, "Gamma 0", 1.6);
    storeDouble(kEC3, "Gamma 1", 1.0);
    storeDouble(kEC3, "Gamma 2", 0.0);
    storeDouble(kEC3, "Psi Vec", 0.0);

    const SafetyFactorsEC* f = SafetyFactorsEC::Instance();
    EXPECT_EQ(f->m_EC2.m_concreteUltimatePermanent, 1.5) << "4 bytes";
    EXPECT_EQ(f->m_EC2.m_steelUltimatePermanent, 1.15) << "0.0";
    EXPECT_EQ(f->m_EC2.m_concreteUltimateAccidental, 1.2) << "negative";
    EXPECT_EQ(f->m_EC2.m_steelUltimateSeismic, 1.0) << "NaN";
    EXPECT_EQ(f->m_EC2.m_concreteServiceability, 1.0) << "above the range";
    EXPECT_EQ(f->m_EC2.m_steelServiceability, 0.5);
    EXPECT_EQ(f->m_EC2.m_concreteUltimateSeismic, 2.0);
    EXPECT_EQ(f->m_EC2.m_steelUltimateAccidental, 1.0) << "a DWORD";
    EXPECT_EQ(f->m_EC3.m_gammaM0, 1.1);
    EXPECT_EQ(f->m_EC3.m_gammaM1, 1.0);
    EXPECT_EQ(f->m_EC3.m_gammaM2, 1.1);
    EXPECT_EQ(f->m_EC3.m_psiVec, 0.0) << "psi vec may be 0";
}

TEST(SafetyFactorsEC2, EachLimitStatePicksItsFactor) {
    SafetyFactorsEC2 f;
    f.m_steelServiceability = 1.01;
    f.m_steelUltimatePermanent = 1.02;
    f.m_steelUltimateAccidental = 1.03;
    f.m_steelUltimateSeismic = 1.04;
    f.m_concreteServiceability = 1.11;
    f.m_concreteUltimatePermanent = 1.12;
    f.m_concreteUltimateAccidental = 1.13;
    f.m_concreteUltimateSeismic = 1.14;
    struct Case {
        int state;
        double steel;
        double concrete;
    };
    const Case cases[] = {
        {0, 1.02, 1.12}, {1, 1.01, 1.11}, {2, 1.0, 1.0}, {3, 1.0, 1.0},  {4, 1.03, 1.13},
        {5, 1.02, 1.12}, {6, 1.04, 1.14}, {7, 1.0, 1.0}, {-1, 1.0, 1.0},
    };
    for (const Case& c : cases) {
        const auto state = static_cast<omLoadCase::LimitState>(c.state);
        EXPECT_EQ(f.GetSteelFactor(state), c.steel) << "limit state " << c.state;
        EXPECT_EQ(f.GetConcreteFactor(state), c.concrete) << "limit state " << c.state;
    }
}

TEST(SafetyFactorsEC2, ConstructionGivesZerosAndAssignmentCopiesEveryFactor) {
    SafetyFactorsEC2 a;
    EXPECT_EQ(a.m_concreteUltimateSeismic, 0.0);
    SafetyFactorsEC2 b;
    b.m_concreteUltimateSeismic = 1.3;
    b.m_steelServiceability = 1.1;
    a = b;
    EXPECT_EQ(a.m_concreteUltimateSeismic, 1.3);
    EXPECT_EQ(a.m_steelServiceability, 1.1);
}

} // namespace

namespace {

TEST_F(SafetyFactorsECTest, ChangedFactorsAreSavedAtOnceAndADiscardedObjectWritesNothing) {
    SafetyFactorsEC2 ec2 = SafetyFactorsEC::Instance()->m_EC2;
    SafetyFactorsEC3 ec3 = SafetyFactorsEC::Instance()->m_EC3;
    ec3.m_gammaM0 = 1.25;
    ec3.m_psiVec = 0.5;
    SafetyFactorsEC::Instance()->Set(ec2, ec3);
    // Saved before the program ends: the next run reads them.
    restart();
    EXPECT_DOUBLE_EQ(stored(kEC3, "Gamma 0"), 1.25);
    EXPECT_DOUBLE_EQ(stored(kEC3, "Psi Vec"), 0.5);

    // A change kept only in memory goes with a discarded object.
    SafetyFactorsEC::Instance()->m_EC3.m_gammaM0 = 1.4;
    SafetyFactorsEC::Discard();
    restart();
    EXPECT_DOUBLE_EQ(stored(kEC3, "Gamma 0"), 1.25);
    EXPECT_DOUBLE_EQ(SafetyFactorsEC::Instance()->m_EC3.m_gammaM0, 1.25);
}

} // namespace
