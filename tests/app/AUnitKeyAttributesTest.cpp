#include "app/shell/AUnitKeyAttributes.h"

#include "SettingsFixture.h"

namespace {

const char* const kKey = "Software\\Orvex\\Strakon\\Options\\UnitKeys";

class AUnitKeyAttributesTest : public SettingsFixture {};

std::vector<int> keys(AUnitKeyAttributes& units) {
    std::vector<int> out;
    for (int i = 0; i < AUnitKeyAttributes::kFieldCount; ++i)
        out.push_back(*units.Field(i));
    return out;
}

const std::vector<int> kMetric = {1, 6, 11, 16, 60, 21, 26, 35, 43, 47, 63, 67, 51, 55, 70};
const std::vector<int> kImperial = {3, 8, 13, 18, 60, 24, 28, 36, 44, 48, 64, 68, 53, 57, 72};

TEST_F(AUnitKeyAttributesTest, AnEmptyStoreGivesTheMetricDefaultsAndSaveWritesFifteenNames) {
    AUnitKeyAttributes* units = AUnitKeyAttributes::Instance();
    EXPECT_EQ(keys(*units), kMetric);
    EXPECT_EQ(units, AUnitKeyAttributes::Instance());
    units->Save();
    restart();
    const std::vector<std::string> names = valueNames(kKey);
    EXPECT_EQ(names.size(), 15u);
    for (const char* name : AUnitKeyAttributes::kValueNames)
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
    ARegistry reg;
    ASSERT_TRUE(reg.OpenOrCreate(kKey));
    EXPECT_EQ(reg.GetString("Force per Lenght", "?"), omUnitManager::Instance()->Unit(63)->GetName());
    EXPECT_EQ(reg.GetString("Length", "?"), "cm") << "the store keeps names, never key numbers";
}

TEST_F(AUnitKeyAttributesTest, TheImperialPresetKeepsTheRotationAndChangesTheRest) {
    AUnitKeyAttributes* units = AUnitKeyAttributes::Instance();
    units->SetImperialDefaults();
    EXPECT_EQ(keys(*units), kImperial);
    units->SetMetricDefaults();
    EXPECT_EQ(keys(*units), kMetric);
}

TEST_F(AUnitKeyAttributesTest, AStoredLengthIsTakenOnlyWhenItNamesALengthUnit) {
    const struct {
        const char* stored;
        int expected;
    } cases[] = {
        {"in", 3},       {"m", 2}, {"kN", 1}, // a force under "Length" keeps the field
        {"furlongs", 1},                      // no unit at all keeps the field
        {"", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        write(kKey, [&](ARegistry& reg) { reg.SetString("Length", c.stored); });
        restart();
        AUnitKeyAttributes* units = AUnitKeyAttributes::Instance();
        EXPECT_EQ(units->length, c.expected);
        EXPECT_EQ(units->force, 21) << "a missing value keeps its default";
    }
}

TEST_F(AUnitKeyAttributesTest, SavedUnitsComeBackInTheNextRun) {
    AUnitKeyAttributes* units = AUnitKeyAttributes::Instance();
    units->SetImperialDefaults();
    units->Save();
    restart();
    EXPECT_EQ(keys(*AUnitKeyAttributes::Instance()), kImperial);
}

} // namespace
