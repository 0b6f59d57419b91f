#pragma once
// Small frames built into any structure model (a document's or a reference
// model), in cm, kN and kN/cm2.
#include "common/omUnitValue.h"
#include "model/elements/omDravikDesignElement.h"
#include "model/omDesignElement.h"
#include "model/omElementMap.h"
#include "model/omElementResult.h"
#include "model/omGenericCrossSection.h"
#include "model/omLoad.h"
#include "model/omLoadCase.h"
#include "model/omMaterial.h"
#include "model/omNode.h"
#include "model/omNodeMap.h"
#include "model/omStrakon.h"

#include <initializer_list>
#include <string>

namespace strakonmodel {

// The section of an IPE 300 in steel.
constexpr double kE = 21000.0, kA = 53.8, kI = 8356.0;

inline void basics(omStrakon& s, omMaterial* material = nullptr) {
    s.addMaterial(material ? material : new omMaterial(kE, 0.0, 1.2e-5, 7850.0, 0.3, 1), 1);
    auto* cs = new omGenericCrossSection(omUnitValue(kA, omUK_cm2), omUnitValue(kI, omUK_cm4), 1);
    cs->setProperty(omGenericCrossSection::pHeight, omUnitValue(30.0, omUK_cm));
    cs->setProperty(omGenericCrossSection::pBreadth, omUnitValue(15.0, omUK_cm));
    s.addCrossSection(cs, 1);
    s.addLoadGroup("G");
}

inline void fix(omStrakon& s, unsigned node, std::initializer_list<omDofType> dofs) {
    for (omDofType t : dofs)
        s.setSupport(node, t, true);
}

inline void nodeForce(omStrakon& s, unsigned node, double Fx, double Fz) {
    auto* load = new omLoadForce(s.getStructureType(), 0);
    load->setF(Ux, omUnitValue(Fx, omUK_kN));
    load->setF(Uz, omUnitValue(Fz, omUK_kN));
    s.addNodeLoad(node, load, "G");
}

inline omLoadCase* loadCase(omStrakon& s, const std::string& name, omLoadCase::LimitState state, double factor) {
    omLoadCase* lc = s.addLoadCase(name, state);
    if (lc)
        for (int k = 1; k <= lc->size(); ++k)
            (*lc)(k) = factor;
    return lc;
}

// A column of height h fixed at its foot (node 1), node 2 on top, with a
// vertical load P and a small horizontal one on top; linear or non-linear.
inline void column(omStrakon& s, double h, double P, bool nonlinear = false, omMaterial* material = nullptr) {
    basics(s, material);
    s.addNode(0.0, 0.0, "cm", 1);
    s.addNode(0.0, -h, "cm", 2);
    fix(s, 1, {Ux, Uz, Ry});
    if (nonlinear)
        s.addElement(new omDravikDesignElement(*s.getNodeMap(), 1u, 2u, 1u, 1u, 1u), 1);
    else
        s.addElement(1, 2, 1, 1, 1);
    nodeForce(s, 2, 0.0, P);
}

inline double nodeResult(omStrakon& s, unsigned node, omDofType t, unsigned lc) {
    return s.getNodeMap()->find(node)->getResult(lc, t).GetValue();
}
inline double moment(omStrakon& s, unsigned element, double x, unsigned lc) {
    return s.getElementMap()->find(element)->getResult().getForceAt(static_cast<int>(lc), x, Ry);
}

} // namespace strakonmodel
