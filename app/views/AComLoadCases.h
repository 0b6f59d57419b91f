#pragma once
// The undoable commands on the load cases: adding one, removing one and
// changing one cell of the load-combinations grid (name, limit state, creep
// coefficient, an action's factor). The members' design data keep lists of
// load cases; the commands save those lists at their first execution and give
// them back at Undo.
#include "app/views/ACommandManager.h"
#include "model/omElementMap.h"
#include "model/omEnvelope.h"
#include "model/omLoadManager.h"

#include <memory>
#include <vector>

class omLoadCase;

class AComAddLoadCase : public ACommand {
public:
    AComAddLoadCase();
    ~AComAddLoadCase() override;
    void Execute(AStructureDocument* pDoc) override;
    void Undo(AStructureDocument* pDoc) override;
    CString GetName() override { return "Add Load Case"; }

private:
    omElementMap::DesignDataLC m_designLists;
    bool m_saved = false;
};

class AComDeleteLoadCase : public ACommand {
public:
    // number: 1-based; a number that is no case's makes the command do nothing.
    explicit AComDeleteLoadCase(int number);
    ~AComDeleteLoadCase() override;
    void Execute(AStructureDocument* pDoc) override;
    void Undo(AStructureDocument* pDoc) override;
    CString GetName() override { return "Remove Load Case"; }

private:
    int m_number;
    omLoadManager m_manager;
    omElementMap::DesignDataLC m_designLists;
    bool m_saved = false;
    bool m_done = false;
};

class AComChangeLoadCase : public ACommand {
public:
    // Column 0 the name, 1 the limit state, 2 the creep coefficient, k >= 3 the
    // factor of action k - 2. A blank name, a text that is not a finite number,
    // an unknown case and a column beyond the last action change nothing.
    AComChangeLoadCase(int number, int column, const CString& text);
    ~AComChangeLoadCase() override;
    void Execute(AStructureDocument* pDoc) override;
    void Undo(AStructureDocument* pDoc) override;
    CString GetName() override { return "Change Load Case Data"; }

    // The limit state of a grid text; any text but the six named ones is "Ult. Seismic".
    static omLoadCase::LimitState ReadLimitState(const CString& text);

private:
    // Whether the cell's text can be applied to the model as it is now.
    bool Applies(const omLoadManager& manager, double& number) const;

    int m_column;
    int m_number;
    CString m_text;
    std::unique_ptr<omLoadCase> m_former;
    omElementMap::DesignDataLC m_designLists;
    // A limit state moves the case into or out of envelopes: their case lists
    // before the first change, given back at Undo.
    std::vector<omEnvelope> m_envelopes;
    bool m_saved = false;
    bool m_done = false;
};
