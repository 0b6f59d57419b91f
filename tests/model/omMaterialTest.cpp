#include "model/omMaterial.h"
#include "model/omMaterialMap.h"

#include "CapturedLog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

TEST(Material, IdentifierConstructorSetsUnitsAndDefaults) {
    omMaterial m(4);
    EXPECT_EQ(m.getIndex(), 4u);
    EXPECT_EQ(m.E(0.0).GetKey(), omUK_kN_cm2);
    EXPECT_EQ(m.E(0.0).GetValue(), 0.0);
    EXPECT_EQ(m.G().GetKey(), omUK_kN_cm2);
    EXPECT_EQ(m.alfaT().GetKey(), omUK_per_degC);
    EXPECT_EQ(m.ro().GetKey(), omUK_kg_m3);
    EXPECT_EQ(m.poisson(), 0.2);
    EXPECT_EQ(m.color(), 0u);
    EXPECT_EQ(m.name(), "");
    EXPECT_TRUE(m.isLinear());
}

TEST(Material, ZeroShearModulusBecomesFourTenthsOfE) {
    struct Case {
        double G, expected;
    };
    for (const Case& c : {Case{0.0, 1200.0}, Case{-0.0, 1200.0}, Case{1e-300, 1e-300}, Case{1250.0, 1250.0},
                          Case{-5.0, -5.0}}) {
        omMaterial m(3000.0, c.G, 1e-5, 2500.0, 0.2, 1);
        EXPECT_EQ(m.G().Get(omUK_kN_cm2), c.expected) << c.G;
    }
    omMaterial m(3000.0, 0.0, 1e-5, 2500.0, 0.15, 1);
    EXPECT_EQ(m.E(0.0).Get(omUK_kN_cm2), 3000.0);
    EXPECT_EQ(m.alfaT().Get(omUK_per_degC), 1e-5);
    EXPECT_EQ(m.ro().Get(omUK_kg_m3), 2500.0);
    EXPECT_EQ(m.poisson(), 0.15);
    // A linear material ignores the creep coefficient.
    EXPECT_EQ(m.E(2.0).Get(omUK_kN_cm2), 3000.0);
}

TEST(Material, SteelDefaults) {
    omSteel s(7);
    EXPECT_EQ(s.E(0.0).Get(omUK_kN_cm2), 21000.0);
    EXPECT_EQ(s.G().Get(omUK_kN_cm2), 8076.9);
    EXPECT_EQ(s.alfaT().Get(omUK_per_degC), 1.2e-5);
    EXPECT_EQ(s.ro().Get(omUK_kg_m3), 7850.0);
    EXPECT_EQ(s.poisson(), 0.3);
    EXPECT_EQ(s.fy().GetKey(), omUK_kN_cm2);
    EXPECT_EQ(s.fy().GetValue(), 0.0);
    EXPECT_EQ(s.fu().GetKey(), omUK_kN_cm2);
    omSteel t(omUnitValue(235.0, omUK_N_mm2), 2);
    EXPECT_DOUBLE_EQ(t.fy().Get(omUK_kN_cm2), 23.5);
    EXPECT_EQ(t.E(0.0).Get(omUK_kN_cm2), 21000.0);
}

TEST(Material, StandardPlateThicknesses) {
    std::vector<double> t = {99.0, 98.0};
    omSteel::getStandardThickness(t);
    ASSERT_EQ(t.size(), 46u);
    EXPECT_EQ(t.front(), 0.3);
    EXPECT_EQ(t.back(), 7.0);
    EXPECT_EQ(t[1], 0.35);
    EXPECT_EQ(t[30], 1.8);
    EXPECT_EQ(t[31], 1.9);
    for (size_t i = 1; i < t.size(); ++i)
        EXPECT_LT(t[i - 1], t[i]);
    // 3.0 cm is followed by 4.0 cm: there is no 35 mm plate.
    const auto three = std::find(t.begin(), t.end(), 3.0);
    ASSERT_NE(three, t.end());
    EXPECT_EQ(*(three + 1), 4.0);
}

