#include "common/omUnitManager.h"
#include "common/omErrorContainer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <set>

namespace {

const omUnitManager& um() {
    return *omUnitManager::Instance();
}

// Every key with its name, its quantity's base and how many base units one unit is.
struct KeyCase {
    int key;
    const char* name;
    int base;
    double factor;
};

constexpr double kIn = 2.54, kFt = 30.48, kLbf = 4.4482216152605e-3, kKip = 4.4482216152605, kLb = 0.45359237;

const KeyCase kKeys[] = {
    {0, "mm", 1, 0.1},
    {1, "cm", 1, 1},
    {2, "m", 1, 100},
    {3, "in", 1, kIn},
    {4, "ft", 1, kFt},
    {5, "dm", 1, 10},
    {6, "cm2", 6, 1},
    {7, "m2", 6, 1e4},
    {8, "in2", 6, kIn* kIn},
    {9, "ft2", 6, kFt* kFt},
    {10, "mm2", 6, 0.01},
    {11, "cm3", 11, 1},
    {12, "m3", 11, 1e6},
    {13, "in3", 11, kIn* kIn* kIn},
    {14, "ft3", 11, kFt* kFt* kFt},
    {15, "mm3", 11, 1e-3},
    {16, "cm4", 16, 1},
    {17, "m4", 16, 1e8},
    {18, "in4", 16, 41.62314256},
    {19, "ft4", 16, 863097.48412416},
    {20, "mm4", 16, 1e-4},
    {21, "kN", 21, 1},
    {22, "N", 21, 1e-3},
    {23, "lbf", 21, kLbf},
    {24, "kip", 21, kKip},
    {25, "kNcm", 25, 1},
    {26, "kNm", 25, 100},
    {27, "Nm", 25, 0.1},
    {28, "kipft", 25, kKip* kFt},
    {29, "kipin", 25, kKip* kIn},
    {30, "Nmm", 25, 1e-4},
    {31, "lbfft", 25, kLbf* kFt},
    {32, "lbfin", 25, kLbf* kIn},
    {33, "N/mm2", 35, 0.1},
    {34, "kN/m2", 35, 1e-4},
    {35, "kN/cm2", 35, 1},
    {36, "ksi", 35, 0.68947572931683613},
    {37, "psi", 35, 6.8947572931683613e-4},
    {38, "MPa", 35, 0.1},
    {39, "GPa", 35, 100},
    {40, "ksf", 35, kKip / (kFt * kFt)},
    {41, "psf", 35, kLbf / (kFt * kFt)},
    {42, "Pa", 35, 1e-7},
    {43, "\u00b0C", 43, 1},
    {44, "\u00b0F", 43, 5.0 / 9.0},
    {45, "K", 43, 1},
    {46, "\u00b0R", 43, 5.0 / 9.0},
    {47, "1/\u00b0C", 47, 1},
    {48, "1/\u00b0F", 47, 1.8},
    {49, "1/K", 47, 1},
    {50, "g", 51, 1e-3},
    {51, "kg", 51, 1},
    {52, "t", 51, 1000},
    {53, "lb", 51, kLb},
    {54, "ton", 51, 907.18474},
    {55, "kg/m3", 55, 1},
    {56, "t/m3", 55, 1000},
    {57, "lb/ft3", 55, 16.018463373960138},
    {58, "lb/in3", 55, 27679.904710203125},
    {59, "rad", 59, 1},
    {60, "deg", 59, std::numbers::pi / 180},
    {61, "mrad", 59, 1e-3},
    {62, "kN/cm", 62, 1},
    {63, "kN/m", 62, 0.01},
    {64, "kip/ft", 62, kKip / kFt},
    {65, "kip/in", 62, kKip / kIn},
    {66, "kNcm/cm", 66, 1},
    {67, "kNm/m", 66, 1},
    {68, "kipft/ft", 66, kKip},
    {69, "kipin/in", 66, kKip},
    {70, "kN/cm3", 70, 1},
    {71, "kN/m3", 70, 1e-6},
    {72, "kip/ft3", 70, kKip / (kFt * kFt * kFt)},
    {73, "MN/m3", 70, 1e-3},
};

void expectNear(double actual, double expected) {
    EXPECT_NEAR(actual, expected, 1e-12 * std::fabs(expected));
}

class omUnitManagerTest : public ::testing::Test {
protected:
    void SetUp() override { omErrorContainer::instance()->reset(); }
    void TearDown() override { omErrorContainer::instance()->reset(); }
};

} // namespace

