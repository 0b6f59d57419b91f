#include "rezavud/omVector.h"

#include "rezavud/omMatrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <sstream>
#include <vector>

namespace {
omVector vec(std::initializer_list<double> values) {
    return omVector(static_cast<int>(values.size()), std::data(values));
}

std::vector<double> values(const omVector& v) {
    const double* p = v;
    return std::vector<double>(p, p + v.size());
}
} // namespace

TEST(omVector, ConstructionGivesZerosCopiesOrARange) {
    omVector empty;
    EXPECT_EQ(empty.size(), 0);
    EXPECT_EQ(static_cast<const double*>(empty), nullptr);
    EXPECT_EQ(values(omVector(3)), (std::vector<double>{0, 0, 0}));

    omVector v = vec({1, 2, 3, 4});
    omVector copy(v);
    copy(1) = 9;
    EXPECT_EQ(v(1), 1) << "a copy owns its own elements";

    EXPECT_EQ(values(omVector(v, 2, 2)), (std::vector<double>{2, 3}));
    EXPECT_EQ(values(omVector(v, 3, 10)), (std::vector<double>{3, 4})) << "count cut at the source's end";
    EXPECT_EQ(omVector(v, 5, 1).size(), 0);
}

TEST(omVector, BothIndexConventionsReachTheSameElements) {
    omVector v = vec({10, 20, 30});
    EXPECT_EQ(v(2), 20);
    EXPECT_EQ(v.at(2), 20);
    EXPECT_EQ(v.atC(1), 20);
    EXPECT_EQ(v[1], 20);
    v.at(3) = 5;
    EXPECT_EQ(v[2], 5);
    const std::size_t k = 0;
    EXPECT_EQ(v[k], 10);
}

TEST(omVector, ResizeKeepsLeadingValuesAndZeroFillsNewPlaces) {
    omVector v = vec({1, 2, 3});
    const double* before = v;
    EXPECT_EQ(v.resize(3), 3);
    EXPECT_EQ(static_cast<const double*>(v), before) << "same size changes nothing";
    EXPECT_EQ(v.resize(5), 5);
    EXPECT_EQ(values(v), (std::vector<double>{1, 2, 3, 0, 0}));
    v.resize(2);
    v.resize(3);
    EXPECT_EQ(values(v), (std::vector<double>{1, 2, 0})) << "values never survive a shrink";
    EXPECT_EQ(v.resize(0), 0);
    EXPECT_EQ(static_cast<const double*>(v), nullptr);
}

TEST(omVector, CopyAndAbsCopyTakeTheOtherSize) {
    omVector v = vec({1, 2});
    omVector w = vec({-3, 4, -5});
    EXPECT_EQ(v.copy(w), 3);
    EXPECT_EQ(values(v), values(w));
    EXPECT_EQ(v.absCopy(w), 3);
    EXPECT_EQ(values(v), (std::vector<double>{3, 4, 5}));
    v = omVector();
    EXPECT_EQ(v.size(), 0);
}

TEST(omVector, GetFromCutsCountBySourceThenByTargetUnlessGrowing) {
    const omVector src = vec({1, 2, 3, 4});
    struct Case {
        int targetSize, from, count, to;
        bool grow;
        int moved;
        std::vector<double> result;
    };
    const Case cases[] = {
        {2, 2, 10, 1, false, 2, {2, 3}},         {2, 2, 10, 1, true, 3, {2, 3, 4}},
        {5, 1, 2, 4, false, 2, {0, 0, 0, 1, 2}}, {3, 1, 0, 1, true, 0, {0, 0, 0}},
        {3, 5, 2, 1, true, 0, {0, 0, 0}},        {1, 1, 3, 3, true, 3, {0, 0, 1, 2, 3}},
    };
    for (const Case& c : cases) {
        omVector target(c.targetSize);
        EXPECT_EQ(target.getFrom(src, c.from, c.count, c.to, c.grow), c.moved)
            << c.from << "," << c.count << "," << c.to;
        EXPECT_EQ(values(target), c.result) << c.from << "," << c.count << "," << c.to;
    }
    omVector dst(2);
    EXPECT_EQ(src.putInto(dst, 1, 10, 2, true), 3);
    EXPECT_EQ(values(dst), (std::vector<double>{2, 3, 4}));
}

TEST(omVector, GetFromWithinOneVectorHandlesOverlap) {
    omVector v = vec({1, 2, 3, 4, 5});
    EXPECT_EQ(v.getFrom(v, 1, 4, 2, false), 4);
    EXPECT_EQ(values(v), (std::vector<double>{1, 1, 2, 3, 4}));
}

