// The steel member design on solved structures: every stability check kind,
// the class 4 exit, the serviceability value, and the preconditions.
#include "app/design/ADesignEC3.h"

#include "SteelSections.h"
#include "model/omRCDesignBeamData.h"
#include "model/omSteelDesignData.h"
#include "tests/model/FrameBuilder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

using frametest::Frame;

namespace {

constexpr double rel = 1e-3;
#define EXPECT_REL(actual, expected) EXPECT_NEAR((actual), (expected), std::fabs(expected) * rel)

constexpr unsigned kSteel = 2;
constexpr unsigned kSection = 2;

// A single steel member from node 1 at the origin to node 2 at x = L, held
// against vertical movement at both ends and horizontally at node 1.
class SteelMember {
public:
    explicit SteelMember(double L,
                         std::unique_ptr<omCrossSection> section = steeltest::catalogueSection("IPE 300",
                                                                                               kSection),
                         double fy = 23.5) {
        f.material(steeltest::steel(fy, kSteel), kSteel);
        f.s.addCrossSection(section.release(), kSection);
        f.node(1, 0.0, 0.0);
        f.node(2, L, 0.0);
        f.fix(1, {Ux, Uz});
        f.fix(2, {Uz});
        f.member(1, 1, 2, 1, kSection, kSteel);
    }

    // Design data with the given cases active; the supports default to one
    // field with K = 1.
    omSteelDesignData& data(std::vector<int> ultimate, std::vector<int> serviceability = {}) {
        omSteelDesignData d;
        std::pair<std::vector<int>, std::vector<int>> lists{ultimate, serviceability};
        d.transferLC(omGenericDesignData::lctIn, lists);
        d.setUltDesign(!ultimate.empty());
        d.setSerDesign(!serviceability.empty());
        f.element(1)->setDesignData(&d);
        return *dynamic_cast<omSteelDesignData*>(f.element(1)->getDesignData());
    }

    // Equal and opposite end moments: a uniform moment M (kNcm) along the member.
    void uniformMoment(double M) {
        f.nodeForce(1, 0.0, 0.0, -M);
        f.nodeForce(2, 0.0, 0.0, M);
    }

    double design(std::string* reason = nullptr) {
        EXPECT_TRUE(DesignSteelElement(&f.s, 1, reason)) << (reason ? *reason : std::string());
        return f.element(1)->getDesignData()->getUltFactor();
    }

    Frame f;
};

void fullySupported(omElementSupport& s) {
    s.setFullSupport(true);
}

} // namespace

TEST(ADesignEC3Road, ACompressionMemberIsCheckedForFlexuralBuckling) {
    SteelMember m(400.0);
    m.f.nodeForce(2, -100.0, 0.0);
    m.f.loadCase("LC1");
    ASSERT_TRUE(m.f.solve());
    omSteelDesignData& d = m.data({1});
    m.design();
    EXPECT_EQ(d.getElStabType(), ADesignEC3::kindCompression + 100);
    EXPECT_REL(d.getElStab(), 100.0 / 506.8);
    EXPECT_EQ(d.getElClass(), 2);
    ASSERT_EQ(d.getCSRes().size(), m.f.element(1)->getResult().getPoints().size());
    EXPECT_REL(d.getCSRes()[5].resistanceFactor, 100.0 / 1149.6);
    EXPECT_EQ(d.getCSRes()[5].classMark, 'W');
}

TEST(ADesignEC3Road, ABeamWithoutCompressionIsCheckedForLateralTorsionalBuckling) {
    SteelMember m(600.0);
    m.uniformMoment(5000.0);
    m.f.loadCase("LC1");
    ASSERT_TRUE(m.f.solve());
    omSteelDesignData& d = m.data({1});
    const double overall = m.design();
    EXPECT_EQ(d.getElStabType(), ADesignEC3::kindLateralTorsional + 100);
    EXPECT_REL(d.getElStab(), 0.8239);
    EXPECT_REL(overall, 0.8239);
    EXPECT_EQ(d.getStabilityDescription(),
              "Class 1: stability satisfied (lateral-torsional buckling): 0.824 <= 1.0 " +
                  m.f.s.getLoadManager()->getCase(1)->getLSAndName());
    // Held against lateral-torsional buckling: no stability check at all.
    fullySupported(d.getLTSup());
    m.design();
    EXPECT_EQ(d.getElStabType(), 0);
    EXPECT_REL(d.getUltFactor(), 5000.0 / 13424.0);
}

