#include "app/design/omConcrete.h"
#include "app/design/omRCSteel.h"

#include "model/omCrossSectionRect.h"
#include "model/omGenericDesignData.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(omConcrete, ANewConcreteHasItsDefaultsAndNoStrengths) {
    const omConcrete c(7);
    EXPECT_EQ(c.getIndex(), 7u);
    EXPECT_EQ(c.E(0.0).Get(omUK_kN_cm2), 0.0);
    EXPECT_EQ(c.G().Get(omUK_kN_cm2), 0.0);
    EXPECT_EQ(c.alfaT().Get(omUK_per_degC), 1e-5);
    EXPECT_EQ(c.ro().Get(omUK_kg_m3), 2400.0);
    EXPECT_EQ(c.poisson(), 0.2);
    EXPECT_EQ(c.fck().Get(omUK_kN_cm2), 0.0);
    EXPECT_EQ(c.fct().Get(omUK_kN_cm2), 0.0);
}

TEST(omConcrete, CreepReducesTheModulus) {
    omConcrete c(1);
    c.setE(omUnitValue(3300.0, omUK_kN_cm2));
    EXPECT_EQ(c.E(0.0).Get(omUK_kN_cm2), 3300.0);
    EXPECT_EQ(c.E(1.0).Get(omUK_kN_cm2), 1650.0);
    EXPECT_NEAR(c.E(2.0).Get(omUK_kN_cm2), 1100.0, 1e-9);
}

TEST(omConcrete, CloneAndCopyKeepClassAndStrengths) {
    omConcrete c(3);
    c.setName("C30/37");
    c.setE(omUnitValue(3300.0, omUK_kN_cm2));
    c.setFck(omUnitValue(30.0, omUK_N_mm2));
    c.setFct(omUnitValue(2.9, omUK_N_mm2));
    std::unique_ptr<omMaterial> clone(c.clone());
    const auto* typed = dynamic_cast<omConcrete*>(clone.get());
    ASSERT_NE(typed, nullptr);
    EXPECT_EQ(typed->GetRuntimeClass(), RUNTIME_CLASS(omConcrete));
    EXPECT_EQ(typed->name(), "C30/37");
    EXPECT_DOUBLE_EQ(typed->fck().Get(omUK_kN_cm2), 3.0);
    EXPECT_DOUBLE_EQ(typed->fct().Get(omUK_kN_cm2), 0.29);
    omConcrete other(9);
    other = c;
    EXPECT_DOUBLE_EQ(other.fck().Get(omUK_kN_cm2), 3.0);
    EXPECT_EQ(other.E(0.0).Get(omUK_kN_cm2), 3300.0);
}

TEST(omConcrete, ConvertMovesStrengthsIntoTheStressUnit) {
    omConcrete c(1);
    c.setFck(omUnitValue(3.0, omUK_kN_cm2));
    c.setFct(omUnitValue(0.29, omUK_kN_cm2));
    c.convert(omUK_N_mm2, omUK_t_m3, omUK_per_K);
    EXPECT_EQ(c.fck().GetKey(), omUK_N_mm2);
    EXPECT_NEAR(c.fck().GetValue(), 30.0, 1e-9);
    EXPECT_NEAR(c.fct().GetValue(), 2.9, 1e-9);
    EXPECT_NEAR(c.ro().GetValue(), 2.4, 1e-12);
}

TEST(omRCSteel, ANewReinforcementHasItsDefaults) {
    const omRCSteel s(2);
    EXPECT_EQ(s.E(0.0).Get(omUK_kN_cm2), 20000.0);
    EXPECT_EQ(s.E(1.0).Get(omUK_kN_cm2), 20000.0) << "steel does not creep";
    EXPECT_EQ(s.G().Get(omUK_kN_cm2), 8076.9);
    EXPECT_EQ(s.alfaT().Get(omUK_per_degC), 1.2e-5);
    EXPECT_EQ(s.ro().Get(omUK_kg_m3), 7850.0);
    EXPECT_EQ(s.poisson(), 0.3);
    EXPECT_EQ(s.fyk().Get(omUK_kN_cm2), 0.0);
    EXPECT_EQ(s.getClass(), omRCSteel::classA);
}

TEST(omRCSteel, CloneCopyAndConvertKeepYieldStrengthAndClass) {
    omRCSteel s(2);
    s.setFyk(omUnitValue(50.0, omUK_kN_cm2));
    s.setClass(omRCSteel::classB);
    std::unique_ptr<omMaterial> clone(s.clone());
    const auto* typed = dynamic_cast<omRCSteel*>(clone.get());
    ASSERT_NE(typed, nullptr);
    EXPECT_EQ(typed->fyk().Get(omUK_kN_cm2), 50.0);
    EXPECT_EQ(typed->getClass(), omRCSteel::classB);
    omRCSteel other(5);
    other = s;
    other.convert(omUK_MPa, omUK_kg_m3, omUK_per_degC);
    EXPECT_EQ(other.fyk().GetKey(), omUK_MPa);
    EXPECT_NEAR(other.fyk().GetValue(), 500.0, 1e-9);
    EXPECT_EQ(other.getClass(), omRCSteel::classB);
}

// Structure files name a material's class; the model tells a concrete member
// by that name.
TEST(omConcrete, BothClassesAreMadeByTheirRegisteredNames) {
    for (const char* name : {"omConcrete", "omRCSteel"}) {
        const CRuntimeClass* cls = CRuntimeClass::FromName(name);
        ASSERT_NE(cls, nullptr) << name;
        std::unique_ptr<omMaterial> m(CreateObjectAs<omMaterial>(cls));
        ASSERT_NE(m, nullptr) << name;
        EXPECT_EQ(m->GetRuntimeClass(), cls);
    }
    EXPECT_EQ(CRuntimeClass::FromName("omConcrete"), RUNTIME_CLASS(omConcrete));
}

TEST(omConcrete, AConcreteMemberOfARectangleGetsReinforcedConcreteDesignData) {
    const omConcrete concrete(1);
    const omRCSteel steel(2);
    const omCrossSectionRect rect(50.0, 30.0, omUK_cm, 1);
    EXPECT_EQ(omGenericDesignData::getDesignDataType(&concrete, &rect), omGenericDesignData::dtRCBeam);
    EXPECT_NE(omGenericDesignData::getDesignDataType(&steel, &rect), omGenericDesignData::dtRCBeam);
}

TEST(omConcrete, BothClassesCarryTheirOwnStorageInterfaceSlot) {
    omConcrete c(1);
    omRCSteel s(1);
    EXPECT_EQ(c.GetStorageInterface(), nullptr);
    auto* marker = reinterpret_cast<ABaseStorageInterface*>(&c);
    omConcrete::InitializeStorageInterface(marker);
    EXPECT_EQ(c.GetStorageInterface(), marker);
    EXPECT_EQ(s.GetStorageInterface(), nullptr) << "the reinforcement's slot is its own";
    omConcrete::InitializeStorageInterface(nullptr);
}

} // namespace
