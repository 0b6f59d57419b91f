#pragma once
// Structures with every kind of datum a structure file holds, built through the
// model's own editing operations, for the file tests, the examples and the
// benchmark.
#include "app/design/omConcrete.h"
#include "app/design/omRCSteel.h"
#include "common/omUnitValue.h"
#include "model/omCrossSectionBox.h"
#include "model/omCrossSectionCircle.h"
#include "model/omCrossSectionIDS.h"
#include "model/omCrossSectionMap.h"
#include "model/omCrossSectionRect.h"
#include "model/omCrossSectionStandardI.h"
#include "model/omCrossSectionT.h"
#include "model/omCrossSectionTube.h"
#include "model/omDesignElement.h"
#include "model/omElementMap.h"
#include "model/omEnvelope.h"
#include "model/omGenericCrossSection.h"
#include "model/omLinearDesignElement2D.h"
#include "model/omLoad.h"
#include "model/omLoadManager.h"
#include "model/omMaterial.h"
#include "model/omMaterialMap.h"
#include "model/omRCDesignBeamData.h"
#include "model/omSteelDesignData.h"
#include "model/omStrakon.h"
#include "rezavud/omVector.h"
#include "tests/model/SolveRoad.h"

#include <string>

namespace structurefile {

inline omVector factors(std::initializer_list<double> values) {
    omVector v(static_cast<int>(values.size()));
    int i = 0;
    for (double x : values)
        v[i++] = x;
    return v;
}

inline void addConcreteAndSteel(omStrakon& s) {
    auto* concrete = new omConcrete(1);
    concrete->setName("C25/30");
    concrete->setE(omUnitValue(3100.0, omUK_kN_cm2));
    concrete->setG(omUnitValue(1300.0, omUK_kN_cm2));
    concrete->setAlfaT(omUnitValue(1e-5, omUK_per_degC));
    concrete->setRo(omUnitValue(2500.0, omUK_kg_m3));
    concrete->setFck(omUnitValue(2.5, omUK_kN_cm2));
    concrete->setFct(omUnitValue(0.26, omUK_kN_cm2));
    concrete->setColor(0x00C0C0C0);
    s.addMaterial(concrete, 1);
    auto* steel = new omSteel(omUnitValue(23.5, omUK_kN_cm2), 2);
    steel->setName("S235");
    steel->setE(omUnitValue(21000.0, omUK_kN_cm2));
    steel->setG(omUnitValue(8100.0, omUK_kN_cm2));
    steel->setAlfaT(omUnitValue(1.2e-5, omUK_per_degC));
    steel->setRo(omUnitValue(7850.0, omUK_kg_m3));
    steel->setFu(omUnitValue(36.0, omUK_kN_cm2));
    steel->setPoisson(0.3);
    s.addMaterial(steel, 2);
}

// A fixed-base portal frame with a hinge, every load kind, all limit states,
// an envelope and the results of a solution.
inline void buildPortal(omStrakon& s, bool solve = true) {
    addConcreteAndSteel(s);
    s.addCrossSection(new omCrossSectionRect(40.0, 30.0, omUK_cm, 1), 1);
    s.addCrossSection(new omCrossSectionIDS(40.0, 20.0, 1.0, 1.5, 0.5, "cm", 2), 2);
    s.addNode(0.0, 0.0, "m", 1);
    s.addNode(0.0, -4.0, "m", 2);
    s.addNode(6.0, -4.0, "m", 3);
    s.addNode(6.0, 0.0, "m", 4);
    for (unsigned n : {1u, 4u})
        for (omDofType d : {Ux, Uz, Ry})
            s.setSupport(n, d, true);
    s.addElement(1, 2, 1, 1, 1)->setName("Left column");
    omDesignElement* beam = s.addElement(2, 3, 2, 2, 2);
    beam->setName("Beam");
    beam->release(omDesignElement::second, Ry, true);
    s.addElement(3, 4, 1, 1, 3);
    omSteelDesignData steel; // the member keeps a copy
    beam->setDesignData(&steel);
    omRCDesignBeamData concrete;
    s.getElementMap()->find(1)->setDesignData(&concrete);
    s.addLoadGroup("Dead load");
    s.addLoadGroup("Live load");
    s.addLoadGroup("Temperature");
    const omDofStructureType* type = s.getStructureType();
    auto* f = new omLoadForce("Crane", type, 0);
    f->setF(Uz, omUnitValue(25.0, omUK_kN));
    f->setX(0.4);
    s.addElementLoad(2, f, "Live load");
    auto* q = new omLoadLinear("Roof", type, 0);
    q->setFs(Uz, omUnitValue(10.0, omUK_kN_m));
    q->setFe(Uz, omUnitValue(15.0, omUK_kN_m));
    q->setStart(0.1);
    q->setEnd(0.9);
    s.addElementLoad(2, q, "Dead load");
    auto* t = new omLoadTemperature("Sun", type, 0);
    t->setT(1, 1, omUnitValue(20.0, omUK_degC));
    t->setT(0, 1, omUnitValue(-5.0, omUK_degC));
    s.addElementLoad(1, t, "Temperature");
    auto* h = new omLoadForce("Wind", type, 0);
    h->setF(Ux, omUnitValue(12.0, omUK_kN));
    s.addNodeLoad(2, h, "Live load");
    auto* u = new omLoadDisplacement("Settlement", type, 0);
    u->setU(Uz, omUnitValue(1.0, omUK_cm));
    s.addNodeLoad(4, u, "Dead load");
    const omLoadCase::LimitState states[] = {omLoadCase::lsUltimate,   omLoadCase::lsServiceability,
                                             omLoadCase::lsCreep,      omLoadCase::lsUltimateAccidental,
                                             omLoadCase::lsUltimatePT, omLoadCase::lsUltimateSeismic};
    int k = 1;
    for (omLoadCase::LimitState st : states) {
        omLoadCase* lc = s.addLoadCase("Case " + std::to_string(k), st, factors({1.35, 1.5, 0.6 * k}));
        if (lc && st == omLoadCase::lsCreep) lc->setFiCreep(2.0);
        ++k;
    }
    auto* env = new omEnvelope();
    env->setName("Ultimate");
    env->setFilter(false, true, false);
    env->setQuantity(omEnvelope::qFz);
    s.getLoadManager()->addEnvelope(env);
    if (solve) solveroad::run(s);
}

// A beam on elastic ground with two loads.
inline void buildBeamOnGround(omStrakon& s, bool solve = true) {
    addConcreteAndSteel(s);
    s.addCrossSection(new omCrossSectionRect(50.0, 100.0, omUK_cm, 1), 1);
    s.addNode(0.0, 0.0, "m", 1);
    s.addNode(8.0, 0.0, "m", 2);
    auto* beam = dynamic_cast<omLinearDesignElement2D*>(s.addElement(1, 2, 1, 1, 1));
    beam->setElGroundType(ElGroundType(1));
    beam->setElGroundCoef(omUnitValue(0.01, omUK_kN_cm3));
    s.setSupport(1, Ux, true);
    s.addLoadGroup("Wall");
    auto* q = new omLoadLinear("Wall", s.getStructureType(), 0);
    q->setFs(Uz, omUnitValue(40.0, omUK_kN_m));
    q->setFe(Uz, omUnitValue(40.0, omUK_kN_m));
    s.addElementLoad(1, q, "Wall");
    s.addLoadCase("Wall", omLoadCase::lsServiceability, factors({1.0}));
    if (solve) solveroad::run(s);
}

// A cantilever column of the non-linear formulation under a compression and a push.
inline void buildNonLinearColumn(omStrakon& s, bool solve = true) {
    addConcreteAndSteel(s);
    s.addCrossSection(new omCrossSectionRect(30.0, 30.0, omUK_cm, 1), 1);
    s.addNode(0.0, 0.0, "m", 1);
    s.addNode(0.0, -5.0, "m", 2);
    for (omDofType d : {Ux, Uz, Ry})
        s.setSupport(1, d, true);
    s.addQuentraElement(1, 2, 1, 1, 1);
    s.addLoadGroup("Load");
    auto* p = new omLoadForce("Top", s.getStructureType(), 0);
    p->setF(Uz, omUnitValue(300.0, omUK_kN));
    p->setF(Ux, omUnitValue(5.0, omUK_kN));
    s.addNodeLoad(2, p, "Load");
    s.addLoadCase("Second order", omLoadCase::lsUltimate, factors({1.0}));
    if (solve) solveroad::run(s);
}

// Every cross-section and material class, with concrete and steel design data.
inline void buildSectionsAndMaterials(omStrakon& s) {
    addConcreteAndSteel(s);
    auto* reinforcement = new omRCSteel(3);
    reinforcement->setName("B500B");
    reinforcement->setFyk(omUnitValue(50.0, omUK_kN_cm2));
    reinforcement->setClass(omRCSteel::classB);
    s.addMaterial(reinforcement, 3);
    auto* plain = new omMaterial(1100.0, 50.0, 5e-6, 500.0, 0.25, 4);
    plain->setName("Timber C24");
    s.addMaterial(plain, 4);
    s.getMaterialMap()->setDefault(2);
    s.addCrossSection(new omCrossSectionRect(40.0, 30.0, omUK_cm, 1), 1);
    s.addCrossSection(new omCrossSectionCircle(30.0, omUK_cm, 2), 2);
    s.addCrossSection(new omCrossSectionT(60.0, 80.0, 25.0, 15.0, omUK_cm, 3), 3);
    auto* ids = new omCrossSectionIDS(50.0, 25.0, 1.2, 2.0, 0.6, "cm", 4);
    ids->setChangeAxis(true);
    ids->setRolled(true);
    s.addCrossSection(ids, 4);
    omStandardSectionIRecord row;
    row.setName("IPE 300");
    const double numbers[] = {30.0, 15.0, 1.07, 0.71, 24.86, 53.8, 8356.0, 557.0, 604.0, 80.5, 628.0, 20.1, 126000.0};
    for (unsigned i = 1; i <= 13; ++i)
        row.setNumber(i, numbers[i - 1]);
    s.addCrossSection(new omCrossSectionStandardI("IPE", row, 5), 5);
    auto* tube = new omCrossSectionTube(6);
    tube->setVariable(1, 20.0, "cm");
    tube->setVariable(2, 1.0, "cm");
    s.addCrossSection(tube, 6);
    auto* box = new omCrossSectionBox(7);
    const double dims[] = {40.0, 30.0, 1.0, 1.5, 2.0, 0.5};
    for (unsigned i = 1; i <= 6; ++i)
        box->setVariable(i, dims[i - 1], "cm");
    s.addCrossSection(box, 7);
    auto* generic = new omGenericCrossSection(omUnitValue(100.0, omUK_cm2), omUnitValue(5000.0, omUK_cm4), 8);
    generic->setName("Given");
    s.addCrossSection(generic, 8);
    s.getCrossSectionMap()->setDefault(1);
    s.addNode(0.0, 0.0, "m", 1);
    s.addNode(5.0, 0.0, "m", 2);
    s.addNode(10.0, 0.0, "m", 3);
    omRCDesignBeamData concrete; // the member keeps a copy
    s.addElement(1, 2, 1, 1, 1)->setDesignData(&concrete);
    omSteelDesignData steel; // the member keeps a copy
    s.addElement(2, 3, 5, 2, 2)->setDesignData(&steel);
    s.getElementMap()->find(1)->setMaterialIndex2(3);
}

} // namespace structurefile