TEST_F(omUnitManagerTest, EveryKeyConvertsToAndFromItsBase) {
    ASSERT_EQ(std::size(kKeys), std::size_t(omUK_NoUnit));
    for (const KeyCase& c : kKeys) {
        SCOPED_TRACE(c.name);
        const omUnit* u = um().Unit(c.key);
        EXPECT_EQ(u->GetKey(), c.key);
        EXPECT_EQ(u->GetName(), c.name);
        ASSERT_NE(u->GetGroup(), nullptr);
        EXPECT_EQ(u->GetGroup()->GetBaseKey(), c.base);
        EXPECT_TRUE(u->GetGroup()->Contains(omUnitKey(c.key)));
        expectNear(um().Convert(1.0, c.key, c.base), c.factor);
        expectNear(um().Convert(c.factor, c.base, c.key), 1.0);
        EXPECT_EQ(um().Key(c.name), c.key);
    }
    EXPECT_FALSE(omErrorContainer::instance()->hasErrors());
}

TEST_F(omUnitManagerTest, NamesAreUniqueAndEveryGroupHasItsBase) {
    std::set<std::string> names;
    for (int k = 0; k < omUK_NoUnit; ++k)
        EXPECT_TRUE(names.insert(um().Unit(k)->GetName()).second) << k;
    ASSERT_EQ(um().Groups().size(), 15u);
    for (const omUnitGroup* g : um().Groups()) {
        SCOPED_TRACE(g->GetName());
        EXPECT_TRUE(g->Contains(g->GetBaseKey()));
        EXPECT_EQ(um().Unit(g->GetBaseKey())->GetFactor(), 1.0);
    }
}

TEST_F(omUnitManagerTest, NoUnitIsAStateOfItsOwn) {
    const omUnit* none = um().Unit(omUK_NoUnit);
    EXPECT_EQ(omUK_NoUnit, 74);
    EXPECT_TRUE(none->IsNoUnit());
    EXPECT_EQ(none->GetName(), "");
    EXPECT_EQ(none->GetGroup(), nullptr);
    EXPECT_FALSE(um().Unit(0)->IsNoUnit());
    EXPECT_EQ(um().Unit(-1), none);
    EXPECT_EQ(um().Unit(999), none);
    EXPECT_EQ(um().Key(""), omUK_NoUnit);
    // Plain numbers pass through conversions unchanged.
    EXPECT_EQ(um().Convert(7.5, omUK_NoUnit, omUK_m), 7.5);
    EXPECT_EQ(um().Convert(7.5, omUK_m, omUK_NoUnit), 7.5);
    EXPECT_FALSE(omErrorContainer::instance()->hasErrors());
}

