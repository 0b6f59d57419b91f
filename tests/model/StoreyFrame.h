#pragma once
// A regular multi-storey plane frame of one kind of member, as the checksum
// test of the Solve road and the benchmarks use it: `storeys` levels of
// `bays` bays, 300 cm storeys and 600 cm bays, clamped column feet, nodes
// numbered level by level so that a column couples equations one storey
// apart.
//
// Two load groups: "dead" (a uniform load on every beam and a trapezoidal one
// between 0.25 and 0.75 of it) and "wind" (a horizontal force at the windward
// node of each level and a small point load at mid-height of each column).
// Two ultimate load cases ("dead" alone and "dead and wind") and one envelope
// of the bending moment over both. Dravik members are divided at their load
// points, and the nodes of a division are numbered after the frame's own ones,
// which widens the profile of the stiffness matrix to nearly all of it: their
// trapezoidal load covers the whole beam and their wind load is a uniform load
// along the column instead, so that each stays one finite element.
#include "model/elements/omDravikDesignElement.h"
#include "model/omEnvelope.h"
#include "model/omGenericCrossSection.h"
#include "model/omLoad.h"
#include "model/omLoadCase.h"
#include "model/omLoadManager.h"
#include "model/omMaterial.h"
#include "model/omNodeMap.h"
#include "model/omStrakon.h"

#include <memory>

namespace storeyframe {

enum class Members { linear, quentra, dravik };

inline const char* name(Members kind) {
    switch (kind) {
    case Members::linear:
        return "linear";
    case Members::quentra:
        return "Quentra";
    case Members::dravik:
        return "Dravik";
    }
    return "";
}

// Fills a structure that has its maps; with `oneCase` only the "dead and wind"
// case and no envelope.
inline void fill(omStrakon* s, int storeys, int bays, Members kind, bool oneCase = false) {
    const double storeyHeight = 300.0, bayWidth = 600.0; // cm
    s->addMaterial(new omMaterial(3000.0, 0.0, 1e-5, 2500.0, 0.2, 1), 1);
    // Columns of frames taller than 50 storeys grow with the height, so that
    // second-order members still find equilibrium.
    const double tall = storeys > 50 ? storeys / 50.0 : 1.0;
    s->addCrossSection(new omGenericCrossSection(omUnitValue(1600.0 * tall, omUK_cm2),
                                                 omUnitValue(213333.0 * tall * tall * tall, omUK_cm4), 1),
                       1);
    s->addCrossSection(
        new omGenericCrossSection(omUnitValue(1200.0, omUK_cm2), omUnitValue(160000.0, omUK_cm4), 2), 2);
    s->addLoadGroup("dead");
    s->addLoadGroup("wind");

    const int lines = bays + 1;
    auto id = [lines](int level, int line) { return static_cast<unsigned>(level * lines + line + 1); };
    for (int level = 0; level <= storeys; ++level)
        for (int line = 0; line < lines; ++line)
            s->addNode(line * bayWidth, -level * storeyHeight, "cm", id(level, line));
    for (int line = 0; line < lines; ++line)
        for (omDofType t : {Ux, Uz, Ry})
            s->setSupport(id(0, line), t, true);

    auto addMember = [&](unsigned n1, unsigned n2, unsigned cs, unsigned number) {
        switch (kind) {
        case Members::linear:
            s->addElement(n1, n2, cs, 1, number);
            break;
        case Members::quentra:
            s->addQuentraElement(n1, n2, cs, 1, number);
            break;
        case Members::dravik:
            s->addElement(new omDravikDesignElement(*s->getNodeMap(), n1, n2, cs, 1, number), number);
            break;
        }
    };
    auto linearLoad = [&](unsigned member, double q1, double q2, double a, double b, const char* group) {
        auto* q = new omLoadLinear(s->getStructureType(), 0);
        q->setFs(Uz, omUnitValue(q1, omUK_kN_cm));
        q->setFe(Uz, omUnitValue(q2, omUK_kN_cm));
        q->setStart(a);
        q->setEnd(b);
        s->addElementLoad(member, q, group);
    };
    const bool onePiece = kind == Members::dravik;

    unsigned member = 0;
    for (int level = 1; level <= storeys; ++level) {
        for (int line = 0; line < lines; ++line) {
            addMember(id(level - 1, line), id(level, line), 1, ++member);
            if (onePiece) {
                linearLoad(member, 0.002, 0.002, 0.0, 1.0, "wind");
                continue;
            }
            auto* gust = new omLoadForce(s->getStructureType(), 0);
            gust->setScope(omLoad::LocalCS);
            gust->setF(Uz, omUnitValue(0.5, omUK_kN));
            gust->setX(0.5);
            s->addElementLoad(member, gust, "wind");
        }
        for (int line = 0; line < bays; ++line) {
            addMember(id(level, line), id(level, line + 1), 2, ++member);
            linearLoad(member, 0.3, 0.3, 0.0, 1.0, "dead");
            if (onePiece)
                linearLoad(member, 0.05, 0.15, 0.0, 1.0, "dead");
            else
                linearLoad(member, 0.05, 0.15, 0.25, 0.75, "dead");
        }
        auto* wind = new omLoadForce(s->getStructureType(), 0);
        wind->setF(Ux, omUnitValue(15.0, omUK_kN));
        s->addNodeLoad(id(level, 0), wind, "wind");
    }

    omLoadManager* manager = s->getLoadManager();
    if (!oneCase) {
        omLoadCase* dead = s->addLoadCase("dead", omLoadCase::lsUltimate);
        (*dead)(1) = 1.35;
    }
    omLoadCase* both = s->addLoadCase("dead and wind", omLoadCase::lsUltimate);
    (*both)(1) = 1.35;
    (*both)(2) = 1.5;
    if (!oneCase) {
        auto* envelope = new omEnvelope();
        envelope->setName("moments");
        envelope->setQuantity(omEnvelope::qMy);
        manager->addEnvelope(envelope);
        for (int k = 1; k <= manager->caseSize(); ++k)
            envelope->add(static_cast<unsigned>(k), manager->getCase(k));
    }
}

inline std::unique_ptr<omStrakon> build(int storeys, int bays, Members kind, bool oneCase = false) {
    auto s = std::make_unique<omStrakon>();
    s->setupObjects();
    fill(s.get(), storeys, bays, kind, oneCase);
    return s;
}

} // namespace storeyframe
