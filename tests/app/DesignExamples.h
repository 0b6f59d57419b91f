#pragma once
// Two solved and designed structures, built through the model's own editing
// operations, for the design report's tests, the examples and the benchmark:
// - a steel portal: two HEA 200 columns and an IPE 300 beam in S235, fixed
//   at the base, under dead load (8 kN/m on the beam) and wind, an ultimate and a serviceability
//   case, every member with default steel design data (one field, K = 1, load
//   position -1);
// - the 30/50 beam of the EC2 tests: C30/37 and B500, simply supported over
//   6.00 m under q = 22.222 kN/m, with the fixture's reinforcement (3 bars of
//   20 mm at the bottom, 2 of 10 mm at the top, stirrups of 8 mm every 20 cm)
//   and without support widths.
#include "app/design/ADesignEC2.h"
#include "app/design/ADesignEC3.h"
#include "app/design/omConcrete.h"
#include "app/design/omRCSteel.h"
#include "model/omCrossSectionRect.h"
#include "model/omCrossSectionStandardI.h"
#include "model/omDesignElement.h"
#include "model/omElementMap.h"
#include "model/omLoad.h"
#include "model/omLoadManager.h"
#include "model/omMaterial.h"
#include "model/omRCDesignBeamData.h"
#include "model/omSteelDesignData.h"
#include "model/omStrakon.h"
#include "rezavud/omVector.h"
#include "tests/app/design/DesignFixtures.h"
#include "tests/model/SolveRoad.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace designexamples {

inline omVector caseFactors(std::initializer_list<double> values) {
    omVector v(static_cast<int>(values.size()));
    int i = 0;
    for (double x : values)
        v[i++] = x;
    return v;
}

// A row of the shipped I-section catalogue: dimensions in mm, values in cm.
inline omCrossSectionStandardI* catalogueSection(const char* group, const char* name,
                                                 std::initializer_list<double> numbers, unsigned id) {
    omStandardSectionIRecord row;
    row.setName(name);
    unsigned i = 1;
    for (double x : numbers)
        row.setNumber(i++, x);
    auto* section = new omCrossSectionStandardI(group, row, id);
    section->setName(name);
    return section;
}

inline omCrossSectionStandardI* ipe300(unsigned id) {
    return catalogueSection("IPE", "IPE 300",
                            {300, 150, 10.7, 7.1, 248.6, 53.812, 8356.11, 557.074, 603.778, 80.5038, 628.356,
                             20.1185, 125934},
                            id);
}

inline omCrossSectionStandardI* hea200(unsigned id) {
    return catalogueSection("HEA", "HEA 200",
                            {190, 200, 10, 6.5, 134, 53.8312, 3692.16, 388.648, 1335.51, 133.551, 429.485,
                             20.9849, 108000},
                            id);
}

inline omSteel* s235(unsigned id) {
    auto* steel = new omSteel(omUnitValue(23.5, omUK_kN_cm2), id);
    steel->setName("S235");
    steel->setE(omUnitValue(21000.0, omUK_kN_cm2));
    steel->setG(omUnitValue(8100.0, omUK_kN_cm2));
    steel->setFu(omUnitValue(36.0, omUK_kN_cm2));
    return steel;
}

// The design data's load cases: case 1 ultimate, case 2 serviceability.
template <class Data> void useCases(Data& data) {
    std::pair<std::vector<int>, std::vector<int>> lists{{1}, {2}};
    data.transferLC(omGenericDesignData::lctIn, lists);
}

// Columns 1 and 3, beam 2; nodes 1 and 4 at the base. Solved when solve, and
// designed when design too.
inline void buildSteelPortal(omStrakon& s, bool solve = true, bool design = true) {
    s.addMaterial(s235(1), 1);
    s.addCrossSection(hea200(1), 1);
    s.addCrossSection(ipe300(2), 2);
    s.addNode(0.0, 0.0, "m", 1);
    s.addNode(0.0, -4.0, "m", 2);
    s.addNode(6.0, -4.0, "m", 3);
    s.addNode(6.0, 0.0, "m", 4);
    for (unsigned n : {1u, 4u})
        for (omDofType d : {Ux, Uz, Ry})
            s.setSupport(n, d, true);
    s.addElement(1, 2, 1, 1, 1)->setName("Left column");
    s.addElement(2, 3, 2, 1, 2)->setName("Beam");
    s.addElement(3, 4, 1, 1, 3)->setName("Right column");
    s.addLoadGroup("Dead load");
    s.addLoadGroup("Wind");
    const omDofStructureType* type = s.getStructureType();
    auto* q = new omLoadLinear("Roof", type, 0);
    q->setFs(Uz, omUnitValue(8.0, omUK_kN_m));
    q->setFe(Uz, omUnitValue(8.0, omUK_kN_m));
    s.addElementLoad(2, q, "Dead load");
    auto* w = new omLoadForce("Wind", type, 0);
    w->setF(Ux, omUnitValue(10.0, omUK_kN));
    s.addNodeLoad(2, w, "Wind");
    s.addLoadCase("ULT", omLoadCase::lsUltimate, caseFactors({1.35, 1.5}));
    s.addLoadCase("SER", omLoadCase::lsServiceability, caseFactors({1.0, 1.0}));
    for (unsigned id = 1; id <= 3; ++id) {
        omSteelDesignData data;
        useCases(data);
        s.getElementMap()->find(id)->setDesignData(&data); // the member keeps a copy
    }
    if (!solve) return;
    solveroad::run(s);
    if (!design) return;
    for (unsigned id = 1; id <= 3; ++id)
        DesignSteelElement(&s, id);
}

// The beam is element 1 on nodes 1 and 2.
inline void buildRCBeam(omStrakon& s, bool solve = true, bool design = true) {
    designtest::useDefaultFactors();
    s.addMaterial(designtest::newC30(1), 1);
    s.addMaterial(designtest::newB500(2), 2);
    s.addCrossSection(new omCrossSectionRect(50.0, 30.0, omUK_cm, 1), 1);
    s.addNode(0.0, 0.0, "m", 1);
    s.addNode(6.0, 0.0, "m", 2);
    s.setSupport(1, Ux, true);
    s.setSupport(1, Uz, true);
    s.setSupport(2, Uz, true);
    omDesignElement* beam = s.addElement(1, 2, 1, 1, 1);
    beam->setName("Beam");
    beam->setMaterialIndex2(2);
    s.addLoadGroup("Load");
    auto* q = new omLoadLinear("Floor", s.getStructureType(), 0);
    q->setFs(Uz, omUnitValue(22.222, omUK_kN_m));
    q->setFe(Uz, omUnitValue(22.222, omUK_kN_m));
    s.addElementLoad(1, q, "Load");
    s.addLoadCase("ULT", omLoadCase::lsUltimate, caseFactors({1.0}));
    s.addLoadCase("SER", omLoadCase::lsServiceability, caseFactors({1.0}));
    omRCDesignBeamData data = designtest::beamData();
    data.enableSupportWidth(false);
    useCases(data);
    beam->setDesignData(&data);
    if (!solve) return;
    solveroad::run(s);
    if (design) ADesignEC2::Run(1, &s);
}

} // namespace designexamples