TEST_F(omUnitManagerTest, UnknownNamesAreNotMappedToAUnit) {
    for (const char* name : {"furlong", "KN", "cm5", "kN/cm2x", "metre"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(um().Key(name), omUK_NoUnit);
        EXPECT_FALSE(um().IsUnitName(name));
    }
    EXPECT_TRUE(um().IsUnitName("kN/cm2"));
}

TEST_F(omUnitManagerTest, OtherSpellingsOfStoredNamesAreAccepted) {
    const std::pair<const char*, int> spellings[] = {
        {"kN/cm\u00b2", 35}, {"kN/cm^2", 35}, {" kN/cm2 ", 35}, {"kN cm", 25},    {"kN\u00b7m", 26},
        {"kN*m", 26},        {"kN-m", 26},    {"m\u00b2", 7},   {"cm\u00b3", 11}, {"cm\u2074", 16},
        {"C", 43},           {"degC", 43},    {"1/C", 47},      {"kPa", 34},      {"N/m2", 42},
        {"kips", 24},        {"kip-ft", 28},  {"g/cm3", 56},    {"\u00b0", 60},   {"N/mm", 63},
    };
    for (const auto& [name, key] : spellings)
        EXPECT_EQ(um().Key(name), key) << name;
}

TEST_F(omUnitManagerTest, PresetsOfTheUnitSettingsNameMetricAndImperialUnitsOfEachQuantity) {
    // Quantity by quantity: the metric default and the imperial preset.
    struct Preset {
        const char* quantity;
        int metric;
        int imperial;
    };
    const Preset presets[] = {
        {"Length", 1, 3},
        {"Area", 6, 8},
        {"Volume", 11, 13},
        {"Second moment of area", 16, 18},
        {"Angle", 60, 60},
        {"Force", 21, 24},
        {"Moment", 26, 28},
        {"Stress", 35, 36},
        {"Temperature difference", 43, 44},
        {"Thermal expansion", 47, 48},
        {"Force per length", 63, 64},
        {"Moment per length", 67, 68},
        {"Mass", 51, 53},
        {"Density", 55, 57},
        {"Force per volume", 70, 72},
    };
    for (const Preset& p : presets) {
        SCOPED_TRACE(p.quantity);
        const omUnit* m = um().Unit(p.metric);
        const omUnit* i = um().Unit(p.imperial);
        ASSERT_NE(m->GetGroup(), nullptr);
        EXPECT_EQ(m->GetGroup()->GetName(), p.quantity);
        EXPECT_EQ(i->GetGroup(), m->GetGroup());
        if (p.metric == p.imperial) {
            EXPECT_EQ(m->GetSystem(), omUnit::System::both);
        } else {
            EXPECT_EQ(m->GetSystem(), omUnit::System::metric);
            EXPECT_EQ(i->GetSystem(), omUnit::System::imperial);
        }
    }
    // Drawing grid: metric major "m" (2) and minor "cm" (1); imperial major 4 and minor 3.
    EXPECT_EQ(um().Key("m"), 2);
    EXPECT_EQ(um().Key("cm"), 1);
    EXPECT_EQ(um().Unit(4)->GetName(), "ft");
    EXPECT_EQ(um().Unit(3)->GetName(), "in");
}

TEST_F(omUnitManagerTest, KeysNamedByTheProgramKeepTheirMeaning) {
    // Bar diameters in mm, lengths in cm.
    expectNear(um().Convert(16.0, 0, 1), 1.6);
    // The EC2 formulas take strengths ten times the stress unit's numbers.
    expectNear(um().Convert(2.5, 35, 38), 25.0);
    // Grade files give concrete strengths in 33 that the stress unit reads ten times smaller.
    expectNear(um().Convert(30.0, 33, 35), 3.0);
    // Weight of a member: density in 56 times volume in cm3 times 0.001 is a mass in 51.
    const double volume = 1e6; // one cubic metre in cm3
    expectNear(um().Convert(2400.0, 55, 56) * volume * 0.001, um().Convert(2400.0, 51, 51));
    // Moments: the model's 25 (kNcm) and the user's 26 (kNm).
    expectNear(um().Convert(1.0, 26, 25), 100.0);
    // Distributed loads and moments of the analysis: 62 and 66 against the user's 63 and 67.
    expectNear(um().Convert(10.0, 63, 62), 0.1);
    expectNear(um().Convert(10.0, 67, 66), 10.0);
    // Rotations: 59 radians, 60 degrees.
    expectNear(um().Convert(180.0, 60, 59), std::numbers::pi);
}

TEST_F(omUnitManagerTest, TheAnalysisUnitsNeedNoFactorsInProducts) {
    // Bending stiffness 12EI/L^3 of a beam: E 210000 MPa, I 8356 cm4, L 5 m.
    const double E = um().Convert(210000.0, omUK_MPa, omUK_kN_cm2);
    const double I = um().Convert(8356.0, omUK_cm4, omUK_cm4);
    const double L = um().Convert(5.0, omUK_m, omUK_cm);
    const double siNPerM = 12 * 210e9 * 8356e-8 / 125.0; // N/m
    expectNear(12 * E * I / (L * L * L), siNPerM * 1e-3 / 100.0);
    // Ground spring k*b*w: k 50 MN/m3, b 30 cm, w 1 cm gives a line force in kN/cm.
    const double k = um().Convert(50.0, omUK_MN_m3, omUK_kN_cm3);
    expectNear(k * 30.0 * 1.0, 50e6 * 0.3 * 0.01 * 1e-3 / 100.0);
    // The contact pressure k*w is a stress in kN/cm2.
    expectNear(um().Convert(k * 1.0, omUK_kN_cm2, omUK_kN_m2), 50e6 * 0.01 * 1e-3);
}

TEST_F(omUnitManagerTest, ConvertingBetweenQuantitiesIsReportedAndLeavesTheNumber) {
    EXPECT_EQ(um().Convert(3.0, omUK_kN, omUK_m), 3.0);
    EXPECT_FALSE(um().Compatible(omUK_kN, omUK_m));
    EXPECT_TRUE(um().Compatible(omUK_kN, omUK_NoUnit));
    const auto errors = omErrorContainer::instance()->errors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].code, 11u);
    EXPECT_EQ(omErrorArgumentText(errors[0].arguments.at(0)), "kN");
    EXPECT_EQ(omErrorArgumentText(errors[0].arguments.at(1)), "m");
}

TEST_F(omUnitManagerTest, GroupsListTheirUnitsInMenuOrder) {
    std::vector<std::string> names{"stale"};
    um().Group(omUK_cm)->UnitList(names);
    EXPECT_EQ(names, (std::vector<std::string>{"mm", "cm", "dm", "m", "in", "ft"}));
    std::vector<std::pair<const omUnit*, std::string>> menu;
    um().Group(omUK_kN)->GetUnitMenu(menu);
    ASSERT_EQ(menu.size(), 4u);
    EXPECT_EQ(menu[0].first, um().Unit(omUK_N));
    EXPECT_EQ(menu[0].second, "N");
    EXPECT_EQ(menu[3].first, um().Unit(omUK_kip));
    EXPECT_EQ(um().Group(omUK_NoUnit), nullptr);
}

TEST_F(omUnitManagerTest, ReleaseEndsTheManagerAndInstanceMakesANewOne) {
    EXPECT_EQ(omUnitManager::Instance(), omUnitManager::Instance());
    const omUnit* cm = omUnitManager::Instance()->Unit(omUK_cm);
    omUnitManager::Release();
    // The catalogue outlives the manager: units taken before stay valid.
    EXPECT_EQ(omUnitManager::Instance()->Unit(omUK_cm), cm);
    EXPECT_EQ(cm->GetName(), "cm");
}
