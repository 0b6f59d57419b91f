// The cross-section base (variables, rounding, integration pieces, the log
// report) and the five parametric shapes behind its interface.
#include "model/omCrossSectionBox.h"
#include "model/omCrossSectionCircle.h"
#include "model/omCrossSectionIDS.h"
#include "model/omCrossSectionRect.h"
#include "model/omCrossSectionT.h"
#include "model/omCrossSectionTube.h"
#include "model/omGenericCrossSection.h"

#include "CapturedLog.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <functional>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

namespace {

using std::numbers::pi;

std::unique_ptr<omCrossSectionRect> rect(double h, double b, unsigned id = 1) {
    return std::make_unique<omCrossSectionRect>(h, b, omUK_cm, id);
}
std::unique_ptr<omCrossSectionCircle> circle(double d) {
    return std::make_unique<omCrossSectionCircle>(d, omUK_cm, 1);
}
std::unique_ptr<omCrossSectionT> tee(double h, double b, double tw, double tf) {
    return std::make_unique<omCrossSectionT>(omUnitValue(h, omUK_cm), omUnitValue(b, omUK_cm),
                                             omUnitValue(tw, omUK_cm), omUnitValue(tf, omUK_cm), 1);
}
std::unique_ptr<omCrossSectionTube> tube(double D, double t) {
    auto s = std::make_unique<omCrossSectionTube>(1);
    s->setVariable(1, omUnitValue(D, omUK_cm));
    s->setVariable(2, omUnitValue(t, omUK_cm));
    return s;
}
std::unique_ptr<omCrossSectionBox> box(double h, double b, double tw, double tf, double of, double w) {
    auto s = std::make_unique<omCrossSectionBox>(1);
    const double v[] = {h, b, tw, tf, of, w};
    for (unsigned i = 1; i <= 6; ++i)
        s->setVariable(i, omUnitValue(v[i - 1], omUK_cm));
    return s;
}

// The integral of the chord 2*sqrt(R^2 - z^2) times z^n from z1 to z2, by
// Simpson's rule over z = R sin(t), where the integrand is smooth.
double discByQuadrature(double R, double z1, double z2, int n) {
    const double t1 = std::asin(z1 / R), t2 = std::asin(z2 / R);
    const int steps = 2000;
    const double dt = (t2 - t1) / steps;
    auto f = [&](double t) { return 2.0 * R * R * std::cos(t) * std::cos(t) * std::pow(R * std::sin(t), n); };
    double sum = f(t1) + f(t2);
    for (int k = 1; k < steps; ++k)
        sum += (k % 2 ? 4.0 : 2.0) * f(t1 + k * dt);
    return sum * dt / 3.0;
}

// --- variables and the base's own operations ---------------------------------

TEST(CrossSection, IdNameJoinsNumberAndName) {
    auto s = rect(20, 10, 3);
    s->setName("B1");
    EXPECT_EQ(s->getIdName(true, true), "3: B1");
    EXPECT_EQ(s->getIdName(true, false), "3");
    EXPECT_EQ(s->getIdName(false, true), "B1");
    EXPECT_EQ(s->getIdName(false, false), "");
    s->setName(std::string(300, 'x'));
    EXPECT_EQ(s->getIdName(true, true).size(), 199u);
}

TEST(CrossSection, DefaultVariableHasNoRangeAndCentimetres) {
    omCSVariable v;
    EXPECT_EQ(v.name(), "N/A");
    EXPECT_EQ(v.description(), "N/A");
    EXPECT_EQ(v.lower(), 0.0);
    EXPECT_EQ(v.upper(), 0.0);
    EXPECT_EQ(v.step(), 0.0);
    EXPECT_TRUE(v.values().empty());
    EXPECT_EQ(v.value().GetKey(), omUK_cm);
    EXPECT_EQ(double(v), 0.0);
}

TEST(CrossSection, VariablesAreReadInCentimetresWhateverTheirUnit) {
    omCrossSectionRect s(200.0, 100.0, omUK_mm, 1);
    EXPECT_DOUBLE_EQ(s.height(), 20.0);
    EXPECT_DOUBLE_EQ(s.breadth(omUK_mm), 100.0);
    s.setVariable(2, 0.15, "m");
    EXPECT_DOUBLE_EQ(s.breadth(), 15.0);
    EXPECT_DOUBLE_EQ(s.A(), 300.0);
    const omVector v = s.variables();
    ASSERT_EQ(v.size(), 2);
    EXPECT_DOUBLE_EQ(v(1), 20.0);
    EXPECT_DOUBLE_EQ(v(2), 15.0);
}

TEST(CrossSection, SetVariablesNeedsOneValuePerVariable) {
    auto s = rect(20, 10);
    EXPECT_FALSE(s->setVariables(omVector(1)));
    EXPECT_FALSE(s->setVariables(omVector(3)));
    EXPECT_DOUBLE_EQ(s->height(), 20.0);
    EXPECT_DOUBLE_EQ(s->breadth(), 10.0);
    const double values[] = {40.0, 25.0};
    EXPECT_TRUE(s->setVariables(omVector(2, values)));
    EXPECT_DOUBLE_EQ(s->height(), 40.0);
    EXPECT_DOUBLE_EQ(s->breadth(), 25.0);
}

TEST(CrossSection, LowerUpperGivesTheVariablesBounds) {
    omCrossSectionBox s(1);
    double lo = -1, up = -1;
    EXPECT_TRUE(s.lowerUpper(5, omVector(), lo, up));
    EXPECT_EQ(lo, 0.0);
    EXPECT_EQ(up, 100.0);
}

TEST(CrossSection, CopyTakesNumberNameColourAndVariables) {
    auto s = rect(20, 10, 4);
    s->setName("R");
    s->setColor(0x123456);
    s->setStep(1, 2.5);
    std::unique_ptr<omCrossSection> c(s->clone());
    ASSERT_NE(dynamic_cast<omCrossSectionRect*>(c.get()), nullptr);
    EXPECT_EQ(c->getIndex(), 4u);
    EXPECT_EQ(c->name(), "R");
    EXPECT_EQ(c->color(), 0x123456u);
    EXPECT_EQ(c->step(1), 2.5);
    EXPECT_EQ(c->name(2), "b");
    c->setVariable(1, omUnitValue(99.0, omUK_cm));
    EXPECT_DOUBLE_EQ(s->height(), 20.0);

    omCrossSectionRect other(7);
    other = *s;
    EXPECT_EQ(other.getIndex(), 4u);
    EXPECT_DOUBLE_EQ(other.A(), 200.0);
}

// --- rounding ------------------------------------------------------------------

struct StepCase {
    double step, x, up, down;
};

TEST(CrossSection, RoundingToAStep) {
    const StepCase cases[] = {
        {0.2, 15.1, 15.2, 15.0}, {0.2, 15.2, 15.2, 15.2},    {0.2, 15.3, 15.4, 15.2},
        {0.2, 0.0, 0.0, 0.0},    {0.2, -15.1, -15.0, -15.2}, {0.5, 20.0000001, 20.5, 20.0},
        {0.0, 15.3, 15.3, 15.3}, {0.05, 0.35, 0.35, 0.35},   {0.1, 0.3, 0.3, 0.3},
    };
    auto s = rect(20, 10);
    for (const StepCase& c : cases) {
        s->setStep(1, c.step);
        EXPECT_NEAR(s->roundUp(1, c.x), c.up, 1e-12) << "step " << c.step << " x " << c.x;
        EXPECT_NEAR(s->roundDown(1, c.x), c.down, 1e-12) << "step " << c.step << " x " << c.x;
    }
}

// Values on the grid, typed as decimals or multiplied out, stay where they are:
// without a tolerance many of them would lose or gain a whole step.
TEST(CrossSection, ValuesOnTheStepGridStayPut) {
    auto s = rect(20, 10);
    for (double step : {0.05, 0.1, 0.2, 0.5}) {
        s->setStep(1, step);
        for (int k = 1; k <= 3000; ++k) {
            const double product = k * step;
            char text[32];
            const auto r = std::to_chars(text, text + sizeof text, product, std::chars_format::fixed, 2);
            double typed = 0;
            std::from_chars(text, r.ptr, typed);
            for (double x : {product, typed}) {
                ASSERT_NEAR(s->roundUp(1, x), x, 1e-9) << step << " * " << k;
                ASSERT_NEAR(s->roundDown(1, x), x, 1e-9) << step << " * " << k;
            }
        }
    }
}

TEST(CrossSection, RoundingToAListOfValues) {
    auto s = rect(20, 10);
    s->setStep(1, 0.2); // the list takes the step's place
    const double list[] = {0.4, 0.5, 0.6};
    s->setValues(1, list, 3);
    EXPECT_EQ(s->values(1), (std::vector<double>{0.4, 0.5, 0.6}));
    EXPECT_EQ(s->roundUp(1, 0.45), 0.5);
    EXPECT_EQ(s->roundUp(1, 0.5), 0.5);
    EXPECT_EQ(s->roundUp(1, 0.7), 0.0);
    EXPECT_EQ(s->roundDown(1, 0.45), 0.4);
    EXPECT_EQ(s->roundDown(1, 0.6), 0.6);
    EXPECT_EQ(s->roundDown(1, 0.3), 0.0);
}

// --- integration pieces ------------------------------------------------------

TEST(CrossSection, StripIntegralsMatchClosedForms) {
    const omCSStrip strip{2.0, -5.0, 5.0};
    EXPECT_DOUBLE_EQ(strip.integrate(0, 10, 1), 25.0);
    EXPECT_DOUBLE_EQ(strip.integrate(-10, 10, 0), 20.0);
    EXPECT_DOUBLE_EQ(strip.integrate(-10, 10, 1), 0.0);
    EXPECT_DOUBLE_EQ(strip.integrate(-10, 10, 2), 2.0 * 1000.0 / 12.0);
    EXPECT_DOUBLE_EQ(strip.integrate(-5, 5, 3), 0.0);
    EXPECT_DOUBLE_EQ(strip.integrate(1, 3, 4), 2.0 * (243.0 - 1.0) / 5.0);
    EXPECT_EQ(strip.integrate(6, 10, 0), 0.0);
    EXPECT_EQ(strip.integrate(-10, -6, 0), 0.0);
    EXPECT_EQ(strip.integrate(-5, 5, 5), 0.0);
    EXPECT_EQ(strip.integrate(-5, 5, -1), 0.0);
}

TEST(CrossSection, DiscIntegralsMatchClosedForms) {
    const double R = 3.0;
    const omCSDisc disc{R};
    EXPECT_NEAR(disc.integrate(-R, R, 0), pi * R * R, 1e-12);
    EXPECT_NEAR(disc.integrate(-R, 0, 0), pi * R * R / 2.0, 1e-12);
    EXPECT_NEAR(disc.integrate(-R, R, 1), 0.0, 1e-12);
    EXPECT_NEAR(disc.integrate(-R, R, 2), pi * std::pow(R, 4) / 4.0, 1e-10);
    EXPECT_NEAR(disc.integrate(-R, R, 3), 0.0, 1e-10);
    EXPECT_NEAR(disc.integrate(-R, R, 4), pi * std::pow(R, 6) / 8.0, 1e-9);
    EXPECT_NEAR(disc.integrate(0.2 * R, 0.7 * R, 0), 0.87798 * R * R, 1e-4);
    // Limits beyond the disc are clamped to it; slices outside it are empty.
    EXPECT_NEAR(disc.integrate(-10, 10, 0), pi * R * R, 1e-12);
    EXPECT_EQ(disc.integrate(R + 1, R + 2, 0), 0.0);
    EXPECT_EQ(disc.integrate(-R, R, 5), 0.0);
}

TEST(CrossSection, DiscSlicesAgreeWithQuadrature) {
    const double R = 2.5;
    const omCSDisc disc{R};
    const double slices[][2] = {{-2.5, 2.5}, {-2.0, -0.5}, {-0.3, 1.7}, {1.0, 2.5}, {2.2, 2.4}};
    for (const auto& s : slices)
        for (int n = 0; n <= 4; ++n)
            EXPECT_NEAR(disc.integrate(s[0], s[1], n), discByQuadrature(R, s[0], s[1], n), 1e-9)
                << "slice " << s[0] << ".." << s[1] << " power " << n;
}

// --- the shapes --------------------------------------------------------------

struct ShapeValues {
    const char* shape;
    std::function<std::unique_ptr<omCrossSection>()> make;
    double A, Iy, Wy, iy, Iz, Wz, Zy, Vz, zTop;
};

// Hand values: the T from its flange and web as separate rectangles, the box
// from its flanges and webs, the others from the textbook formulas.
const std::vector<ShapeValues>& shapeTable() {
    static const std::vector<ShapeValues> table = {
        {"rectangle 30 x 20", [] { return rect(30, 20); }, 600, 45000, 3000, std::sqrt(75.0), 20000, 2000,
         4500, 400, -15},
        {"circle 20", [] { return circle(20); }, 100 * pi, 2500 * pi, 250 * pi, 5, 2500 * pi, 250 * pi,
         8000.0 / 6.0, 100 * pi, -10},
        {"T 50 x 40, tw 8, tf 12", [] { return tee(50, 40, 8, 12); }, 784, 158667.863946, 10110.175986,
         14.226120, 65621.333333, 3281.066667, 0, 304, -15.693878},
        {"tube 20 x 2", [] { return tube(20, 2); }, 36 * pi, 1476 * pi, 147.6 * pi, std::sqrt(41.0),
         1476 * pi, 147.6 * pi, 3904.0 / 6.0, 72, -10},
        {"box 30 x 20, tw 1, tf 2, of 2", [] { return box(30, 20, 1, 2, 2, 0.5); }, 132, 18636, 1242.4,
         std::sqrt(18636.0 / 132.0), 5596, 559.6, 1458, 52, -15},
    };
    return table;
}

TEST(CrossSectionShapes, PropertiesMatchHandValues) {
    for (const ShapeValues& c : shapeTable()) {
        SCOPED_TRACE(c.shape);
        auto s = c.make();
        const double tol = 1e-6;
        EXPECT_NEAR(s->A(), c.A, tol * c.A);
        EXPECT_NEAR(s->Iy(), c.Iy, tol * c.Iy);
        EXPECT_NEAR(s->Wy(), c.Wy, tol * c.Wy);
        EXPECT_NEAR(s->iy(), c.iy, tol * c.iy);
        EXPECT_NEAR(s->Iz(), c.Iz, tol * c.Iz);
        EXPECT_NEAR(s->Wz(), c.Wz, tol * c.Wz);
        EXPECT_NEAR(s->Zy(), c.Zy, tol * c.Zy);
        EXPECT_NEAR(s->Vz(), c.Vz, tol * c.Vz);
        EXPECT_NEAR(s->zTop(), c.zTop, tol * std::fabs(c.zTop));
        EXPECT_NEAR(s->zBottom(), s->height() + c.zTop, 1e-6 * s->height());
        EXPECT_EQ(s->Ix(), 0.0);
        EXPECT_EQ(s->Iyz(), 0.0);
        EXPECT_EQ(s->Sy(), 0.0);
        EXPECT_EQ(s->Sz(), 0.0);
        EXPECT_TRUE(s->isProperlySet());
    }
}

TEST(CrossSectionShapes, ShapeSpecificValues) {
    // The plastic modulus about z of a rectangle is h*b^2/4, not the elastic h*b^2/6.
    EXPECT_DOUBLE_EQ(rect(20, 10)->Zz(), 500.0);
    EXPECT_NEAR(rect(20, 10)->Wz(), 333.333333, 1e-6);
    EXPECT_NEAR(rect(20, 10)->Vy(), 133.333333, 1e-6);
    // The web of a T carries its shear.
    EXPECT_EQ(tee(40, 30, 10, 10)->Bw(0, 0), 10.0);
    EXPECT_EQ(tee(40, 30, 10, 10)->Zz(), 0.0);
    EXPECT_DOUBLE_EQ(tee(40, 30, 10, 10)->Vy(), 300.0);
    EXPECT_DOUBLE_EQ(tee(40, 30, 10, 10)->zTop(), -15.0);
    EXPECT_DOUBLE_EQ(tee(40, 30, 10, 10)->zBottom(), 25.0);
    EXPECT_DOUBLE_EQ(tee(40, 30, 10, 10)->Wy(), tee(40, 30, 10, 10)->Iy() / 15.0);
    EXPECT_EQ(circle(10)->Bw(0, 0), 5.0);
    EXPECT_DOUBLE_EQ(circle(10)->Zz(), circle(10)->Zy());
    EXPECT_NEAR(circle(10)->Zy(), 166.666667, 1e-6);
    EXPECT_EQ(rect(20, 10)->Bw(0, 0), 10.0);
    EXPECT_EQ(tube(20, 2)->Bw(0, 0), 2.0);
    EXPECT_DOUBLE_EQ(tube(20, 2)->Vy(), 72.0);
    EXPECT_DOUBLE_EQ(tube(20, 2)->breadth(), 20.0);
    EXPECT_EQ(box(30, 20, 1, 2, 2, 0.5)->Bw(0, 0), 2.0);
    EXPECT_DOUBLE_EQ(box(30, 20, 1, 2, 2, 0.5)->Vy(), 80.0);
    EXPECT_DOUBLE_EQ(box(30, 20, 1, 2, 2, 0.5)->Zz(), 790.0);
}

TEST(CrossSectionShapes, TypesAndVariableCounts) {
    EXPECT_EQ(rect(1, 1)->type(), csRect);
    EXPECT_EQ(circle(1)->type(), csCircle);
    EXPECT_EQ(tee(2, 2, 1, 1)->type(), csT);
    EXPECT_EQ(tube(2, 0.1)->type(), csTube);
    EXPECT_EQ(box(2, 2, 0.1, 0.1, 0, 0)->type(), csBox);
    EXPECT_EQ(int(csTube), 7);
    EXPECT_EQ(int(csT), 8);
    EXPECT_EQ(rect(1, 1)->numberOfVariables(), 2);
    EXPECT_EQ(circle(1)->numberOfVariables(), 1);
    EXPECT_EQ(tee(2, 2, 1, 1)->numberOfVariables(), 4);
    EXPECT_EQ(tube(2, 0.1)->numberOfVariables(), 2);
    EXPECT_EQ(box(2, 2, 0.1, 0.1, 0, 0)->numberOfVariables(), 6);
}

struct VariableText {
    const char* name;
    const char* description;
    double lower, upper, step;
};

TEST(CrossSectionShapes, VariableDescriptions) {
    const std::vector<std::pair<std::shared_ptr<omCrossSection>, std::vector<VariableText>>> table = {
        {std::make_shared<omCrossSectionRect>(1),
         {{"h", "height", 5, 900, 0.5}, {"b", "breadth", 5, 500, 0.2}}},
        {std::make_shared<omCrossSectionCircle>(1), {{"d", "diameter", 5, 900, 0.5}}},
        {std::make_shared<omCrossSectionT>(1),
         {{"h", "height", 5, 900, 0.5},
          {"b", "breadth", 5, 500, 0.2},
          {"tw", "web thickness", 0.3, 15, 0.05},
          {"tf", "flange thickness", 0.3, 15, 0.05}}},
        {std::make_shared<omCrossSectionTube>(1),
         {{"d", "diameter", 1, 900, 0.5}, {"t", "thickness", 0.1, 50, 0.05}}},
        {std::make_shared<omCrossSectionBox>(1),
         {{"h", "height", 15, 250, 0.2},
          {"b", "breadth", 12, 250, 0.2},
          {"tw", "web thickness", 0.3, 3.5, 0.05},
          {"tf", "flange thickness", 0.3, 5, 0.05},
          {"of", "flange outstand", 0, 100, 0.1},
          {"w", "weld thickness", 0.3, 2, 0.05}}},
    };
    for (const auto& [section, texts] : table) {
        ASSERT_EQ(section->numberOfVariables(), int(texts.size()));
        for (unsigned i = 1; i <= texts.size(); ++i) {
            const VariableText& t = texts[i - 1];
            SCOPED_TRACE(t.name);
            EXPECT_EQ(section->name(i), t.name);
            EXPECT_EQ(section->description(i), t.description);
            EXPECT_EQ(section->lower(i), t.lower);
            EXPECT_EQ(section->upper(i), t.upper);
            EXPECT_EQ(section->step(i), t.step);
            EXPECT_TRUE(section->values(i).empty());
            EXPECT_EQ(section->getVariable(i).GetValue(), 0.0);
            EXPECT_EQ(section->getVariable(i).GetKey(), omUK_cm);
        }
    }
}

TEST(CrossSectionShapes, TConstructorsTakeTheThicknessesInOppositeOrders) {
    omCrossSectionT byNumbers(400.0, 300.0, 100.0, 80.0, omUK_mm, 1); // x3 = tf, x4 = tw
    EXPECT_DOUBLE_EQ(byNumbers.getVariable(3).Get(omUK_cm), 8.0);
    EXPECT_DOUBLE_EQ(byNumbers.getVariable(4).Get(omUK_cm), 10.0);
    auto byValues = tee(40, 30, 8, 10);
    EXPECT_DOUBLE_EQ(byValues->A(), byNumbers.A());
}

TEST(CrossSectionShapes, IntegralsOverTheWholeDepthGiveTheProperties) {
    for (const ShapeValues& c : shapeTable()) {
        SCOPED_TRACE(c.shape);
        auto s = c.make();
        const double top = s->zTop(), bottom = s->zBottom();
        EXPECT_NEAR(s->Integrate(top, bottom, 0), s->A(), 1e-9 * s->A());
        EXPECT_NEAR(s->Integrate(top, bottom, 1), 0.0, 1e-9 * s->A() * s->height());
        EXPECT_NEAR(s->Integrate(top, bottom, 2), s->Iy(), 1e-9 * s->Iy());
        // Limits in either order and beyond the section.
        EXPECT_NEAR(s->Integrate(bottom + 5, top - 5, 2), s->Iy(), 1e-9 * s->Iy());
        EXPECT_EQ(s->Integrate(top, bottom, 5), 0.0);
        EXPECT_EQ(s->Integrate(bottom + 1, bottom + 2, 0), 0.0);
    }
}

TEST(CrossSectionShapes, PartialIntegralsMatchClosedForms) {
    // Upper half of a rectangle 30 x 20: area, first and second moment about the axis.
    auto r = rect(30, 20);
    EXPECT_DOUBLE_EQ(r->Integrate(-15, 0, 0), 300.0);
    EXPECT_DOUBLE_EQ(r->Integrate(-15, 0, 1), -20.0 * 225.0 / 2.0);
    EXPECT_DOUBLE_EQ(r->Integrate(-15, 0, 2), 20.0 * 3375.0 / 3.0);
    EXPECT_DOUBLE_EQ(r->Integrate(0, -15, 1), -20.0 * 225.0 / 2.0);
    // Circular segment of a unit circle beyond z = 0.5.
    auto c = circle(2);
    EXPECT_NEAR(c->Integrate(0.5, 1, 0), std::acos(0.5) - 0.5 * std::sqrt(0.75), 1e-12);
    // A tube's slice is the outer disc's slice less the inner one's.
    auto t = tube(20, 2);
    EXPECT_NEAR(t->Integrate(-10, -7, 0),
                omCSDisc{10}.integrate(-10, -7, 0) - omCSDisc{8}.integrate(-10, -7, 0), 1e-12);
    EXPECT_NEAR(t->Integrate(-10, 0, 0), t->A() / 2.0, 1e-9);
    // The flange of the T 40 x 30 x 10 x 10 alone: 30 x 10 from -15 to -5.
    auto tt = tee(40, 30, 10, 10);
    EXPECT_DOUBLE_EQ(tt->Integrate(-15, -5, 0), 300.0);
    EXPECT_DOUBLE_EQ(tt->Integrate(-15, -5, 1), 30.0 * (25.0 - 225.0) / 2.0);
    // The top flange of the box and a piece of its webs.
    auto b = box(30, 20, 1, 2, 2, 0.5);
    EXPECT_DOUBLE_EQ(b->Integrate(-15, -13, 0), 40.0);
    EXPECT_DOUBLE_EQ(b->Integrate(-15, -10, 0), 40.0 + 2.0 * 3.0);
}

TEST(CrossSectionShapes, ImpossibleDimensionsAreRefused) {
    struct Case {
        const char* what;
        std::function<std::unique_ptr<omCrossSection>()> make;
    };
    const Case refused[] = {
        {"rectangle of negative breadth", [] { return rect(20, -10); }},
        {"rectangle of negative height and breadth", [] { return rect(-20, -10); }},
        {"rectangle of no height", [] { return rect(0, 10); }},
        {"circle of no diameter", [] { return circle(0); }},
        {"T whose web is broader than its flange", [] { return tee(40, 30, 31, 10); }},
        {"T whose flange fills its height", [] { return tee(40, 30, 10, 40); }},
        {"T whose flange is thicker than its height", [] { return tee(40, 30, 10, 45); }},
        {"T of negative web", [] { return tee(40, 30, -1, 10); }},
        {"T of no area", [] { return tee(0, 0, 0, 0); }},
        {"tube whose wall exceeds the radius", [] { return tube(20, 10.5); }},
        {"tube of negative wall", [] { return tube(20, -1); }},
        {"box whose flanges fill its height", [] { return box(30, 20, 1, 15, 0, 0.5); }},
        {"box whose webs cross the middle", [] { return box(30, 20, 6, 2, 5, 0.5); }},
        {"box of negative outstand", [] { return box(30, 20, 1, 2, -1, 0.5); }},
        {"box of negative weld", [] { return box(30, 20, 1, 2, 0, -0.5); }},
        {"box of negative breadth", [] { return box(30, -20, 1, 2, 0, 0.5); }},
    };
    for (const Case& c : refused)
        EXPECT_FALSE(c.make()->isProperlySet()) << c.what;
    const Case accepted[] = {
        {"tube of wall equal to the radius", [] { return tube(20, 10); }},
        {"T whose web is as broad as its flange", [] { return tee(40, 30, 30, 10); }},
        {"box with webs at the flange edges", [] { return box(30, 20, 1, 2, 0, 0); }},
    };
    for (const Case& c : accepted)
        EXPECT_TRUE(c.make()->isProperlySet()) << c.what;
}

TEST(CrossSectionShapes, BaseCheckRefusesAZeroArea) {
    omGenericCrossSection s(omUnitValue(0.0, omUK_cm2), omUnitValue(100.0, omUK_cm4), 1);
    s.setProperty(omGenericCrossSection::pHeight, omUnitValue(10.0, omUK_cm));
    s.setProperty(omGenericCrossSection::pBreadth, omUnitValue(5.0, omUK_cm));
    EXPECT_FALSE(s.isProperlySet());
    s.setProperty(omGenericCrossSection::pA, omUnitValue(10.0, omUK_cm2));
    EXPECT_TRUE(s.isProperlySet());
    s.setProperty(omGenericCrossSection::pBreadth, omUnitValue(-5.0, omUK_cm));
    EXPECT_FALSE(s.isProperlySet());
}

TEST(CrossSectionShapes, ReinforcementQueries) {
    struct Case {
        const char* what;
        std::unique_ptr<omCrossSection> section;
        bool bars;
        int bands;
        double stirrup; // for covers 3 and 4
    };
    Case cases[] = {
        {"rectangle", rect(50, 30), true, 2, 2 * (50 - 7) + 3 * (30 - 6)},
        {"circle", circle(40), true, 1, 0},
        {"T with a broad web", tee(50, 40, 10, 12), true, 2, 2 * (50 - 7) + 3 * 4},
        {"T with a web narrower than the covers", tee(50, 40, 5, 12), true, 2, 2 * (50 - 7) + 3 * 2},
        {"tube of wall 2.0", tube(40, 2.0), false, 1, 0},
        {"tube of wall 2.05", tube(40, 2.05), true, 1, 0},
        {"box of walls 2.0", box(50, 30, 2.0, 2.0, 0, 0), false, 2, 0},
        {"box of walls 2.1", box(50, 30, 2.1, 2.1, 0, 0), true, 2, 0},
        {"box of web 2.1, flange 2.0", box(50, 30, 2.1, 2.0, 0, 0), false, 2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.section->canStoreBars(), c.bars);
        EXPECT_EQ(c.section->getMaxBarBands(), c.bands);
        EXPECT_DOUBLE_EQ(c.section->getStirrupLength(3, 4), c.stirrup);
    }
}

// --- log report -------------------------------------------------------------

TEST(CrossSectionLog, ReportWritesTheMainValues) {
    CapturedLog log({lfCrossSections});
    auto s = rect(20, 10, 3);
    s->setName("R");
    s->logFileReport();
    EXPECT_EQ(log.text(), "\nid=3, Name: R, Variables: { 2: 20.000000, 10.000000 }\n\tA: 200.000000, Iy: "
                          "6666.666667, Wy: 666.666667");
}

TEST(CrossSectionLog, PropertyCategoryAddsTheOtherValues) {
    CapturedLog log({lfCrossSections, lfCrossSectionProperties});
    auto s = rect(20, 10, 3);
    s->setName("R");
    s->logFileReport();
    EXPECT_EQ(log.text(),
              "\nid=3, Name: R, Variables: { 2: 20.000000, 10.000000 }"
              "\n\tA: 200.000000, Iy: 6666.666667, Wy: 666.666667"
              "\n\tIz: 1666.666667, Ix: 0.000000, Wz: 333.333333, Zy: 1000.000000, Zz: 500.000000"
              "\n\tiy: 5.773503, iz: 2.886751, Vy: 133.333333, Vz: 133.333333, Sy: 0.000000, Sz: 0.000000");
}

TEST(CrossSectionLog, NothingWithoutTheCategory) {
    CapturedLog log({lfCrossSectionProperties, lfMaterials});
    rect(20, 10)->logFileReport();
    EXPECT_EQ(log.text(), "");
}

} // namespace
