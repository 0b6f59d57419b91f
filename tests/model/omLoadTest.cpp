#include "model/omLoad.h"
#include "model/omLoadManager.h"

#include "ModelTestSupport.h"

#include <cmath>
#include <memory>
#include <numbers>

namespace {

using modeltest::errorCodes;

const omDofStructureType* plane() {
    return omDofStrakonStructureType::instance();
}

class Load : public modeltest::ModelTest {};

TEST_F(Load, NewLinearLoadLiesOnTheWholeMemberInLocalAxes) {
    omLoadLinear q(plane(), 1);
    EXPECT_TRUE(q.isContinues());
    EXPECT_EQ(q.getScope(), omLoad::LocalCS);
    EXPECT_EQ(q.getPosition(), omLoad::LocalCS);
    EXPECT_EQ(q.getName(), "Unknown");
    EXPECT_FALSE(q.isPointLoad());
    EXPECT_EQ(q.getType(), omLoad::Linear);
    EXPECT_EQ(q.getFs(Uz).GetKey(), omUK_kN_m);
    EXPECT_EQ(q.getFe(Ry).GetKey(), omUK_kNm_m);
}

TEST_F(Load, LinearIntensityIsRangeCheckedOnlyByP) {
    omLoadLinear q(plane(), 1);
    q.setStart(0.2);
    q.setEnd(0.6);
    q.setFs(Uz, omUnitValue(10, omUK_kN_m));
    q.setFe(Uz, omUnitValue(30, omUK_kN_m));
    EXPECT_DOUBLE_EQ(q.p(0.2, 0.0, Uz), 0.1); // kN/cm
    EXPECT_DOUBLE_EQ(q.p(0.6, 0.0, Uz), 0.3);
    EXPECT_DOUBLE_EQ(q.p(0.4, 0.0, Uz), 0.2);
    EXPECT_DOUBLE_EQ(q.p(0.19999, 0.0, Uz), 0.0);
    EXPECT_DOUBLE_EQ(q.p(0.60001, 0.0, Uz), 0.0);
    // getForce extrapolates.
    EXPECT_NEAR(q.getForce(0.0, 1.0).Fz(), 0.5, 1e-12);
}

TEST_F(Load, LinearLoadOfNoLengthHasNoNaN) {
    omLoadLinear q(plane(), 1);
    q.setStart(0.5);
    q.setEnd(0.5);
    q.setFs(Uz, omUnitValue(10, omUK_kN_m));
    q.setFe(Uz, omUnitValue(30, omUK_kN_m));
    EXPECT_DOUBLE_EQ(q.p(0.5, 0.0, Uz), 0.1);
    EXPECT_DOUBLE_EQ(q.getForce(0.0, 0.7).Fz(), 0.1);
}

TEST_F(Load, WorldLoadIsTurnedIntoTheMemberAxes) {
    omLoadForce f(plane(), 1);
    f.setF(Uz, omUnitValue(10, omUK_kN));
    f.setF(Ry, omUnitValue(2, omUK_kNm));
    omForceVector v = f.getForce(std::numbers::pi / 2);
    EXPECT_NEAR(v.Fx(), 10.0, 1e-12);
    EXPECT_NEAR(v.Fz(), 0.0, 1e-12);
    EXPECT_DOUBLE_EQ(v.My(), 200.0); // kNcm
    f.setScope(omLoad::LocalCS);
    v = f.getForce(std::numbers::pi / 2);
    EXPECT_DOUBLE_EQ(v.Fx(), 0.0);
    EXPECT_DOUBLE_EQ(v.Fz(), 10.0);
}

TEST_F(Load, ProjectedLinearLoad) {
    const double a = std::numbers::pi / 3;
    omLoadLinear q(plane(), 1);
    q.setFs(Ux, omUnitValue(100, omUK_kN_m));
    q.setFe(Ux, omUnitValue(100, omUK_kN_m));
    q.setFs(Uz, omUnitValue(100, omUK_kN_m));
    q.setFe(Uz, omUnitValue(100, omUK_kN_m));

    // Per projected length, local axes: scaled, not turned.
    q.setPosition(omLoad::WorldCS);
    omForceVector v = q.getForce(a, 0.5);
    EXPECT_NEAR(v.Fz(), 0.5, 1e-12);
    EXPECT_NEAR(v.Fx(), std::sin(a), 1e-12);

    // Per projected length in world axes: scaled, then turned.
    q.setScope(omLoad::WorldCS);
    v = q.getForce(a, 0.5);
    const double fx = std::sin(a), fz = 0.5;
    EXPECT_NEAR(v.Fx(), std::sin(a) * fz + std::cos(a) * fx, 1e-12);
    EXPECT_NEAR(v.Fz(), std::cos(a) * fz - std::sin(a) * fx, 1e-12);

    // Per member length, local axes: as given.
    q.setScope(omLoad::LocalCS);
    q.setPosition(omLoad::LocalCS);
    v = q.getForce(a, 0.5);
    EXPECT_DOUBLE_EQ(v.Fz(), 1.0);
}

TEST_F(Load, ZeroComponentIsNoForce) {
    omLoadForce f(plane(), 1);
    EXPECT_FALSE(f.isForce(Ux));
    f.setF(Ux, omUnitValue(1, omUK_kN));
    EXPECT_TRUE(f.isForce(Ux));
    f.setF(Uy, omUnitValue(1, omUK_kN));
    EXPECT_FALSE(f.isForce(Uy)) << "the plane layout has no Uy";
    f.getF(static_cast<omDofType>(100)) = omUnitValue(5, omUK_kN);
    EXPECT_EQ(errorCodes(), std::vector<unsigned>{1002});
}

TEST_F(Load, SetForceAndConvert) {
    omLoadForce f(plane(), 1);
    omForceVector v(plane());
    v.Fx() = 3;
    v.My() = 250;
    f.setForce(v);
    EXPECT_EQ(f.getF(Ry).GetKey(), omUK_kNcm);
    f.convert(omUK_N, omUK_kNm);
    EXPECT_NEAR(f.getF(Ux).GetValue(), 3000.0, 1e-9);
    EXPECT_NEAR(f.getF(Ry).GetValue(), 2.5, 1e-12);
    EXPECT_NEAR(f.getForce(0.0).Fx(), 3.0, 1e-12);
    EXPECT_NEAR(f.getForce(0.0).My(), 250.0, 1e-9);

    omLoadDisplacement d(plane(), 1);
    omDisplacementVector u(plane());
    u.uz() = 2;
    u.fiy() = 0.01;
    d.setDisplacement(u);
    d.convert(omUK_mm, omUK_mrad);
    EXPECT_NEAR(d.getU(Uz).GetValue(), 20.0, 1e-12);
    EXPECT_NEAR(d.getDisplacement().fiy(), 0.01, 1e-15);
    EXPECT_TRUE(d.isDisplacement(Uz));
    EXPECT_FALSE(d.isDisplacement(Ux));
}

TEST_F(Load, GroupBindingFollowsTheIndex) {
    omLoadManager lm;
    lm.addGroup(omLoadGroup("A"));
    lm.addGroup(omLoadGroup("B"));
    omLoadForce f(plane(), 2);
    f.bindLoadGroup(&lm);
    EXPECT_EQ(f.getLoadGroup(), lm.getGroup(2));
    f.setLoadGroupIndex(1);
    EXPECT_EQ(f.getLoadGroup(), nullptr);
    f.setLoadGroupIndex(3);
    f.bindLoadGroup(&lm);
    EXPECT_EQ(f.getLoadGroup(), nullptr);

    std::unique_ptr<omLoad> clone(f.clone());
    EXPECT_FALSE(*clone == f);
    EXPECT_TRUE(f == f);
    EXPECT_NE(dynamic_cast<omLoadForce*>(clone.get()), nullptr);
    EXPECT_EQ(clone->getLoadGroupIndex(), 3u);
}

TEST_F(Load, TemperatureFaces) {
    omLoadTemperature t(plane(), 1);
    t.setT(1, 1, omUnitValue(20, omUK_degC));
    t.setT(0, 1, omUnitValue(-10, omUK_degC));
    t.setT(1, 2, omUnitValue(5, omUK_degC));
    t.setT(7, 0, omUnitValue(50, omUK_degF));
    EXPECT_DOUBLE_EQ(t.T(1, 1), 20.0);
    EXPECT_DOUBLE_EQ(t.T(-1, 1), -10.0);
    EXPECT_DOUBLE_EQ(t.T(1, 0), 5.0);
    EXPECT_NEAR(t.T(0, 0), 50.0 * 5.0 / 9.0, 1e-12);
    EXPECT_EQ(t.getType(), omLoad::Temperature);
}

TEST_F(Load, LogReportOfAConcentratedLoad) {
    CapturedLog capture({lfLoads});
    omLoadManager lm;
    lm.addGroup(omLoadGroup("Dead"));
    omLoadForce f("F1", plane(), 1);
    f.bindLoadGroup(&lm);
    f.setX(1.0);
    f.setF(Uz, omUnitValue(12, omUK_kN));
    f.logFileReport();
    EXPECT_EQ(capture.text(), "\nLoad name: F1, Load group: Dead, Scope: World CS, Type: Concentrated"
                              "\n\tApplication point: 1, Force vector: { 3: Ux=0 Uz=12 Ry=0 }");
}

TEST_F(Load, LogReportsOfTheOtherKinds) {
    CapturedLog capture({lfLoads});
    omLoadLinear q(plane(), 1);
    q.setFs(Uz, omUnitValue(100, omUK_kN_m));
    q.setFe(Uz, omUnitValue(200, omUK_kN_m));
    q.logFileReport();
    q.setStart(0.25);
    q.logFileReport();
    omLoadTemperature t(plane(), 1);
    t.setT(1, 1, omUnitValue(20, omUK_degC));
    static_cast<const omLoad&>(t).logFileReport();
    omLoadDisplacement d(plane(), 1);
    d.logFileReport();
    EXPECT_EQ(
        capture.text(),
        "\nLoad name: Unknown, Load group: , Scope: Local CS, Type: Linear"
        "\n\tLies on whole element, Force start: { 3: Ux=0 Uz=1 Ry=0 }, Force end: { 3: Ux=0 Uz=2 Ry=0 }"
        "\nLoad name: Unknown, Load group: , Scope: Local CS, Type: Linear"
        "\n\tStart point: 0, End point: 1, Force start: { 3: Ux=0 Uz=1 Ry=0 }, Force end: { 3: Ux=0 Uz=2 "
        "Ry=0 }"
        "\nLoad name: Unknown, Load group: , Scope: World CS, Type: Temperature"
        "\n\tTemperatures:"
        "\n\tDirection z: T pos= 20 \xC2\xB0"
        "C, T neg= 0 \xC2\xB0"
        "C"
        "\n\tDirection y: T pos= 0 \xC2\xB0"
        "C, T neg= 0 \xC2\xB0"
        "C"
        "\nLoad name: Unknown, Load group: , Scope: World CS, Type: Displacement");
}

TEST_F(Load, NothingIsLoggedWithTheCategoryOff) {
    CapturedLog capture({lfNodeLoads});
    omLoadForce(plane(), 1).logFileReport();
    EXPECT_EQ(capture.text(), "");
}

// One component of a linear load, by p and by an intensity read once for an
// element angle, bit for bit what the whole force vector holds.
TEST_F(Load, OneComponentOfALinearLoadIsTheForceVectorsComponent) {
    const struct {
        omLoad::Scope scope, position;
        double start, end;
    } loads[] = {{omLoad::LocalCS, omLoad::LocalCS, 0.0, 1.0},
                 {omLoad::WorldCS, omLoad::LocalCS, 0.2, 0.7},
                 {omLoad::WorldCS, omLoad::WorldCS, 0.0, 1.0},
                 {omLoad::LocalCS, omLoad::WorldCS, 0.3, 0.3}};
    for (const auto& l : loads) {
        omLoadLinear q(plane(), 1);
        q.setScope(l.scope);
        q.setPosition(l.position);
        q.setStart(l.start);
        q.setEnd(l.end);
        q.setFs(Ux, omUnitValue(1.3, omUK_kN_m));
        q.setFe(Ux, omUnitValue(-0.4, omUK_kN_m));
        q.setFs(Uz, omUnitValue(7.1, omUK_kN_m));
        q.setFe(Uz, omUnitValue(2.9, omUK_kN_m));
        q.setFs(Ry, omUnitValue(0.5, omUK_kNm_m));
        q.setFe(Ry, omUnitValue(1.7, omUK_kNm_m));
        for (double angle : {0.0, 0.5235987755982988, -1.5707963267948966, 2.5})
            for (double x : {0.0, 0.2, 0.3, 0.45, 0.7, 1.0, 1.2}) {
                const omLinearLoadIntensity once(q, angle);
                const omForceVector f = q.getForce(angle, x);
                const bool inside = x >= l.start && x <= l.end;
                for (omDofType t : {Ux, Uz, Ry}) {
                    SCOPED_TRACE(testing::Message() << "scope " << l.scope << " position " << l.position
                                                    << " angle " << angle << " x " << x << " dof " << t);
                    EXPECT_EQ(q.p(x, angle, t), inside ? f.getDof(t) : 0.0);
                    EXPECT_EQ(once.p(x, t), q.p(x, angle, t));
                }
            }
    }
}

} // namespace
