#pragma once
// Builds small plane frames through the structure object's editing entry points
// and reads their results back, for the tests of the members and the solution.
// Lengths are in cm, forces in kN, E in kN/cm2, so that the closed forms of the
// tests need no unit factors. z points down: a positive z load pushes a beam
// down and gives it a positive (sagging) moment.
#include "SolveRoad.h"
#include "model/omDesignElement.h"
#include "model/omElementMap.h"
#include "model/omElementResult.h"
#include "model/omGenericCrossSection.h"
#include "model/omLinearDesignElement2D.h"
#include "model/omLoad.h"
#include "model/omLoadManager.h"
#include "model/omMaterial.h"
#include "model/omNode.h"
#include "model/omNodeMap.h"
#include "model/omStrakon.h"

#include <cmath>
#include <initializer_list>
#include <string>

namespace frametest {

constexpr double kE = 21000.0; // kN/cm2
constexpr double kA = 100.0;   // cm2
constexpr double kI = 10000.0; // cm4
constexpr double kH = 30.0;    // cm, section height
constexpr double kB = 20.0;    // cm, section breadth

class Frame {
public:
    Frame() {
        s.setupObjects();
        material(1, kE);
        section(1, kA, kI, kH, kB);
        s.addLoadGroup("G");
    }

    void material(unsigned id, double E, double alphaT = 1.2e-5) {
        s.addMaterial(new omMaterial(E, 0.0, alphaT, 0.0, 0.3, id), id);
    }
    void material(omMaterial* m, unsigned id) { s.addMaterial(m, id); }
    void section(unsigned id, double A, double I, double h = kH, double b = kB) {
        auto* cs = new omGenericCrossSection(omUnitValue(A, omUK_cm2), omUnitValue(I, omUK_cm4), id);
        cs->setProperty(omGenericCrossSection::pHeight, omUnitValue(h, omUK_cm));
        cs->setProperty(omGenericCrossSection::pBreadth, omUnitValue(b, omUK_cm));
        s.addCrossSection(cs, id);
    }

    omNode* node(unsigned id, double x, double z) { return s.addNode(x, z, "cm", id); }
    void fix(unsigned node, std::initializer_list<omDofType> dofs) {
        for (omDofType t : dofs)
            s.setSupport(node, t, true);
    }
    omLinearDesignElement2D* member(unsigned id, unsigned n1, unsigned n2, unsigned fes = 1, unsigned cs = 1,
                                    unsigned mat = 1) {
        auto* e = dynamic_cast<omLinearDesignElement2D*>(s.addElement(n1, n2, cs, mat, id));
        if (e) e->setNumberOfFE(fes);
        return e;
    }

    // A load case with factor 1 on every group ("G" and any added later).
    omLoadCase* loadCase(const std::string& name, omLoadCase::LimitState state = omLoadCase::lsUltimate) {
        omLoadCase* lc = s.addLoadCase(name, state);
        if (lc)
            for (int k = 1; k <= lc->size(); ++k)
                (*lc)(k) = 1.0;
        return lc;
    }

    // Member loads, in kN, kN/cm, kNcm and degrees Celsius.
    void uniform(unsigned element, double qz, double qx = 0.0, const std::string& group = "G") {
        linear(element, qz, qz, 0.0, 1.0, qx, group);
    }
    omLoadLinear* linear(unsigned element, double qz1, double qz2, double a, double b, double qx = 0.0,
                         const std::string& group = "G") {
        auto* load = new omLoadLinear(s.getStructureType(), 0);
        load->setFs(Uz, omUnitValue(qz1, omUK_kN_cm));
        load->setFe(Uz, omUnitValue(qz2, omUK_kN_cm));
        load->setFs(Ux, omUnitValue(qx, omUK_kN_cm));
        load->setFe(Ux, omUnitValue(qx, omUK_kN_cm));
        load->setStart(a);
        load->setEnd(b);
        return s.addElementLoad(element, load, group) ? load : nullptr;
    }
    omLoadForce* point(unsigned element, double x, double Pz, double Px = 0.0, double My = 0.0,
                       const std::string& group = "G") {
        auto* load = new omLoadForce(s.getStructureType(), 0);
        load->setScope(omLoad::LocalCS);
        load->setF(Uz, omUnitValue(Pz, omUK_kN));
        load->setF(Ux, omUnitValue(Px, omUK_kN));
        load->setF(Ry, omUnitValue(My, omUK_kNcm));
        load->setX(x);
        return s.addElementLoad(element, load, group) ? load : nullptr;
    }
    omLoadTemperature* temperature(unsigned element, double top, double bottom,
                                   const std::string& group = "G") {
        auto* load = new omLoadTemperature(s.getStructureType(), 0);
        // The positive face is the bottom one (z down).
        load->setT(1, 1, omUnitValue(bottom, omUK_degC));
        load->setT(0, 1, omUnitValue(top, omUK_degC));
        return s.addElementLoad(element, load, group) ? load : nullptr;
    }
    void nodeForce(unsigned node, double Fx, double Fz, double My = 0.0, const std::string& group = "G") {
        auto* load = new omLoadForce(s.getStructureType(), 0);
        load->setF(Ux, omUnitValue(Fx, omUK_kN));
        load->setF(Uz, omUnitValue(Fz, omUK_kN));
        load->setF(Ry, omUnitValue(My, omUK_kNcm));
        s.addNodeLoad(node, load, group);
    }
    void settlement(unsigned node, omDofType t, double value, const std::string& group = "G") {
        auto* load = new omLoadDisplacement(s.getStructureType(), 0);
        load->setU(t, omUnitValue(value, t == Ry ? omUK_rad : omUK_cm));
        s.addNodeLoad(node, load, group);
    }

    bool solve(const solveroad::Options& options = {}) { return solveroad::run(s, options); }

    omDesignElement* element(unsigned id) { return s.getElementMap()->find(id); }
    // Internal force component t of member e at relative position x in case lc.
    double force(unsigned e, double x, omDofType t, unsigned lc = 1) {
        return element(e)->getResult().getForceAt(static_cast<int>(lc), x, t);
    }
    double M(unsigned e, double x, unsigned lc = 1) { return force(e, x, Ry, lc); }
    double N(unsigned e, double x, unsigned lc = 1) { return force(e, x, Ux, lc); }
    double V(unsigned e, double x, unsigned lc = 1) { return force(e, x, Uz, lc); }
    // Displacement component t of member e at the result point nearest to x.
    double u(unsigned e, double x, omDofType t, unsigned lc = 1) { return pointAt(e, x, lc).U.getDof(t); }
    double pressure(unsigned e, double x, unsigned lc = 1) { return pointAt(e, x, lc).pressure; }
    const omPointResult& pointAt(unsigned e, double x, unsigned lc = 1) {
        const omElementResult& r = element(e)->getResult();
        const auto& points = r.getPoints();
        size_t best = 0;
        for (size_t j = 1; j < points.size(); ++j)
            if (std::fabs(points[j] - x) < std::fabs(points[best] - x)) best = j;
        return r.getLCResult(lc)[best];
    }
    // A node's displacement (cm, rad) or reaction (kN, kNcm) in case lc.
    double nodeResult(unsigned node, omDofType t, unsigned lc = 1) {
        const omNode* n = s.getNodeMap()->find(node);
        return n->getResult(lc, t).GetValue();
    }

    omStrakon s;
};

} // namespace frametest