TEST(ADesignEC3Road, CompressionWithBendingTakesTheGoverningOfBothModes) {
    SteelMember m(400.0);
    m.uniformMoment(5000.0);
    m.f.nodeForce(2, -200.0, 0.0);
    m.f.loadCase("LC1");
    ASSERT_TRUE(m.f.solve());
    omSteelDesignData& d = m.data({1});
    m.design();
    EXPECT_EQ(d.getElStabType(), ADesignEC3::kindBendingCompressionLT + 100);
    EXPECT_REL(d.getElStab(), 0.9369);
    fullySupported(d.getLTSup());
    m.design();
    EXPECT_EQ(d.getElStabType(), ADesignEC3::kindBendingCompression + 100);
    EXPECT_REL(d.getElStab(), 0.7968);
    // Held in its plane too: the member still buckles about z-z and is checked.
    fullySupported(d.getYYSup());
    m.design();
    EXPECT_EQ(d.getElStabType(), ADesignEC3::kindBendingCompression + 100);
    EXPECT_GT(d.getElStab(), 0.5);
    EXPECT_LT(d.getElStab(), 0.7968);
}

TEST(ADesignEC3Road, AClass4TubeCannotBeDesigned) {
    SteelMember m(400.0, steeltest::tube(50.0, 0.4));
    m.f.nodeForce(2, -100.0, 0.0);
    m.f.loadCase("LC1");
    ASSERT_TRUE(m.f.solve());
    omSteelDesignData& d = m.data({1});
    EXPECT_EQ(m.design(), ADesignEC3::cannotDesign);
    EXPECT_EQ(d.getElStab(), ADesignEC3::cannotDesign);
    EXPECT_EQ(d.getElStabType(), ADesignEC3::kindClass4 + 100);
    EXPECT_EQ(d.getElClass(), 4);
    EXPECT_EQ(d.getStabilityDescription(),
              "Class 4 section without effective cross-section: the member cannot be designed.");
}

TEST(ADesignEC3Road, TheServiceabilityValueIsTheStressOverTheYieldStrength) {
    SteelMember m(600.0);
    m.uniformMoment(6000.0);
    m.f.loadCase("SLS", omLoadCase::lsServiceability);
    ASSERT_TRUE(m.f.solve());
    omSteelDesignData& d = m.data({}, {1});
    m.design();
    EXPECT_REL(d.getSerFactor(), 0.458);
    // The records keep the stress itself and the deflection over the length.
    EXPECT_REL(d.getCSRes()[5].serStress, 6000.0 / 557.074);
    EXPECT_GT(d.getCSRes()[5].relDeflection, 0.0);
    EXPECT_EQ(d.getCSRes()[0].relDeflection, 0.0);
}

TEST(ADesignEC3Road, WithoutActiveCasesNothingIsDesignedAndCasesWithoutResultsAreSkipped) {
    SteelMember m(400.0);
    m.f.nodeForce(2, -100.0, 0.0);
    m.f.loadCase("LC1");
    ASSERT_TRUE(m.f.solve());
    omSteelDesignData& d = m.data({7, 0, -3});
    d.setUltDesign(true);
    EXPECT_EQ(m.design(), 0.0);
    EXPECT_EQ(d.getElStab(), 0.0);
    EXPECT_EQ(d.getElStabType(), 0);
    EXPECT_EQ(d.getElClass(), 0);
    EXPECT_EQ(d.getStabilityDescription(), "No stability check was necessary.");
}

