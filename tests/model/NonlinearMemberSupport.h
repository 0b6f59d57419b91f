#pragma once
// Frames whose members are of one kind (linear or one of the non-linear ones),
// for checking the non-linear members against the linear ones under loads so
// small that the geometry hardly changes.
#include "FrameBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace nlframe {

// Adds member id from node n1 to n2 with cross-section and material 1.
using MemberFactory = std::function<void(frametest::Frame&, unsigned id, unsigned n1, unsigned n2)>;

inline void linearMember(frametest::Frame& f, unsigned id, unsigned n1, unsigned n2) {
    ASSERT_NE(f.member(id, n1, n2), nullptr);
}

// A portal frame, clamped at node 1 and pinned at node 4, 400 cm high and 600
// cm wide, with every kind of member load the members take, all scaled by
// `scale`: a trapezoidal load on part of the beam, an axial load, a
// concentrated force and moment inside a column, a distributed moment, a
// temperature gradient, a horizontal nodal force.
inline void portalFrame(frametest::Frame& f, const MemberFactory& member, double scale) {
    f.node(1, 0.0, 0.0);
    f.node(2, 0.0, -400.0);
    f.node(3, 600.0, -400.0);
    f.node(4, 600.0, 0.0);
    f.fix(1, {Ux, Uz, Ry});
    f.fix(4, {Ux, Uz});
    member(f, 1, 1, 2);
    member(f, 2, 2, 3);
    member(f, 3, 4, 3);
    f.linear(2, 0.3 * scale, 0.3 * scale, 0.0, 1.0, 0.05 * scale);
    f.linear(2, 0.1 * scale, 0.4 * scale, 0.25, 0.75);
    f.point(1, 0.4, 20.0 * scale, 5.0 * scale, 300.0 * scale);
    auto* moment = new omLoadLinear(f.s.getStructureType(), 0);
    moment->setFs(Ry, omUnitValue(2.0 * scale, omUK_kNcm_cm));
    moment->setFe(Ry, omUnitValue(2.0 * scale, omUK_kNcm_cm));
    moment->setStart(0.1);
    moment->setEnd(0.9);
    f.s.addElementLoad(3, moment, "G");
    f.temperature(2, -10.0 * scale, 20.0 * scale);
    f.nodeForce(2, 15.0 * scale, 0.0);
    f.loadCase("small");
}

// Every node displacement and reaction and every member result of case 1 of
// the two solved frames agree within `relative` of the largest value of that
// quantity. Without `inside` the displacements along the members are compared
// at their ends only: inside a member a non-linear element interpolates them,
// which is exact only where its functions hold the deflection.
inline void expectSameResults(frametest::Frame& a, frametest::Frame& b, double relative, bool inside = true) {
    for (unsigned node = 1; node <= 4; ++node)
        for (omDofType t : {Ux, Uz, Ry}) {
            const double va = a.nodeResult(node, t), vb = b.nodeResult(node, t);
            double largest = 0.0;
            for (unsigned n = 1; n <= 4; ++n)
                largest = std::max(largest, std::fabs(a.nodeResult(n, t)));
            EXPECT_NEAR(vb, va, relative * largest) << "node " << node << " dof " << t;
        }
    for (bool force : {true, false})
        for (omDofType t : {Ux, Uz, Ry}) {
            double largest = 0.0;
            for (unsigned e = 1; e <= 3; ++e)
                for (const omPointResult& r : a.element(e)->getResult().getLCResult(1))
                    largest = std::max(largest, std::fabs(force ? r.F.getDof(t) : r.U.getDof(t)));
            for (unsigned e = 1; e <= 3; ++e) {
                const auto& ra = a.element(e)->getResult().getLCResult(1);
                const auto& rb = b.element(e)->getResult().getLCResult(1);
                ASSERT_EQ(ra.size(), rb.size());
                for (size_t j = 0; j < ra.size(); ++j) {
                    const double x = a.element(e)->getResult().getPoints()[j];
                    if (!force && !inside && x != 0.0 && x != 1.0) continue;
                    const double va = force ? ra[j].F.getDof(t) : ra[j].U.getDof(t);
                    const double vb = force ? rb[j].F.getDof(t) : rb[j].U.getDof(t);
                    EXPECT_NEAR(vb, va, relative * largest)
                        << "member " << e << " point " << j << (force ? " force " : " displacement ") << t;
                }
            }
        }
}

} // namespace nlframe
