#pragma once
// The EC2 design of one reinforced-concrete member from the results of a
// solved structure: bending with axial force against the interaction diagrams
// of its reinforced sections and shear against its stirrups for the active
// ultimate load cases, crack widths for the active serviceability cases. The
// results go into the member's omRCDesignBeamData, one entry per result point.
//
// One object serves one design run: built on the stack, used, destroyed.
// PrepareSections must run before DesignBending and CheckCracks.
//
// Units: lengths in cm, areas in cm2, forces in kN, moments in kNcm; the
// empirical shear and crack formulas take stresses in N/mm2, the section
// functions in kN/cm2. Crack widths are in mm.
#include "app/design/InteractionDiagram.h"
#include "platform/core/CString.h"

#include <utility>
#include <vector>

class omConcrete;
class omCrossSection;
class omDesignElement;
class omLoadCase;
class omRCDesignBeamData;
class omRCSteel;
class omStrakon;

class ADesignEC2 {
public:
    // A stretch of constant longitudinal reinforcement.
    struct Stretch {
        double start = 0.0; // relative position
        int section = 0;    // index into the section list
    };
    // A distinct reinforced section. Copies take the four numbers only and
    // leave the diagram empty; PrepareSections builds the diagrams.
    struct Section {
        double AsTop = 0.0;
        double AsBot = 0.0;
        double aTop = 0.0; // centroid of the top bars below the top edge
        double aBot = 0.0; // centroid of the bottom bars above the bottom edge
        InteractionDiagram diagram;

        Section() = default;
        Section(double asTop, double asBot, double aTop_, double aBot_)
            : AsTop(asTop), AsBot(asBot), aTop(aTop_), aBot(aBot_) {}
        Section(const Section& other);
        Section& operator=(const Section& other);
        bool sameReinforcement(const Section& other) const;
    };

    // The model is not owned; the member is looked up by its number.
    ADesignEC2(unsigned elementNumber, omStrakon* model);
    ADesignEC2(const ADesignEC2&) = delete;
    ADesignEC2& operator=(const ADesignEC2&) = delete;
    virtual ~ADesignEC2();

    // Whether the member can be designed. reason may be null; it is emptied
    // first and receives the numbered reasons when the design is impossible.
    bool IsDesignPossible(CString* reason);
    // Builds the stretches, the distinct sections and their diagrams.
    bool PrepareSections();
    // Each fills its list (one entry per result point, zeros first) and returns
    // the largest utilisation; CheckCracks returns the largest crack width
    // divided by the limit width 0.3 mm. Nothing is computed, and 0 returned,
    // when the design is impossible.
    double DesignShear(std::vector<double>& shearResults);
    double DesignBending(std::vector<std::pair<double, double>>& nmResults);
    double CheckCracks(std::vector<std::pair<double, double>>& crackResults);

    // The structure document's design run of one member: resets the member's
    // results and, when its design is possible, runs the checks its switches
    // ask for and stores both factors. False when the member, its design data
    // or valid results are missing, or the design is impossible.
    static bool Run(unsigned elementNumber, omStrakon* model);

    // The limit crack width the serviceability factor is measured against (mm).
    static constexpr double limitCrackWidth = 0.3;

    const std::vector<Stretch>& getStretches() const { return m_stretches; }
    const std::vector<Section>& getSections() const { return m_sections; }
    const omDesignElement* getElement() const { return m_element; }

    // The section of the stretch at x; at a change of reinforcement the one with
    // more steel. Null before PrepareSections.
    const Section* SectionAt(double x) const;
    // d at x for a moment of that sign (the top is in tension for M < 0).
    double EffectiveDepth(double x, double M) const;
    // The least tension steel within dRel either side of x.
    double AnchoredTensionArea(double dRel, double x, double M) const;
    void BuildInteractionDiagrams();

private:
    // The load case, when the number names one with results for every point of the member.
    const omLoadCase* usableCase(int lc) const;
    double coverTop() const;
    double coverBottom() const;

    omStrakon* m_model;
    omDesignElement* m_element = nullptr;
    omRCDesignBeamData* m_data = nullptr;
    const omConcrete* m_concrete = nullptr;
    const omRCSteel* m_steel = nullptr;
    const omCrossSection* m_section = nullptr;
    std::vector<Stretch> m_stretches;
    std::vector<Section> m_sections;
};
