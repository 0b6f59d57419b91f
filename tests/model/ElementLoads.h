#pragma once
// What the tests of single finite elements share: loads of one load group "G"
// with factor 1, bound to the fixture's own load manager (forces in kN,
// distributed loads in kN/cm or kNcm/cm, temperatures in °C; positions are
// fractions of the element's length), the numbering of an element's two free
// end nodes and six-entry vectors.
#include "model/elements/omLineFE.h"
#include "model/omDofStructureType.h"
#include "model/omLoad.h"
#include "model/omLoadGroup.h"
#include "model/omLoadManager.h"
#include "model/omNode.h"
#include "rezavud/omVector.h"

namespace modeltest {

inline const omDofStructureType* frame() {
    return omDofStrakonStructureType::instance();
}

inline omVector vec6(double u1, double w1, double f1, double u2, double w2, double f2) {
    const double v[6] = {u1, w1, f1, u2, w2, f2};
    return omVector(6, v);
}

// Gives the DOFs of the element's two free end nodes the equations 1 to 6, so
// that a global vector of six entries is the element's own displacement vector
// in global axes. False when the element refuses to mark its DOFs.
inline bool numberEndNodes(omLineFE& fe, omNode& node1, omNode& node2) {
    node1.resetEquationIndexes();
    node2.resetEquationIndexes();
    if (!fe.markUsedDofInNodes()) return false;
    unsigned equation = 1, reaction = 1;
    node1.setupEquationIndexes(equation, reaction);
    node2.setupEquationIndexes(equation, reaction);
    node1.setupReactionIndexes(equation - 1);
    node2.setupReactionIndexes(equation - 1);
    return true;
}

class ElementLoads {
protected:
    ElementLoads() {
        m_manager.addGroup(omLoadGroup("G"));
        m_manager.getGroup(1)->setFactor(1.0);
    }

    template <class L> L* bound(L* load) {
        load->setLoadGroupIndex(1);
        load->bindLoadGroup(&m_manager);
        return load;
    }

    // A concentrated load at the relative position x, in element axes.
    omLoadForce* pointLoad(double x, double fx, double fz, double my) {
        auto* load = bound(new omLoadForce(omDofStrakonStructureType::instance(), 1));
        load->setScope(omLoad::LocalCS);
        load->setX(x);
        load->setF(Ux, omUnitValue(fx, omUK_kN));
        load->setF(Uz, omUnitValue(fz, omUK_kN));
        load->setF(Ry, omUnitValue(my, omUK_kNcm));
        return load;
    }

    // A linear load of one component from start to end (relative).
    omLoadLinear* linearLoad(omDofType t, double start, double end, double qs, double qe) {
        auto* load = bound(new omLoadLinear(omDofStrakonStructureType::instance(), 1));
        load->setStart(start);
        load->setEnd(end);
        const omUnitKey key = t == Ry ? omUK_kNcm_cm : omUK_kN_cm;
        load->setFs(t, omUnitValue(qs, key));
        load->setFe(t, omUnitValue(qe, key));
        return load;
    }

    omLoadTemperature* temperature(double tPos, double tNeg) {
        auto* load = bound(new omLoadTemperature(omDofStrakonStructureType::instance(), 1));
        load->setT(1, 1, omUnitValue(tPos, omUK_degC));
        load->setT(2, 1, omUnitValue(tNeg, omUK_degC));
        return load;
    }

    omLoadManager m_manager;
};

} // namespace modeltest
