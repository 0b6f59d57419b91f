#pragma once
// The materials, sections and reinforcement that the design tests share:
// C30/37 concrete, B500 reinforcement, a 30/50 cm beam with 3 bars of 20 mm at
// the bottom, 2 of 10 mm at the top, cover 3 cm and two-legged stirrups of 8 mm
// every 20 cm, and a 40/40 cm column with 2 bars of 20 mm per face at 5 cm.
// The factors are the defaults: gamma c 1.5, gamma s 1.15.
//
// The RC beam (addRCBeam): that 30/50 beam, simply supported over 6.00 m under
// q = 22.222 kN/m in one ultimate and one serviceability case, 100 kNm at
// mid-span and 66.7 kN at the ends; solved with the program's 9 inner points it
// has 11 result points, the middle one at 0.5.
#include "app/design/SafetyFactorsEC.h"
#include "app/design/omConcrete.h"
#include "app/design/omRCSteel.h"
#include "model/omBar.h"
#include "model/omDesignElement.h"
#include "model/omLoad.h"
#include "model/omLoadCase.h"
#include "model/omLoadManager.h"
#include "model/omStrakon.h"
#include "model/omCrossSectionRect.h"
#include "model/omRCDesignBeamData.h"
#include "model/omStringMatrix.h"

#include <string>
#include <vector>

#include <cmath>
#include <numbers>

namespace designtest {

inline double barArea(int n, double fiCm) {
    return n * std::numbers::pi * fiCm * fiCm / 4.0;
}

// The default factors, whatever the test machine's settings hold.
inline void useDefaultFactors() {
    SafetyFactorsEC2& f = SafetyFactorsEC::Instance()->m_EC2;
    f.m_steelServiceability = 1.0;
    f.m_steelUltimatePermanent = 1.15;
    f.m_steelUltimateAccidental = 1.0;
    f.m_steelUltimateSeismic = 1.0;
    f.m_concreteServiceability = 1.0;
    f.m_concreteUltimatePermanent = 1.5;
    f.m_concreteUltimateAccidental = 1.2;
    f.m_concreteUltimateSeismic = 1.2;
}

inline omConcrete* newC30(unsigned id = 1) {
    auto* c = new omConcrete(id);
    c->setName("C30/37");
    c->setE(omUnitValue(3300.0, omUK_kN_cm2));
    c->setFck(omUnitValue(3.0, omUK_kN_cm2));
    c->setFct(omUnitValue(0.29, omUK_kN_cm2));
    return c;
}

inline omRCSteel* newB500(unsigned id = 2) {
    auto* s = new omRCSteel(id);
    s->setName("B500");
    s->setFyk(omUnitValue(50.0, omUK_kN_cm2));
    return s;
}

inline omStringMatrix table(const std::vector<std::vector<std::string>>& rows) {
    omStringMatrix m;
    const int cols = rows.empty() ? 0 : static_cast<int>(rows.front().size());
    m.Resize(static_cast<int>(rows.size()), cols);
    for (int r = 0; r < m.GetRows(); ++r)
        for (int c = 0; c < cols; ++c)
            m.At(r, c) = rows[r][c];
    return m;
}

// A band of one row: entries of N, Fi [mm], XS, XE.
inline omBarBand band(const std::vector<std::vector<std::string>>& entries, double coverCm) {
    omBarVec row;
    row.setStringMatrix(table(entries));
    omBarBand b;
    b.setRow1(row);
    b.setCover(omUnitValue(coverCm, omUK_cm));
    return b;
}

// Entries of N, Fi [mm], E [cm], XS, XE.
inline omStirrupVec stirrups(const std::vector<std::vector<std::string>>& entries) {
    omStirrupVec v;
    v.setStringMatrix(table(entries));
    return v;
}

// The beam's reinforcement over the whole member.
inline omRCDesignBeamData beamData() {
    omRCDesignBeamData d;
    d.getBottomBand() = band({{"3", "20", "0", "1"}}, 3.0);
    d.getTopBand() = band({{"2", "10", "0", "1"}}, 3.0);
    d.getStirrups() = stirrups({{"2", "8", "20", "0", "1"}});
    return d;
}

// The column's: 2 bars of 20 mm on each face, their centres 5 cm inside.
inline omRCDesignBeamData columnData() {
    omRCDesignBeamData d;
    d.getBottomBand() = band({{"2", "20", "0", "1"}}, 4.0);
    d.getTopBand() = band({{"2", "20", "0", "1"}}, 4.0);
    d.getStirrups() = stirrups({{"2", "8", "20", "0", "1"}});
    return d;
}

// The numbers of the RC beam's parts.
struct RCBeam {
    static constexpr unsigned concrete = 10;
    static constexpr unsigned steel = 11;
    static constexpr unsigned section = 10;
    static constexpr unsigned member = 1;
    static constexpr int ultimate = 1;       // the load case "U"
    static constexpr int serviceability = 2; // the load case "S"
    static constexpr std::size_t points = 11;
    static constexpr std::size_t mid = 5;
    static constexpr const char* group = "G";
};

// Adds the RC beam to a structure that holds no load cases yet: the materials,
// the section, nodes 1 and 2 (0 and 600 cm), member 1 with its load in the
// load group "G" (added when missing), the cases "U" and "S" with factor 1 on
// every group. The member gets no design data.
inline omDesignElement* addRCBeam(omStrakon& s) {
    s.addMaterial(newC30(RCBeam::concrete), RCBeam::concrete);
    s.addMaterial(newB500(RCBeam::steel), RCBeam::steel);
    s.addCrossSection(new omCrossSectionRect(50.0, 30.0, omUK_cm, RCBeam::section), RCBeam::section);
    s.addNode(0.0, 0.0, "cm", 1);
    s.addNode(600.0, 0.0, "cm", 2);
    s.setSupport(1, Ux, true);
    s.setSupport(1, Uz, true);
    s.setSupport(2, Uz, true);
    omDesignElement* member = s.addElement(1, 2, RCBeam::section, RCBeam::concrete, RCBeam::member);
    if (!member) return nullptr;
    member->setMaterialIndex2(RCBeam::steel);
    if (s.getLoadManager()->getGroupIndex(RCBeam::group) == 0) s.addLoadGroup(RCBeam::group);
    auto* load = new omLoadLinear(s.getStructureType(), 0);
    load->setFs(Uz, omUnitValue(0.22222, omUK_kN_cm));
    load->setFe(Uz, omUnitValue(0.22222, omUK_kN_cm));
    load->setStart(0.0);
    load->setEnd(1.0);
    s.addElementLoad(RCBeam::member, load, RCBeam::group);
    for (auto [name, state] : {std::pair{"U", omLoadCase::lsUltimate}, std::pair{"S", omLoadCase::lsServiceability}})
        if (omLoadCase* lc = s.addLoadCase(name, state))
            for (int k = 1; k <= lc->size(); ++k)
                (*lc)(k) = 1.0;
    return member;
}

// The RC beam's design data: the reinforcement of beamData, support widths
// off, case "U" for the ultimate and "S" for the serviceability design.
inline omRCDesignBeamData rcBeamData() {
    omRCDesignBeamData d = beamData();
    d.enableSupportWidth(false);
    std::pair<std::vector<int>, std::vector<int>> lists{{RCBeam::ultimate}, {RCBeam::serviceability}};
    d.transferLC(omGenericDesignData::lctIn, lists);
    return d;
}

} // namespace designtest
