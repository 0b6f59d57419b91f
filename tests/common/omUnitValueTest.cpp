#include "common/omUnitValue.h"
#include "common/omErrorContainer.h"
#include "common/omNumberFormat.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {
class omUnitValueTest : public ::testing::Test {
protected:
    void SetUp() override { omErrorContainer::instance()->reset(); }
    void TearDown() override { omErrorContainer::instance()->reset(); }

    static std::vector<omErrorEntry> errors() { return omErrorContainer::instance()->errors(); }
};
} // namespace

TEST_F(omUnitValueTest, ConstructorsGiveValueAndUnit) {
    omUnitValue none;
    EXPECT_EQ(none.GetValue(), 0.0);
    EXPECT_EQ(none.GetKey(), omUK_NoUnit);
    EXPECT_FALSE(none.HasUnit());
    EXPECT_EQ(none.UnitGroup(), nullptr);
    EXPECT_EQ(none.GetUnitName(), "");

    const omUnitValue zeroInMm(0); // key 0 is millimetres, not "no unit"
    EXPECT_EQ(zeroInMm.GetKey(), omUK_mm);
    EXPECT_TRUE(zeroInMm.HasUnit());

    const omUnitValue e(2100.0, 35);
    EXPECT_EQ(e.GetKey(), omUK_kN_cm2);
    EXPECT_EQ(e.GetUnitName(), "kN/cm2");

    const omUnitValue fy("kN/cm2");
    EXPECT_EQ(fy.GetValue(), 0.0);
    EXPECT_EQ(fy.GetKey(), omUK_kN_cm2);
    EXPECT_EQ(omUnitValue(2.5, "m").Get(omUK_cm), 250.0);
}

TEST_F(omUnitValueTest, SetByNameStoresWithoutConversionAndGetConverts) {
    omUnitValue v;
    v.Set(2.5, "m");
    EXPECT_EQ(v.GetValue(), 2.5);
    EXPECT_EQ(v.GetKey(), omUK_m);
    EXPECT_DOUBLE_EQ(v.Get(omUK_cm), 250.0);
    EXPECT_DOUBLE_EQ(v.Get(0), 2500.0);
    EXPECT_DOUBLE_EQ(v.Get("mm"), 2500.0);
    EXPECT_EQ(v.GetValue(), 2.5);

    v.Set(omUK_cm); // the key only
    EXPECT_EQ(v.GetValue(), 2.5);
    EXPECT_EQ(v.GetKey(), omUK_cm);

    v.Set(4.0, 0); // number 0 is the key of millimetres
    EXPECT_EQ(v.GetKey(), omUK_mm);
    v.Set(1.0, omUnitManager::Instance()->Unit(omUK_kN));
    EXPECT_EQ(v.GetKey(), omUK_kN);
    v.Set(1.0, static_cast<const omUnit*>(nullptr));
    EXPECT_FALSE(v.HasUnit());
    EXPECT_TRUE(errors().empty());
}

TEST_F(omUnitValueTest, AnUnknownUnitNameIsReportedAndTheNumberKept) {
    omUnitValue v(5.0, omUK_m);
    v.Set(12.0, "furlong");
    EXPECT_EQ(v.GetValue(), 12.0);
    EXPECT_FALSE(v.HasUnit());
    auto e = errors();
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(e[0].code, 10u);
    EXPECT_EQ(omErrorArgumentText(e[0].arguments.at(0)), "furlong");

    // An empty name is a value without a unit, which files store for plain numbers.
    v.Set(3.0, "");
    EXPECT_FALSE(v.HasUnit());
    EXPECT_EQ(errors().size(), 1u);

    // Asking in an unknown unit gives the number as held, reported.
    const omUnitValue l(2.0, omUK_m);
    EXPECT_EQ(l.Get("yard"), 2.0);
    EXPECT_EQ(errors().size(), 2u);
}