TEST(omVector, AddAtAddsWhatBothVectorsHold) {
    omVector v = vec({1, 1, 1});
    v.addAt(vec({10, 20, 30}), 2, 5, 2);
    EXPECT_EQ(values(v), (std::vector<double>{1, 21, 31}));
    v.addAt(vec({10}), 1, -1, 1);
    EXPECT_EQ(values(v), (std::vector<double>{1, 21, 31}));
}

TEST(omVector, RemoveClosesTheGap) {
    omVector v = vec({1, 2, 3, 4, 5});
    v.remove(2, 4);
    EXPECT_EQ(values(v), (std::vector<double>{1, 4, 5}));
    v.remove(3, 4);
    EXPECT_EQ(values(v), (std::vector<double>{1, 4}));
    v.remove(2, 2);
    EXPECT_EQ(values(v), (std::vector<double>{1, 4}));
}

TEST(omVector, ArithmeticWorksOverTheSmallerSize) {
    omVector v = vec({1, 2, 3});
    v.add(vec({10, 10}));
    EXPECT_EQ(values(v), (std::vector<double>{11, 12, 3}));
    v.subtract(vec({1, 2, 3, 4}));
    EXPECT_EQ(values(v), (std::vector<double>{10, 10, 0}));

    omVector s;
    EXPECT_EQ(s.sum(vec({1, 2, 3}), vec({1, 1})), 2);
    EXPECT_EQ(values(s), (std::vector<double>{2, 3}));
    EXPECT_EQ(s.difference(s, vec({1, 1, 1})), 2) << "an operand may be the result";
    EXPECT_EQ(values(s), (std::vector<double>{1, 2}));

    v = vec({2, -4});
    v.multiplyBy(3).divideBy(2).changeSign();
    EXPECT_EQ(values(v), (std::vector<double>{-3, 6}));
    v.setAllTo(7);
    EXPECT_EQ(values(v), (std::vector<double>{7, 7}));
    v = vec({3, 4});
    v.normalize();
    EXPECT_DOUBLE_EQ(v[0], 0.6);
    EXPECT_DOUBLE_EQ(v[1], 0.8);
}

TEST(omVector, MultiplyByAMatrixTakesItsRowCount) {
    const double m[] = {1, 2, 3, 4, 5, 6};
    omMatrix a(3, 2, m);
    omVector v = vec({1, 10});
    EXPECT_EQ(v.multiply(a, v), 3) << "the vector may be its own operand";
    EXPECT_EQ(values(v), (std::vector<double>{21, 43, 65}));
    omSubMatrix lastRow(a, 3, 1, 1, 2);
    omVector w;
    w.multiply(lastRow, vec({1, 1}));
    EXPECT_EQ(values(w), (std::vector<double>{11}));
}

TEST(omVector, NormsAndProducts) {
    const omVector v = vec({-7, 3});
    EXPECT_EQ(v.norm(normMax), 7);
    EXPECT_EQ(v.norm(normSum), 10);
    EXPECT_DOUBLE_EQ(v.norm(normEuclidean), std::sqrt(58.0));
    EXPECT_DOUBLE_EQ(v.norm(static_cast<NormType>(3)), std::sqrt(58.0));
    EXPECT_EQ(v.norm(static_cast<NormType>(4)), 0.0);
    EXPECT_EQ(v.norm(static_cast<NormType>(-1)), 0.0);
    EXPECT_EQ(v.scalarProduct(vec({1, 2, 99})), -1);
    EXPECT_EQ(omVector().norm(normMax), 0.0);
    EXPECT_EQ(omVector().scalarProduct(v), 0.0);
    EXPECT_EQ(vec({3, 4}).abs(), 5);
}

TEST(omVector, SearchesFindTheFirstExtremeWithinTheSinglePrecisionBound) {
    omVector v = vec({5, 1, 1, 9, 9});
    EXPECT_EQ(v.indexOfMinElementC(), 1);
    EXPECT_EQ(v.indexOfMinElement(), 2);
    EXPECT_EQ(v.indexOfMaxElement(), 4);
    v.findMin() = -1;
    EXPECT_EQ(v[1], -1);
    EXPECT_EQ(v.findMax(), 9);

    EXPECT_EQ(omVector().indexOfMinElementC(), -1);
    EXPECT_EQ(omVector().indexOfMinElement(), 0);
    EXPECT_EQ(omVector().indexOfMaxElement(), 0);
    EXPECT_EQ(vec({1e39, 4e38}).indexOfMinElementC(), -1);
    EXPECT_EQ(vec({-1e39}).indexOfMaxElement(), 0);
}

