#include "model/omLoadManager.h"

#include "ModelTestSupport.h"

namespace {

using modeltest::errorCodes;

const omDofStructureType* plane() {
    return omDofStrakonStructureType::instance();
}

omLoadCase* newCase(const std::string& name, omLoadCase::LimitState ls = omLoadCase::lsUltimate) {
    return new omLoadCase(name, ls, plane());
}

omVector factors(std::vector<double> v) {
    return omVector(static_cast<int>(v.size()), v.data());
}

class LoadManager : public modeltest::ModelTest {
protected:
    // Groups G1..G3 and cases 1, 2, 3 (C1 ultimate, C2 serviceability, C3 creep).
    void fill() {
        for (const char* g : {"G1", "G2", "G3"})
            ASSERT_EQ(lm.addGroup(omLoadGroup(g)), 0);
        ASSERT_EQ(lm.addCase(newCase("C1"), true), 0);
        ASSERT_EQ(lm.addCase(newCase("C2", omLoadCase::lsServiceability), true), 0);
        ASSERT_EQ(lm.addCase(newCase("C3", omLoadCase::lsCreep), true), 0);
    }
    omLoadManager lm;
};

TEST_F(LoadManager, GroupsNeedUniqueNames) {
    EXPECT_EQ(lm.addGroup(omLoadGroup("Dead")), 0);
    EXPECT_EQ(lm.addGroup(omLoadGroup("Dead")), -2);
    EXPECT_EQ(lm.addGroup(omLoadGroup()), -1);
    EXPECT_EQ(lm.groupSize(), 1);
    EXPECT_EQ(lm.getGroupIndex("Dead"), 1);
    EXPECT_EQ(lm.getGroupIndex(""), 0);
    EXPECT_EQ(lm.getGroup("Live"), nullptr);
    EXPECT_EQ(lm.getGroup(0), nullptr);
    EXPECT_EQ(lm.getGroup(2), nullptr);
}

TEST_F(LoadManager, CasesNeedUniqueNamesAndTheCallerKeepsARefusedOne) {
    EXPECT_EQ(lm.addCase(newCase("A"), true), 0);
    omLoadCase* twin = newCase("A");
    EXPECT_EQ(lm.addCase(twin, true), -2);
    delete twin;
    omLoadCase* unnamed = newCase("");
    EXPECT_EQ(lm.addCase(unnamed, true), -1);
    delete unnamed;
    EXPECT_EQ(lm.addCase(nullptr, true), -1);
    EXPECT_EQ(lm.caseSize(), 1);
    EXPECT_FALSE(lm.empty());
}

TEST_F(LoadManager, FactorsPerGroupFollowTheGroups) {
    fill();
    EXPECT_TRUE(lm.setFactors("C1", factors({1.35, 1.5, 0.0})));
    EXPECT_FALSE(lm.setFactors("C2", factors({1.0})));
    EXPECT_FALSE(lm.setFactors("Nope", factors({1, 1, 1})));

    // A new group gets factor 0.0 in every case.
    EXPECT_EQ(lm.addGroup(omLoadGroup("G4")), 0);
    EXPECT_EQ(*lm.getCase(1), factors({1.35, 1.5, 0.0, 0.0}));
    EXPECT_EQ(lm.getCase(3)->size(), 4);

    // Deleting a group takes its factor out of every case.
    lm.deleteGroup(2);
    EXPECT_EQ(*lm.getCase(1), factors({1.35, 0.0, 0.0}));
    EXPECT_EQ(lm.getGroup(2)->name(), "G3");
    lm.deleteGroup(9);
    EXPECT_EQ(errorCodes(), std::vector<unsigned>{1030});
    EXPECT_EQ(lm.groupSize(), 3);
}

TEST_F(LoadManager, ActivatingACaseCopiesItsFactorsIntoTheGroups) {
    fill();
    lm.setFactors("C1", factors({1.35, 1.5, 0.5}));
    ASSERT_TRUE(lm.setActiveCase("C1"));
    EXPECT_EQ(lm.getActiveCase(), lm.getCase(1));
    EXPECT_EQ(lm.getActiveCaseIndex(), 1);
    EXPECT_DOUBLE_EQ(lm.getGroup(2)->factor(), 1.5);
    lm.getGroup(2)->setActive(false);
    EXPECT_DOUBLE_EQ(lm.getGroup(2)->factor(), 0.0);

    // A case whose factor count does not match changes nothing.
    lm.setFactors("C2", factors({9.0}));
    EXPECT_FALSE(lm.setActiveCase(2));
    EXPECT_DOUBLE_EQ(lm.getGroup(1)->factor(), 1.35);
    EXPECT_EQ(lm.getActiveCaseIndex(), 1);
    EXPECT_FALSE(lm.setActiveCase(0));
    EXPECT_FALSE(lm.setActiveCase(4));
    EXPECT_FALSE(lm.setActiveCase("Nope"));
}

TEST_F(LoadManager, DeletingTheActiveCaseClearsIt) {
    fill();
    ASSERT_TRUE(lm.setActiveCase(2));
    lm.deleteCase(2);
    EXPECT_EQ(lm.getActiveCase(), nullptr);
    EXPECT_EQ(lm.getActiveCaseIndex(), 0);
    EXPECT_EQ(lm.caseSize(), 2);
}

TEST_F(LoadManager, DeletingAnEarlierCaseRenumbersTheActiveOne) {
    fill();
    ASSERT_TRUE(lm.setActiveCase(3));
    const omLoadCase* active = lm.getActiveCase();
    lm.deleteCase(1);
    EXPECT_EQ(lm.getActiveCase(), active);
    EXPECT_EQ(lm.getActiveCaseIndex(), 2);
    EXPECT_EQ(lm.getCase(lm.getActiveCaseIndex()), active);
    lm.deleteCase(5);
    EXPECT_EQ(lm.getCase(5), nullptr);
    EXPECT_EQ(errorCodes(), (std::vector<unsigned>{1030, 1030}));
}

TEST_F(LoadManager, EnvelopeMembershipFilters) {
    struct Case {
        bool serviceability, ultimate, creep;
        std::vector<unsigned> cases;
    };
    const Case table[] = {
        {false, true, false, {1}},     {true, false, false, {2}}, {false, false, true, {3}},
        {true, true, true, {1, 2, 3}}, {false, false, false, {}},
    };
    for (const Case& c : table) {
        omLoadManager m;
        auto* e = new omEnvelope;
        e->setFilter(c.serviceability, c.ultimate, c.creep);
        m.addEnvelope(e);
        m.addCase(newCase("C1"), true);
        m.addCase(newCase("C2", omLoadCase::lsServiceability), true);
        m.addCase(newCase("C3", omLoadCase::lsCreep), true);
        EXPECT_EQ(e->getLoadCases(), c.cases) << c.serviceability << c.ultimate << c.creep;
    }
}

TEST_F(LoadManager, UseAllCasesDecidesWhoJoinsByItself) {
    omEnvelope e;
    omLoadCase ult("U", omLoadCase::lsUltimateSeismic, plane());
    omLoadCase svc("S", omLoadCase::lsServiceability, plane());
    e.update(1, &svc);
    EXPECT_TRUE(e.getLoadCases().empty()) << "the default envelope takes ultimate cases only";
    e.add(1, &svc);
    EXPECT_TRUE(e.getLoadCases().empty()) << "add keeps only a qualifying case";

    e.useAllCases(false);
    e.update(2, &ult);
    EXPECT_TRUE(e.getLoadCases().empty());
    e.add(2, &ult);
    e.add(2, &ult);
    EXPECT_EQ(e.getLoadCases(), std::vector<unsigned>{2}) << "a case is listed once";

    // A case that stops qualifying leaves.
    ult.setLimitState(omLoadCase::lsServiceability);
    e.update(2, &ult);
    EXPECT_TRUE(e.getLoadCases().empty());
}

TEST_F(LoadManager, DeletingACaseRenumbersTheEnvelopes) {
    auto* e = new omEnvelope;
    lm.addEnvelope(e);
    for (const char* name : {"C1", "C2", "C3"})
        lm.addCase(newCase(name), true);
    EXPECT_EQ(e->getLoadCases(), (std::vector<unsigned>{1, 2, 3}));
    lm.deleteCase(2);
    EXPECT_EQ(e->getLoadCases(), (std::vector<unsigned>{1, 2}));
    EXPECT_EQ(lm.getCase(2)->name(), "C3");
}

TEST_F(LoadManager, EnvelopesByNumberAndName) {
    auto* a = new omEnvelope;
    a->setName("A");
    auto* b = new omEnvelope;
    b->setName("B");
    EXPECT_EQ(lm.addEnvelope(a), 1);
    EXPECT_EQ(lm.insertEnvelope(1, b), 2);
    EXPECT_EQ(lm.getEnvelope(1), b);
    EXPECT_EQ(lm.getEnvelopeIndex("A"), 2);
    EXPECT_EQ(lm.getEnvelopeIndex(""), 0);
    auto* c = new omEnvelope;
    EXPECT_EQ(lm.insertEnvelope(7, c), 3);
    EXPECT_EQ(lm.getEnvelope(3), c) << "a bad position appends";
    lm.deleteEnvelope(1);
    EXPECT_EQ(lm.getEnvelope(1), a);
    EXPECT_EQ(lm.getEnvelope(3), nullptr);
    EXPECT_EQ(errorCodes(), (std::vector<unsigned>{1030, 1030}));
}

TEST_F(LoadManager, CopyIsDeepAndHasNoActiveCase) {
    fill();
    lm.setFactors("C1", factors({1, 2, 3}));
    lm.addEnvelope(new omEnvelope);
    lm.getEnvelope(1)->add(1, lm.getCase(1));
    lm.setActiveCase(1);
    lm.setSecondFlag(true);
    lm.setDirty(false);

    omLoadManager copy(lm);
    EXPECT_EQ(copy.caseSize(), 3);
    EXPECT_NE(copy.getCase(1), lm.getCase(1));
    EXPECT_EQ(*copy.getCase(1), *lm.getCase(1));
    EXPECT_EQ(copy.getCase(2)->limitState(), omLoadCase::lsServiceability);
    EXPECT_EQ(copy.getActiveCase(), nullptr);
    EXPECT_NE(copy.getEnvelope(1), lm.getEnvelope(1));
    EXPECT_EQ(copy.getEnvelope(1)->getLoadCases(), (std::vector<unsigned>{1}));
    EXPECT_TRUE(copy.secondFlag());
    EXPECT_FALSE(copy.isDirty());

    omLoadManager other;
    other.addCase(newCase("X"), true);
    other = lm;
    EXPECT_EQ(other.caseSize(), 3);
    EXPECT_EQ(other.getLoadCaseIndex("C3"), 3);
    EXPECT_EQ(other.getLoadCase("X"), nullptr);
}

TEST_F(LoadManager, LimitStates) {
    omLoadCase lc("Wind", omLoadCase::lsServiceability, plane());
    lc.resize(2);
    lc(1) = 1.5;
    lc.setFiCreep(2.0);
    EXPECT_EQ(lc.getLSAndName(), "[S] Wind");
    EXPECT_TRUE(lc.isServiceability());
    EXPECT_FALSE(lc.isUltimate());
    lc.setLimitState(omLoadCase::lsCreep);
    lc.setFiCreep(2.0);
    lc.setLimitState(omLoadCase::lsCreep);
    EXPECT_DOUBLE_EQ(lc.getFiCreep(), 2.0);
    lc.setLimitState(omLoadCase::lsSkew);
    EXPECT_DOUBLE_EQ(lc.getFiCreep(), 0.0);
    EXPECT_TRUE(lc.isNull());
    EXPECT_EQ(lc.getLSAndName(), "[<->] Wind");
    for (auto ls : {omLoadCase::lsUltimate, omLoadCase::lsUltimateAccidental, omLoadCase::lsUltimatePT,
                    omLoadCase::lsUltimateSeismic}) {
        lc.setLimitState(ls);
        EXPECT_TRUE(lc.isUltimate());
    }
    EXPECT_EQ(lc.getLSAndName(), "[US] Wind");
    lc.setLimitState(static_cast<omLoadCase::LimitState>(9));
    EXPECT_EQ(lc.getLSAndName(), " Wind");
    EXPECT_EQ(omLoadCase(plane()).name(), "Empty");
}

TEST_F(LoadManager, CaseMaxima) {
    omLoadCase lc("C", omLoadCase::lsUltimate, plane());
    omForceVector f(plane());
    omDisplacementVector u(plane());
    f.Fz() = -5;
    u.ux() = 0.2;
    lc.checkMaximum(f, u, -3.0);
    f.Fz() = 4;
    lc.checkMaximum(f, u, 1.0);
    EXPECT_DOUBLE_EQ(lc.getMaxAbsF().Fz(), 5.0);
    EXPECT_DOUBLE_EQ(lc.getMaxAbsU().ux(), 0.2);
    EXPECT_DOUBLE_EQ(lc.getMaxAbsCP(), 3.0);
    lc.resetMaximum();
    EXPECT_TRUE(lc.getMaxAbsF().isNull());
    EXPECT_DOUBLE_EQ(lc.getMaxAbsCP(), 0.0);
}

TEST_F(LoadManager, LogReportOfALoadCase) {
    CapturedLog capture({lfLoads});
    lm.addGroup(omLoadGroup("Dead"));
    lm.addGroup(omLoadGroup("Live"));
    lm.addCase(newCase("ULS"), true);
    lm.setFactors("ULS", factors({1.35, 1.5}));
    lm.logFileReport();
    const std::string title = "Load groups and load cases in omLoadManager object:";
    EXPECT_EQ(capture.text(), "\n" + title + "\n" + std::string(title.size(), '*') +
                                  "\n\nNumber of load groups: 2\nDead\nLive"
                                  "\n\nNumber of load cases: 1"
                                  "\nULS, LimitState: 1\n\tLoad factors: { 2: 1.4, 1.5 }"
                                  "\n" +
                                  std::string(74, '-') + "\n");
}

} // namespace
