#include "app/design/InteractionDiagram.h"

#include "DesignFixtures.h"
#include "app/design/DesignFactor.h"
#include "app/design/UltFuncEC2.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace designtest;

InteractionDiagram polygon(std::initializer_list<std::pair<double, double>> points) {
    InteractionDiagram d;
    for (const auto& [M, N] : points)
        d.AddPoint({M, N, 0.0, 0.0});
    return d;
}

TEST(InteractionDiagram, PointsOfTheSameMomentAreDroppedAndBoundsHoldTheOrigin) {
    InteractionDiagram d;
    EXPECT_TRUE(d.AddPoint({5.0, 10.0, 0.0, 0.0}));
    EXPECT_FALSE(d.AddPoint({5.0, -10.0, 0.0, 0.0}));
    EXPECT_TRUE(d.AddPoint({6.0, 20.0, 0.0, 0.0}));
    EXPECT_EQ(d.getPoints().size(), 2u);
    EXPECT_EQ(d.getMinM(), 0.0);
    EXPECT_EQ(d.getMaxM(), 6.0);
    EXPECT_EQ(d.getMinN(), 0.0);
    EXPECT_EQ(d.getMaxN(), 20.0);
    d.Reset();
    EXPECT_TRUE(d.getPoints().empty());
    EXPECT_EQ(d.getMaxN(), 0.0);
}

// A triangle around the origin: rays through its corners meet two edges at
// their common end.
TEST(InteractionDiagram, UtilisationIsTheRatioAlongTheRay) {
    const InteractionDiagram d = polygon({{1.0, 0.0}, {0.0, 1.0}, {-1.0, -1.0}});
    struct Case {
        double M, N, u;
    };
    const Case cases[] = {
        {1.0, 0.0, 1.0},   {0.5, 0.0, 0.5},   {2.0, 0.0, 2.0},  {0.0, 1.0, 1.0},   {-1.0, -1.0, 1.0},
        {0.25, 0.25, 0.5}, {-0.5, -0.5, 0.5}, {0.0, -0.5, 1.0}, {0.0, -0.25, 0.5}, {0.0, 0.0, 0.0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(d.Utilisation(c.M, c.N), c.u, 1e-12) << c.M << ", " << c.N;
}

// Before the sound check a missed ray read 0, a pass.
TEST(InteractionDiagram, PairsThatCannotBeMeasuredFail) {
    // The origin lies outside this square: rays away from it meet no edge.
    const InteractionDiagram outside = polygon({{1.0, 1.0}, {2.0, 1.0}, {2.0, 2.0}, {1.0, 2.0}});
    EXPECT_EQ(outside.Utilisation(-1.0, -1.0), designNotVerified);
    EXPECT_NEAR(outside.Utilisation(3.0, 3.0), 3.0, 1e-12) << "through the near corner";
    const InteractionDiagram flat = polygon({{1.0, 0.0}, {-1.0, 0.0}});
    EXPECT_EQ(flat.Utilisation(0.5, 0.0), designNotVerified);
    EXPECT_EQ(InteractionDiagram().Utilisation(1.0, 1.0), designNotVerified);
    EXPECT_EQ(InteractionDiagram().Utilisation(0.0, 0.0), 0.0);
}

class SectionDiagram : public ::testing::Test {
protected:
    void SetUp() override { useDefaultFactors(); }
    std::unique_ptr<omConcrete> concrete{newC30()};
    std::unique_ptr<omRCSteel> steel{newB500()};
};

TEST_F(SectionDiagram, TheColumnsVerticesLieOnTheBoundary) {
    const omCrossSectionRect section(40.0, 40.0, omUK_cm, 2);
    UltFuncEC2 f(&section, concrete.get(), steel.get());
    f.SetParameters(0, barArea(2, 2.0), barArea(2, 2.0), 5.0, 5.0, 0.0, 0.0);
    InteractionDiagram d;
    d.Build(f);
    // Pure tension first; the symmetric section's pure compression has M 0 too
    // but is not next to it.
    ASSERT_FALSE(d.getPoints().empty());
    EXPECT_NEAR(d.getPoints().front().N, 546.36, 0.1);
    EXPECT_NEAR(d.getMaxN(), 546.36, 0.1);
    EXPECT_NEAR(d.getMinN(), -3201.3, 3.2);
    const InteractionDiagram::Point* vertex = nullptr;
    for (const auto& p : d.getPoints())
        if (p.epsTop == -0.0035 && std::fabs(p.epsBottom - 0.002) < 1e-12) vertex = &p;
    ASSERT_NE(vertex, nullptr);
    EXPECT_NEAR(vertex->N, -1237.2, 1.3);
    EXPECT_NEAR(vertex->M, 20870.0, 21.0);
    EXPECT_NEAR(d.Utilisation(vertex->M, vertex->N), 1.0, 1e-9);
    EXPECT_NEAR(d.Utilisation(vertex->M / 2, vertex->N / 2), 0.5, 1e-9);
    EXPECT_NEAR(d.Utilisation(-vertex->M, vertex->N), 1.0, 1e-2) << "the section is symmetric";
    for (std::size_t i = 1; i < d.getPoints().size(); ++i)
        EXPECT_NE(d.getPoints()[i].M, d.getPoints()[i - 1].M);
}

TEST_F(SectionDiagram, TheBeamsBendingUtilisationIsReadFromThePolygon) {
    const omCrossSectionRect section(50.0, 30.0, omUK_cm, 1);
    UltFuncEC2 f(&section, concrete.get(), steel.get());
    f.SetParameters(0, barArea(3, 2.0), barArea(2, 1.0), 4.0, 3.5, 0.0, 0.0);
    InteractionDiagram d;
    d.Build(f);
    EXPECT_NEAR(d.Utilisation(10000.0, 0.0), 0.5744, 0.0005);
    // Hogging, the two bars of 10 mm carry about 31 kNm.
    EXPECT_NEAR(d.Utilisation(-10000.0, 0.0), 3.1, 0.1);
    EXPECT_EQ(d.Utilisation(0.0, 0.0), 0.0);
}

} // namespace
