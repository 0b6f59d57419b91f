#include "StrakonDocumentFixture.h"
#include "StrakonModelSupport.h"

#include "app/shell/APath.h"
#include "tests/model/SolveRoad.h"

#include <gtest/gtest.h>

#include <QProgressBar>

#include <cmath>
#include <filesystem>
#include <new>
#include <numbers>

namespace {

using namespace strakonmodel;

class AStrakonDocumentSolveTest : public StrakonDocumentFixture {
protected:
    // The program's message texts, as the application loads them at start.
    void SetUp() override {
        StrakonDocumentFixture::SetUp();
        omErrorContainer::instance()->setFileName(std::filesystem::path(STRAKON_SOURCE_DIR) / "resources" / "data" /
                                                  "Misc" / "Strakon.err");
    }
    // Cases ordinary, sway 1/200, ordinary on a column of 400 cm under 100 kN.
    static void swayColumn(omStrakon& s) {
        column(s, 400.0, 100.0);
        loadCase(s, "P", omLoadCase::lsUltimate, 1.0);
        loadCase(s, "sway", omLoadCase::lsSkew, 1.0)
            ->setSkew(200.0, 0.0, omUnitValue(0.0, omUK_cm), omUnitValue(0.0, omUK_cm));
        loadCase(s, "P again", omLoadCase::lsUltimate, 1.0);
    }
    bool noSwayLeft() {
        bool none = true;
        for (unsigned n : {1u, 2u})
            none = none && model().getNodeMap()->find(n)->getCoor(Ux, omNode::coorSkew)->GetValue() == 0.0;
        return none;
    }
    int stepsTaken() { return static_cast<int>(prompts.Sleeps().size()); }
};

TEST_F(AStrakonDocumentSolveTest, SolveGivesTheResultsOfTheModelsRoadCaseByCaseWithTheLogAndTheReport) {
    swayColumn(model());
    omStrakon reference;
    reference.setupObjects();
    swayColumn(reference);
    ASSERT_TRUE(solveroad::run(reference, {9, 15, 0.0001}));
    omErrorContainer::instance()->reset();

    doc->OnSolve();

    for (unsigned lc : {1u, 2u, 3u}) {
        for (omDofType t : {Ux, Uz, Ry})
            EXPECT_EQ(nodeResult(model(), 2, t, lc), nodeResult(reference, 2, t, lc)) << lc;
        EXPECT_EQ(moment(model(), 1, 0.0, lc), moment(reference, 1, 0.0, lc)) << lc;
    }
    // The third case stands on the column that the second tilted; the first on the straight one.
    EXPECT_NEAR(std::fabs(moment(model(), 1, 0.0, 3)), 100.0 * 400.0 / 200.0, 1.0);
    EXPECT_NEAR(moment(model(), 1, 0.0, 1), 0.0, 1e-6);
    EXPECT_EQ(stepsTaken(), 3 + 1) << "one step for the set-up and one per case";
    EXPECT_EQ(prompts.Sleeps(), std::vector<DWORD>(4, 15));
    EXPECT_TRUE(messages().startsWith("Solving ..."));
    EXPECT_TRUE(log().contains("Solving load case: ")) << log().toStdString();
    EXPECT_TRUE(noSwayLeft());
    EXPECT_EQ(app.m_pActiveProgressBar, nullptr);
    EXPECT_EQ(view.hints, std::vector<int>({0}));
    EXPECT_TRUE(prompts.Beeps().empty());
}

TEST_F(AStrakonDocumentSolveTest, WithoutLoadCasesSolveRefusesQuietlyAndTheViewsStillRedraw) {
    column(model(), 400.0, 100.0);
    holder->output().ShowMessageText("the report of the load");
    EXPECT_FALSE(doc->Solve());
    doc->OnSolve();
    EXPECT_EQ(messages(), "the report of the load");
    EXPECT_EQ(view.hints, std::vector<int>({0}));
    EXPECT_TRUE(prompts.Beeps().empty());
    EXPECT_EQ(app.m_pActiveProgressBar, nullptr);
}

TEST_F(AStrakonDocumentSolveTest, ACaseThatBucklesEndsTheRunWithOneBeepAndKeepsTheEarlierResults) {
    // A perfect non-linear cantilever: half its buckling load in cases 1 and 3, twice it in case 2.
    const double h = 300.0;
    const double Pcr = std::numbers::pi * std::numbers::pi * kE * kI / (4.0 * h * h);
    column(model(), h, Pcr, true);
    loadCase(model(), "half", omLoadCase::lsUltimate, 0.5);
    loadCase(model(), "twice", omLoadCase::lsUltimate, 2.0);
    loadCase(model(), "half again", omLoadCase::lsUltimate, 0.5);

    EXPECT_FALSE(doc->Solve());

    EXPECT_EQ(prompts.Beeps(), std::vector<UINT>({MB_ICONEXCLAMATION}));
    EXPECT_TRUE(messages().startsWith("Solving ...\n"));
    EXPECT_TRUE(messages().contains("Error 1022") || messages().contains("Error 1026")) << messages().toStdString();
    EXPECT_NE(nodeResult(model(), 2, Uz, 1), 0.0) << "case 1 keeps its results";
    EXPECT_EQ(nodeResult(model(), 2, Uz, 3), 0.0) << "case 3 is not solved";
    EXPECT_TRUE(log().contains("Solving load case: "));
    EXPECT_TRUE(noSwayLeft());
}

TEST_F(AStrakonDocumentSolveTest, AMemberOfZeroLengthIsNamedAsSuchAndNothingIsSolved) {
    column(model(), 400.0, 100.0);
    model().addNode(300.0, 0.0, "cm", 3);
    model().addNode(300.0, 0.0, "cm", 4);
    model().addElement(3, 4, 1, 1, 2);
    loadCase(model(), "P", omLoadCase::lsUltimate, 1.0);

    EXPECT_FALSE(doc->Solve());

    EXPECT_EQ(prompts.Beeps(), std::vector<UINT>({MB_ICONEXCLAMATION}));
    EXPECT_TRUE(messages().contains("Element 2 has zero length: its end nodes 3 and 4 lie at the same point."))
        << messages().toStdString();
    EXPECT_FALSE(messages().contains("mechanism")) << "the supports are not blamed";
    EXPECT_EQ(nodeResult(model(), 2, Uz, 1), 0.0);
}

// A material that runs out of memory while a tilted column is assembled.
class ExhaustedMaterial : public omMaterial {
public:
    explicit ExhaustedMaterial(const omNodeMap*& nodes)
        : omMaterial(kE, 0.0, 1.2e-5, 7850.0, 0.3, 1), m_nodes(nodes) {}
    omUnitValue E(double phi) const override {
        if (m_nodes && const_cast<omNodeMap*>(m_nodes)->find(2)->getCoor(Ux, omNode::coorSkew)->GetValue() != 0.0) throw std::bad_alloc();
        return omMaterial::E(phi);
    }
    omMaterial* clone() const override { return new ExhaustedMaterial(*this); }

private:
    const omNodeMap*& m_nodes;
};

TEST_F(AStrakonDocumentSolveTest, AnUnexpectedExceptionLeavesNoBarNoPaneAndNoOffsetsBehind) {
    const omNodeMap* watched = nullptr;
    column(model(), 400.0, 100.0, false, new ExhaustedMaterial(watched));
    loadCase(model(), "sway", omLoadCase::lsSkew, 1.0)
        ->setSkew(200.0, 0.0, omUnitValue(0.0, omUK_cm), omUnitValue(0.0, omUK_cm));
    loadCase(model(), "P", omLoadCase::lsUltimate, 1.0);
    watched = model().getNodeMap();

    EXPECT_THROW(doc->OnSolve(), std::bad_alloc);
    watched = nullptr;

    EXPECT_EQ(app.m_pActiveProgressBar, nullptr);
    for (QProgressBar* bar : holder->frame->GetWidget()->findChildren<QProgressBar*>())
        EXPECT_FALSE(bar->isVisible());
    EXPECT_TRUE(noSwayLeft());
}

TEST_F(AStrakonDocumentSolveTest, AReportFileThatCannotBeWrittenStillShowsThisRunsMessages) {
    const std::filesystem::path report = APath::TempPath("Report.txt");
    std::filesystem::remove_all(report);
    std::filesystem::create_directories(report / "blocked");
    const double h = 300.0;
    column(model(), h, 4.0 * std::numbers::pi * std::numbers::pi * kE * kI / (4.0 * h * h), true);
    loadCase(model(), "too much", omLoadCase::lsUltimate, 1.0);

    EXPECT_FALSE(doc->Solve());
    std::filesystem::remove_all(report);

    EXPECT_TRUE(messages().startsWith("Solving ...\n"));
    EXPECT_TRUE(messages().contains("Error 10")) << messages().toStdString();
    EXPECT_TRUE(messages().contains("could not be written")) << messages().toStdString();
}

} // namespace
