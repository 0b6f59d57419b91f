#pragma once
// Loads of one load group "G" with factor 1, bound to the fixture's own load
// manager, for the tests of single finite elements. Forces in kN, distributed
// loads in kN/cm or kNcm/cm, temperatures in °C; positions are fractions of the
// element's length.
#include "model/omDofStructureType.h"
#include "model/omLoad.h"
#include "model/omLoadGroup.h"
#include "model/omLoadManager.h"

namespace modeltest {

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