TEST(omVector, ComparisonsAreExactAndRunOverThisVectorsSize) {
    const omVector a = vec({1, 2, 3});
    EXPECT_TRUE(a == vec({1, 2, 3}));
    EXPECT_TRUE(a != vec({1, 2}));
    EXPECT_TRUE(a != vec({1, 2, 3.0000000001}));
    EXPECT_TRUE(a.isPartlyEqual(vec({1, 2, 4}), 2));
    EXPECT_FALSE(a.isPartlyEqual(vec({1, 2}), 3));
    EXPECT_TRUE(a.isPartlyEqual(omVector(), 0));

    EXPECT_TRUE(a < vec({2, 3, 4, -100}));
    EXPECT_FALSE(a < vec({2, 2, 4}));
    EXPECT_TRUE(a.lessOrEqual(vec({1, 2, 3})));
    EXPECT_TRUE(a > vec({0, 1, 2}));
    EXPECT_TRUE(a.greaterOrEqual(vec({1, 2, 3})));
    EXPECT_FALSE(a.greaterOrEqual(vec({1, 2, 4})));
    EXPECT_TRUE(omVector() < a);
    EXPECT_TRUE(omVector() > a);

    EXPECT_TRUE(omVector(4).isNull());
    EXPECT_TRUE(omVector().isNull());
    EXPECT_FALSE(vec({0, 1e-300}).isNull());
}

TEST(omVector, WritesBracedSizeAndValues) {
    std::ostringstream os;
    os << vec({1, 2.5, -3}) << '|' << omVector();
    EXPECT_EQ(os.str(), "{ 3: 1, 2.5, -3 }|{ 0:  }");
}

TEST(omVector, ReadsValuesSeparatedByWhiteSpace) {
    omVector v = vec({9});
    std::istringstream is(" { 3 :\n 1.5 -2\t3e2 ");
    is >> v;
    EXPECT_TRUE(is.eof() && !is.fail());
    EXPECT_EQ(values(v), (std::vector<double>{1.5, -2, 300}));

    std::istringstream zero("{ 0: }");
    zero >> v;
    EXPECT_EQ(v.size(), 3) << "a size of 0 leaves the vector unchanged";

    std::istringstream twoInARow("{2: 1 2} {1: 7}");
    omVector a, b;
    twoInARow >> a;
    twoInARow.ignore(1);
    twoInARow >> b;
    EXPECT_EQ(values(a), (std::vector<double>{1, 2}));
    EXPECT_EQ(values(b), (std::vector<double>{7}));
}

TEST(omVector, InputEndingRightAfterTheLastValueIsARead) {
    const struct {
        const char* text;
        std::vector<double> expected;
    } cases[] = {
        {"{ 2: 1.5 2.5", {1.5, 2.5}},
        {"{ 1: -7", {-7}},
        {"{1:1e3\n", {1000}},
    };
    for (const auto& c : cases) {
        omVector v = vec({5, 6, 7});
        std::istringstream is(c.text);
        is >> v;
        EXPECT_FALSE(is.fail()) << c.text;
        EXPECT_TRUE(is.eof()) << c.text;
        EXPECT_EQ(values(v), c.expected) << c.text;
    }
    // Nothing after the size is no read at all, and the vector stays.
    omVector kept = vec({5});
    std::istringstream cut("{ 2:");
    cut >> kept;
    EXPECT_TRUE(cut.fail());
    EXPECT_EQ(values(kept), (std::vector<double>{5}));
}

TEST(omVector, MalformedInputFailsTheStreamAndKeepsTheVector) {
    for (const char* text : {"{ 3: 1, 2, 3 }", "{ 4: 1 2 3", "{ -2: 1 2", "{ 2000000000: 1 2", "{ x: 1"}) {
        omVector v = vec({5, 6});
        std::istringstream is(text);
        is >> v;
        EXPECT_TRUE(is.fail()) << text;
        EXPECT_EQ(values(v), (std::vector<double>{5, 6})) << text;
    }
}

TEST(omVector, KeepsItsStorageInterfacePointer) {
    auto* si = reinterpret_cast<ABaseStorageInterface*>(0x20);
    omVector::InitializeStorageInterface(si);
    const AStorageBase& base = omVector(2);
    EXPECT_EQ(base.GetStorageInterface(), si);
    omVector::InitializeStorageInterface(nullptr);
}