TEST(ADesignEC3Road, ReasonsAreNumberedAndStopTheRuns) {
    struct Case {
        const char* name;
        std::function<void(SteelMember&)> spoil;
        const char* reason;
    };
    // Each spoils the member by giving it another material or section (number 3).
    auto material = [](SteelMember& m, omMaterial* mat) {
        m.f.material(mat, 3);
        m.f.element(1)->setMaterial(mat);
    };
    auto section = [](SteelMember& m, omCrossSection* cs) {
        m.f.s.addCrossSection(cs, 3);
        m.f.element(1)->setCrossSection(cs);
    };
    const Case cases[] = {
        {"fresh steel", [&](SteelMember& m) { material(m, new omSteel(3)); },
         "The yield strength, the modulus of elasticity and the shear modulus of the steel must be "
         "positive."},
        {"no steel", [&](SteelMember& m) { material(m, new omMaterial(21000.0, 0.0, 1.2e-5, 0.0, 0.3, 3)); },
         "Steel material is either not selected or it is wrong."},
        {"turned I",
         [&](SteelMember& m) {
             auto cs = steeltest::catalogueSection("IPE 300", 3);
             cs->setChangeAxis(true);
             section(m, cs.release());
         },
         "A turned I section cannot be classified."},
        {"rectangle",
         [&](SteelMember& m) {
             section(m, new omGenericCrossSection(omUnitValue(100.0, omUK_cm2), omUnitValue(1000.0, omUK_cm4),
                                                  3));
         },
         "Only I, box and tube sections can be designed in steel."},
        {"section not properly set",
         [&](SteelMember& m) { section(m, steeltest::box(10.0, 20.0, 1.0, 6.0, 1.0, 0.5).release()); },
         "The cross-section is not properly set."},
        {"concrete design data",
         [](SteelMember& m) {
             omRCDesignBeamData rc;
             m.f.element(1)->setDesignData(&rc);
         },
         "The element has no steel design data."},
        {"too few coefficients",
         [](SteelMember& m) {
             auto& d = *dynamic_cast<omSteelDesignData*>(m.f.element(1)->getDesignData());
             d.getZZSup().set({0.0, 0.5, 1.0}, {1.0});
         },
         "ZZ support: Each span between two supports needs one buckling length coefficient!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SteelMember m(400.0);
        m.f.nodeForce(2, -100.0, 0.0);
        m.f.loadCase("LC1");
        ASSERT_TRUE(m.f.solve());
        m.data({1});
        c.spoil(m);
        std::string reason;
        EXPECT_FALSE(DesignSteelElement(&m.f.s, 1, &reason));
        EXPECT_EQ(
            reason.rfind("The design of this element is not possible due to the following reason(s):", 0),
            0u);
        EXPECT_NE(reason.find(std::string("\n     1 - ") + c.reason), std::string::npos) << reason;
        ADesignEC3 design(1, &m.f.s);
        EXPECT_EQ(design.DesignUltimate(), 0.0);
        EXPECT_EQ(design.CheckDeflections(), 0.0);
    }
    // An unknown element and a model without it.
    std::string reason;
    Frame empty;
    EXPECT_FALSE(DesignSteelElement(&empty.s, 5, &reason));
    EXPECT_NE(reason.find("\n     1 - The element does not exist."), std::string::npos);
    EXPECT_FALSE(DesignSteelElement(nullptr, 1, nullptr));
}

TEST(SteelSupportCheck, MessagesOfTheLastFailingTest) {
    struct Case {
        std::vector<double> positions, K;
        const char* message;
    };
    const Case cases[] = {
        {{0.0, 1.0}, {1.0}, ""},
        {{0.0}, {}, "At least two supports are required!"},
        {{0.0, 0.6, 0.4, 1.0}, {1, 1, 1}, "Support positions are not given in ascending order!"},
        {{0.0, 0.5, 0.5, 1.0}, {1, 1, 1}, "Two or more support positions coincide!"},
        {{0.1, 1.0}, {1}, "First support must be 0.0"},
        {{0.0, 0.9}, {1}, "Last support must be 1.0"},
        {{-0.5, 0.0, 1.0}, {1, 1}, "Each position must lie inside [0,1] interval!"},
        {{0.0, 1.0}, {-1.0}, "Each buckling length coefficient must be non-negative."},
        {{0.0, 0.5, 1.0}, {1.0}, "Each span between two supports needs one buckling length coefficient!"},
        {{0.0, std::nan(""), 1.0}, {1, 1}, "Each position and coefficient must be a number."},
        {{0.0, 1.0}, {std::nan("")}, "Each position and coefficient must be a number."},
        {{0.0, 1.0}, {HUGE_VAL}, "Each position and coefficient must be a number."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckSteelSupport(c.positions, c.K), c.message);
    omSteelDesignData d;
    d.getLTSup().set({0.0, 0.5}, {1.0});
    d.setShearStiffDistance(omUnitValue(-1.0, omUK_cm));
    EXPECT_EQ(ValidateSteelDesignData(d),
              "\nLT Support: Last support must be 1.0\nShear stiffners: The distance "
              "between shear siffners can not be negative!");
}