TEST(Material, IdName) {
    omMaterial m(12);
    m.setName("S235");
    EXPECT_EQ(m.getIdName(true, true), "12: S235");
    EXPECT_EQ(m.getIdName(true, false), "12");
    EXPECT_EQ(m.getIdName(false, true), "S235");
    EXPECT_EQ(m.getIdName(false, false), "");
    m.setName(std::string(250, 'x'));
    EXPECT_EQ(m.getIdName(true, true).size(), 199u);
    // A cut never splits a character.
    std::string umlauts;
    for (int i = 0; i < 120; ++i)
        umlauts += "\xC3\xA4";
    m.setName(umlauts);
    EXPECT_EQ(m.getIdName(false, true).size(), 198u);
}

TEST(Material, CopiesKeepTheClassAndEveryField) {
    omSteel s(omUnitValue(35.5, omUK_kN_cm2), 7);
    s.setName("S355");
    s.setColor(0xff00ff);
    s.setFu(omUnitValue(51.0, omUK_kN_cm2));
    s.setPoisson(0.28);
    std::unique_ptr<omMaterial> c(static_cast<const omMaterial&>(s).clone());
    auto* steel = dynamic_cast<omSteel*>(c.get());
    ASSERT_NE(steel, nullptr);
    EXPECT_EQ(steel->getIndex(), 7u);
    EXPECT_EQ(steel->name(), "S355");
    EXPECT_EQ(steel->color(), 0xff00ffu);
    EXPECT_EQ(steel->poisson(), 0.28);
    EXPECT_EQ(steel->fy().Get(omUK_kN_cm2), 35.5);
    EXPECT_EQ(steel->fu().Get(omUK_kN_cm2), 51.0);
    EXPECT_EQ(steel->GetRuntimeClass()->TypeTag(), ".?AVomSteel@@");

    omMaterial plain(1);
    plain = s;
    EXPECT_EQ(plain.name(), "S355");
    EXPECT_EQ(plain.getIndex(), 7u);
    EXPECT_EQ(plain.GetRuntimeClass()->TypeTag(), ".?AVomMaterial@@");
}

TEST(Material, ConvertKeepsTheQuantities) {
    omSteel s(omUnitValue(23.5, omUK_kN_cm2), 1);
    s.convert(omUK_MPa, omUK_t_m3, omUK_per_K);
    EXPECT_EQ(s.E(0.0).GetKey(), omUK_MPa);
    EXPECT_DOUBLE_EQ(s.E(0.0).GetValue(), 210000.0);
    EXPECT_DOUBLE_EQ(s.G().GetValue(), 80769.0);
    EXPECT_DOUBLE_EQ(s.fy().GetValue(), 235.0);
    EXPECT_EQ(s.fu().GetKey(), omUK_MPa);
    EXPECT_DOUBLE_EQ(s.ro().GetValue(), 7.85);
    EXPECT_EQ(s.alfaT().GetKey(), omUK_per_K);
    EXPECT_DOUBLE_EQ(s.alfaT().GetValue(), 1.2e-5);
}

TEST(MaterialLog, SteelLine) {
    CapturedLog log({lfMaterials});
    omSteel s(omUnitValue(23.5, omUK_kN_cm2), 7);
    s.setName("not written");
    s.logFileReport();
    EXPECT_EQ(log.text(), "  \nid=7, E: 21000kN/cm2, G: 8077kN/cm2, fy: 23.5 -> Steel");
}

TEST(MaterialLog, MaterialLineAndSwitch) {
    {
        CapturedLog log({lfMaterials});
        omMaterial m(3000.0, 0.0, 1e-5, 2500.0, 0.2, 12);
        m.logFileReport();
        EXPECT_EQ(log.text(), "  \nid=12, E: 3000kN/cm2, G: 1200kN/cm2");
    }
    CapturedLog log({lfCrossSections});
    omSteel(1).logFileReport();
    omMaterial(2).logFileReport();
    EXPECT_EQ(log.text(), "");
}

TEST(MaterialLog, ReportsBeforeTheProgramCreatesTheLogCreateNone) {
    omLogFile::Release();
    omSteel(1).logFileReport();
    omMaterialMap().logFileReport();
    // A log created here would keep its default name when the program asks for its own.
    EXPECT_EQ(omLogFile::m_LogFile, nullptr);
}

} // namespace
