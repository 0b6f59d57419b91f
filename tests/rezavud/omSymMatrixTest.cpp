#include "rezavud/omSymMatrix.h"

#include <gtest/gtest.h>

#include <new>
#include <sstream>
#include <stdexcept>

namespace {
// 4 2 1 / 2 5 3 / 1 3 6
omSymMatrix sample() {
    omSymMatrix m(3);
    m(1, 1) = 4;
    m(2, 1) = 2;
    m(2, 2) = 5;
    m(3, 1) = 1;
    m(3, 2) = 3;
    m(3, 3) = 6;
    return m;
}
} // namespace

TEST(omSymMatrix, BothTrianglesReachThePackedLowerOne) {
    omSymMatrix m(3);
    EXPECT_EQ(m.size(), 3);
    EXPECT_EQ(m.solveSize(), 3);
    EXPECT_EQ(m.direct(5), 0);
    m.at(3, 1) = 7;
    EXPECT_EQ(&m.at(1, 3), &m.at(3, 1));
    EXPECT_EQ(&m.at(1, 3), &m.direct(3));
    EXPECT_EQ(&m.atC(0, 2), &m.direct(3));
    EXPECT_EQ(&m(2, 3), &m.direct(4));
    EXPECT_EQ(m.getColumn(2), &m.direct(3));
    EXPECT_EQ(m.getColumn(0), &m.direct(0));
    const omSymMatrix& c = m;
    EXPECT_EQ(c.at(1, 3), 7);
    EXPECT_EQ(c(3, 1), 7);
}

TEST(omSymMatrix, ResizeKeepsTheLeadingBlock) {
    omSymMatrix m = sample();
    EXPECT_EQ(m.resize(4), 10);
    EXPECT_EQ(m(3, 2), 3);
    EXPECT_EQ(m(4, 4), 0);
    EXPECT_EQ(m.resize(2), 3);
    EXPECT_EQ(m(2, 1), 2);
    EXPECT_EQ(m(2, 2), 5);
    EXPECT_EQ(m.resize(0), 0);
    EXPECT_THROW(m.resize(70000), std::bad_alloc) << "a triangle beyond the packed length is refused";
}

TEST(omSymMatrix, CopiesAreDeepAndComparisonsPacked) {
    omSymMatrix a = sample();
    omSymMatrix b(1);
    EXPECT_EQ(b.copy(a), 6);
    EXPECT_TRUE(a == b);
    b(3, 3) = 6.5;
    EXPECT_TRUE(a != b);
    EXPECT_FALSE(a < b);
    omSymMatrix larger = a;
    larger.setAllTo(100);
    EXPECT_TRUE(a < larger);
}

TEST(omSymMatrix, ScalarOperationsActOnEveryPackedElement) {
    omSymMatrix m = sample();
    m.multiply(2);
    m.divide(4);
    m.changeSign();
    EXPECT_EQ(m(3, 2), -1.5);
    m.add(sample());
    EXPECT_EQ(m(3, 2), 1.5);
    omSymMatrix small(2);
    small.setAllTo(1);
    m.add(small);
    EXPECT_EQ(m(2, 2), 3.5);
    EXPECT_EQ(m(3, 1), 0.5) << "adding a smaller matrix covers only its packed length";
}

TEST(omSymMatrix, MultipliesTheFullMatrixWithAVector) {
    const omSymMatrix m = sample();
    const double x[] = {1, 2, 3};
    omVector v(3, x);
    omVector result(7);
    m.multiply(v, result);
    EXPECT_EQ(result.size(), 3);
    EXPECT_EQ(result(1), 11);
    EXPECT_EQ(result(2), 21);
    EXPECT_EQ(result(3), 25);
    m.multiply(v, v);
    EXPECT_TRUE(v == result) << "the result may be the operand";
}

TEST(omSymMatrix, WritesTheFullMatrixRowByRow) {
    std::ostringstream os;
    os << sample();
    EXPECT_EQ(os.str(), "{ 1: { 4, 2, 1 },\n  2: { 2, 5, 3 },\n  3: { 1, 3, 6 } }\n");
    std::ostringstream one;
    one << omSymMatrix(1);
    EXPECT_EQ(one.str(), "{ 1: { 0 } }\n");
}

namespace {
// The sample with a profile: row 1 from column 0, row 2 from column 1; (3, 1) lies outside.
omSymMatrix profiledSample() {
    omSymMatrix m;
    m.setProfile(3, {0, 0, 1});
    m(1, 1) = 4;
    m(2, 1) = 2;
    m(2, 2) = 5;
    m(3, 2) = 3;
    m(3, 3) = 6;
    return m;
}
} // namespace

