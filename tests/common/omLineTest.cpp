#include "common/omLine.h"

#include <gtest/gtest.h>

#include <numbers>

namespace {
constexpr double pi = std::numbers::pi;

struct IntersectionCase {
    const char* what;
    omLine a, b;
    int flags;
    omPoint point;
};
} // namespace

TEST(omLine, IntersectionFlagsTellWhereTheCrossingLies) {
    const IntersectionCase cases[] = {
        {"inside both", {0, 0, 4, 0}, {2, -1, 2, 1}, 7, {2, 0}},
        {"inside this only", {0, 0, 4, 0}, {2, 1, 2, 3}, 3, {2, 0}},
        {"inside the other only", {0, 0, 1, 0}, {2, -1, 2, 1}, 5, {2, 0}},
        {"outside both", {0, 0, 1, 0}, {2, 1, 2, 3}, 1, {2, 0}},
        {"at a shared end", {0, 0, 4, 4}, {4, 4, 8, 0}, 7, {4, 4}},
        {"at the other's end", {0, 0, 4, 0}, {1, 0, 1, 5}, 7, {1, 0}},
        {"oblique", {0, 0, 2, 2}, {0, 2, 2, 0}, 7, {1, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        omPoint p(-99, -99);
        EXPECT_EQ(c.a.intersection(c.b, p), c.flags);
        EXPECT_NEAR(p.x, c.point.x, 1e-12);
        EXPECT_NEAR(p.y, c.point.y, 1e-12);
    }
    // No single crossing: parallel, on one another, or a line without length.
    const omLine base(0, 0, 4, 0);
    for (const omLine& other : {omLine(0, 1, 4, 1), omLine(1, 0, 6, 0), omLine(2, -1, 2, -1)}) {
        omPoint p(-99, -99);
        EXPECT_EQ(base.intersection(other, p), 0);
        EXPECT_EQ(p, omPoint(-99, -99));
    }
}

TEST(omLine, PositionsAlongTheLine) {
    const omLine l(1, 1, 5, 4);
    EXPECT_EQ(l.length(), 5.0);
    EXPECT_EQ(l.at(0), omPoint(1, 1));
    EXPECT_EQ(l.at(1), omPoint(5, 4));
    EXPECT_EQ(l.at(0.5), omPoint(3, 2.5));
    EXPECT_EQ(l.at(-1), omPoint(-3, -2));
    EXPECT_DOUBLE_EQ(l.scalar({5, 4}), 1.0);
    EXPECT_DOUBLE_EQ(l.scalar({0, 6.5}), 0.5);
    // (0, 6.5) lies 5 to the left of the middle (3, 2.5).
    const omPoint foot = l.perpendicular({0, 6.5});
    EXPECT_NEAR(foot.x, 3.0, 1e-12);
    EXPECT_NEAR(foot.y, 2.5, 1e-12);
    EXPECT_NEAR(l.distance({0, 6.5}), 5.0, 1e-12);
    EXPECT_EQ(omLine(2, 2, 2, 2).scalar({5, 5}), 0.0);
}

TEST(omLine, AngleRunsFromZeroToTwoPi) {
    const std::pair<omLine, double> cases[] = {
        {{0, 0, 1, 0}, 0.0},         {{0, 0, 0, 1}, pi / 2},      {{0, 0, -1, 0}, pi},
        {{0, 0, 0, -1}, 3 * pi / 2}, {{0, 0, 1, -1}, 7 * pi / 4}, {{3, 3, 3, 3}, 0.0},
    };
    for (const auto& [line, angle] : cases) {
        EXPECT_NEAR(line.angle(), angle, 1e-15);
        EXPECT_LT(line.angle(), 2 * pi);
    }
}

TEST(omLine, MovePerpendicularShiftsToTheLeft) {
    omLine l(0, 0, 2, 0);
    l.movePerpendicular(1.5);
    EXPECT_EQ(l, omLine(0, 1.5, 2, 1.5));
    l.movePerpendicular(-3);
    EXPECT_EQ(l, omLine(0, -1.5, 2, -1.5));
    omLine up(1, 0, 1, 5);
    up.movePerpendicular(2);
    EXPECT_EQ(up, omLine(-1, 0, -1, 5));
}

TEST(omLine, IsInLineTellsLineAndSegment) {
    const omLine l(0, 0, 10, 10);
    EXPECT_EQ(l.isInLine({5, 5}), 3);
    EXPECT_EQ(l.isInLine({0, 0}), 3);
    EXPECT_EQ(l.isInLine({10, 10}), 3);
    EXPECT_EQ(l.isInLine({11, 11}), 1);
    EXPECT_EQ(l.isInLine({5, 5.01}), 0);
    // A point computed on the line counts despite rounding.
    EXPECT_EQ(omLine(0.1, 0.2, 0.7, 1.3).isInLine(omLine(0.1, 0.2, 0.7, 1.3).at(1.0 / 3)), 3);
}