TEST_F(omUnitValueTest, ConvertToReexpressesInPlace) {
    omUnitValue v(1500.0, omUK_mm);
    v.ConvertTo(omUK_m);
    EXPECT_EQ(v.GetKey(), omUK_m);
    EXPECT_DOUBLE_EQ(v.GetValue(), 1.5);
    v.ConvertTo("cm");
    EXPECT_DOUBLE_EQ(v.GetValue(), 150.0);
    v.ConvertTo(omUK_kN); // another quantity: reported, unchanged
    EXPECT_EQ(v.GetKey(), omUK_cm);
    EXPECT_DOUBLE_EQ(v.GetValue(), 150.0);
    ASSERT_EQ(errors().size(), 1u);
    EXPECT_EQ(errors()[0].code, 11u);

    omUnitValue plain;
    plain.Set(3.0, omUK_NoUnit);
    plain.ConvertTo(omUK_kN); // a plain number only takes the unit
    EXPECT_EQ(plain.GetKey(), omUK_kN);
    EXPECT_EQ(plain.GetValue(), 3.0);
}

TEST_F(omUnitValueTest, ComparisonsWorkAcrossUnitsOfOneQuantity) {
    const omUnitValue metre(1.0, omUK_m), hundredCm(100.0, omUK_cm), tenCm(0.1, omUK_m);
    EXPECT_TRUE(metre == hundredCm);
    EXPECT_TRUE(omUnitValue(10.0, omUK_cm) == tenCm);
    EXPECT_TRUE(omUnitValue(99.0, omUK_cm) < metre);
    EXPECT_TRUE(metre > omUnitValue(99.0, omUK_cm));
    EXPECT_FALSE(metre < hundredCm);
    EXPECT_TRUE(metre >= hundredCm);
    // Different quantities are never equal; ordering compares the numbers.
    EXPECT_FALSE(omUnitValue(1.0, omUK_m) == omUnitValue(1.0, omUK_kN));
    EXPECT_TRUE(omUnitValue(1.0, omUK_m) < omUnitValue(2.0, omUK_kN));
    EXPECT_FALSE(omUnitValue(1.0, omUK_m) == omUnitValue(1.0, omUK_NoUnit));
    EXPECT_TRUE(omUnitValue() == omUnitValue());
    EXPECT_TRUE(errors().empty());
}

TEST_F(omUnitValueTest, SumsKeepTheLeftUnitOrBecomeMixed) {
    omUnitValue sum(1.0, omUK_kNm);
    sum += omUnitValue(50.0, omUK_kNcm);
    EXPECT_EQ(sum.GetKey(), omUK_kNm);
    EXPECT_DOUBLE_EQ(sum.GetValue(), 1.5);
    sum -= omUnitValue(1.0, omUK_kNm);
    EXPECT_DOUBLE_EQ(sum.GetValue(), 0.5);
    const omUnitValue total = omUnitValue(2.0, omUK_m) + omUnitValue(30.0, omUK_cm);
    EXPECT_DOUBLE_EQ(total.Get(omUK_cm), 230.0);
    EXPECT_DOUBLE_EQ((omUnitValue(2.0, omUK_m) - omUnitValue(50.0, omUK_cm)).GetValue(), 1.5);

    // A force and a displacement add up to a mixed sum: no unit.
    omUnitValue mixed(5.0, omUK_kN);
    mixed += omUnitValue(0.2, omUK_cm);
    EXPECT_FALSE(mixed.HasUnit());
    EXPECT_EQ(mixed.UnitGroup(), nullptr);
    EXPECT_TRUE(errors().empty());

    omUnitValue scaled(6.0, omUK_kN);
    scaled /= 4.0;
    EXPECT_EQ(scaled.GetValue(), 1.5);
    EXPECT_EQ(scaled.GetKey(), omUK_kN);
    EXPECT_EQ((scaled * 2.0).GetValue(), 3.0);
}

TEST_F(omUnitValueTest, TextOfAValueCarriesItsUnit) {
    const omNumberFormat format(5, omNumberFormat::smart, true);
    EXPECT_EQ(omUnitValue(12.5, omUK_kN).AsString(format), "12.5 kN");
    EXPECT_EQ(omUnitValue(-0.25, omUK_kN_cm2).AsString(format), "-0.25 kN/cm2");
    omUnitValue plain;
    plain.Set(3.0, omUK_NoUnit);
    EXPECT_EQ(plain.AsString(format), "3");

    std::ostringstream out;
    out << omUnitValue(2.5, omUK_m) << ';' << plain;
    EXPECT_EQ(out.str(), "2.5 m;3");
}