TEST(omSymMatrix, AProfileStoresEachRowFromItsFirstColumn) {
    omSymMatrix m = profiledSample();
    EXPECT_TRUE(m.hasProfile());
    EXPECT_EQ(m.size(), 3);
    EXPECT_EQ(m.storedSize(), 5);
    EXPECT_EQ(m.firstColumn(2), 1);
    EXPECT_EQ(&m.atC(2, 1), &m.direct(3));
    EXPECT_EQ(&m.getColumn(2)[1], &m.direct(3));
    EXPECT_EQ(&m.getColumn(2)[2], &m.direct(4));
    const omSymMatrix& c = m;
    EXPECT_EQ(c(3, 1), 0) << "outside the profile reads as 0";
    EXPECT_EQ(c(1, 3), 0);
    EXPECT_TRUE(m.profileIntact());
    m(3, 1) += 0.0;
    EXPECT_TRUE(m.profileIntact()) << "adding 0 outside the profile is harmless";
    m(1, 3) = 2.5;
    EXPECT_FALSE(m.profileIntact()) << "a value outside the profile would be lost";
}

TEST(omSymMatrix, RefusesAProfileThatDoesNotFitItsRows) {
    omSymMatrix m;
    EXPECT_THROW(m.setProfile(3, {0, 2, 1}), std::invalid_argument);
    EXPECT_THROW(m.setProfile(3, {0, 0}), std::invalid_argument);
    EXPECT_THROW(m.setProfile(2, {0, -1}), std::invalid_argument);
    m.setProfile(0, {});
    EXPECT_FALSE(m.hasProfile());
    EXPECT_EQ(m.size(), 0);
}

TEST(omSymMatrix, AProfileMatrixBehavesAsTheWholeTriangleOfItsValues) {
    omSymMatrix whole = sample();
    whole(3, 1) = 0;
    const omSymMatrix profiled = profiledSample();
    EXPECT_TRUE(profiled == whole);
    EXPECT_TRUE(whole == profiled);
    std::ostringstream a, b;
    a << profiled;
    b << whole;
    EXPECT_EQ(a.str(), b.str());

    const double x[] = {1, 2, 3};
    omVector v(3, x);
    omVector fromProfile, fromWhole;
    profiled.multiply(v, fromProfile);
    whole.multiply(v, fromWhole);
    EXPECT_TRUE(fromProfile == fromWhole);

    omSymMatrix sum = profiledSample();
    sum.add(whole);
    EXPECT_EQ(sum(3, 2), 6);
    EXPECT_EQ(sum(3, 1), 0);
    EXPECT_TRUE(sum.profileIntact());

    omSymMatrix grown = profiledSample();
    EXPECT_EQ(grown.resize(4), 10) << "a resize gives the whole triangle";
    EXPECT_FALSE(grown.hasProfile());
    EXPECT_EQ(grown(3, 2), 3);
    EXPECT_EQ(grown(4, 4), 0);
    omSymMatrix copied;
    copied.copy(profiled);
    EXPECT_EQ(copied.storedSize(), 5);
    EXPECT_TRUE(copied == profiled);
}

TEST(omSymMatrix, ReallocatingAProfileStartsFromZero) {
    omSymMatrix m = profiledSample();
    m.setProfile(3, {0, 1, 0});
    EXPECT_EQ(m.storedSize(), 5);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(m.direct(k), 0) << k;
    m.setAllTo(0.0);
    EXPECT_EQ(m(3, 1), 0);
}

TEST(omSymMatrix, TrailingRowsKeepOnlyTheirListedColumns) {
    // Rows 0 and 1 as a profile; row 2 keeps columns 0 and 2, row 3 columns 1 and 3.
    omSymMatrix m;
    m.setProfile(4, {0, 0, 0, 0}, {{0}, {1, 3}});
    EXPECT_EQ(m.listedFrom(), 2);
    EXPECT_EQ(m.storedSize(), 3 + 2 + 2);
    EXPECT_EQ(m.firstColumn(3), 1);
    m(3, 1) = 7;
    m(1, 3) += 1;
    m(4, 2) = 5;
    m(4, 4) = 9;
    m(3, 3) = 2;
    EXPECT_TRUE(m.profileIntact());
    const omSymMatrix& c = m;
    EXPECT_EQ(c(1, 3), 8);
    EXPECT_EQ(c(2, 4), 5);
    EXPECT_EQ(c(4, 3), 0) << "a column not listed reads as 0";
    EXPECT_EQ(c(4, 1), 0);
    std::ostringstream os;
    os << m;
    EXPECT_EQ(os.str(),
              "{ 1: { 0, 0, 8, 0 },\n  2: { 0, 0, 0, 5 },\n  3: { 8, 0, 2, 0 },\n  4: { 0, 5, 0, 9 } }\n");
    m(4, 3) = 1;
    EXPECT_FALSE(m.profileIntact());

    EXPECT_THROW(m.setProfile(3, {0, 0, 0}, {{1, 0}}), std::invalid_argument) << "not ascending";
    EXPECT_THROW(m.setProfile(3, {0, 0, 0}, {{3}}), std::invalid_argument) << "beyond the row";
    EXPECT_THROW(m.setProfile(2, {0, 0}, {{0}, {1}, {2}}), std::invalid_argument);
}
