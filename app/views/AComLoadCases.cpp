#include "app/views/AComLoadCases.h"

#include "app/shell/AProjectWorkspaceWndInterface.h"
#include "app/shell/AStrakonDocument.h"
#include "app/views/ACommandSteps.h"
#include "app/views/AStrakon.h"
#include "model/omLoadCase.h"

using namespace ACommandSteps;

namespace {

void SendCaseHints(AStrakonDocument& doc, bool caseGone) {
    if (caseGone) Hint(doc, 3200);
    Hint(doc, 4000);
    Hint(doc, 5100);
    if (AProjectWorkspaceWndInterface* project = ProjectWindow()) project->UpdateLoadCases(&doc);
}

// The members' design load-case lists, taken once, before the first change.
void SaveDesignLists(omStrakon& model, omElementMap::DesignDataLC& lists, bool& saved) {
    if (saved) return;
    saved = true;
    if (omElementMap* elements = model.getElementMap())
        elements->transferDesignDataLC(omGenericDesignData::lctOut, lists);
}

void RestoreDesignLists(omStrakon& model, omElementMap::DesignDataLC& lists) {
    if (lists.empty()) return;
    if (omElementMap* elements = model.getElementMap()) elements->transferDesignDataLC(omGenericDesignData::lctIn, lists);
}

void TellDesignData(omStrakon& model, int number, omGenericDesignData::LCC change, const omLoadCase* lc) {
    if (omElementMap* elements = model.getElementMap()) elements->modifyDesignDataLC(number, change, lc);
}

} // namespace

// ---- AComAddLoadCase ---------------------------------------------------------------------------------------

AComAddLoadCase::AComAddLoadCase() = default;
AComAddLoadCase::~AComAddLoadCase() = default;

void AComAddLoadCase::Execute(AStructureDocument* pDoc) {
    AStrakonDocument* doc = Strakon(pDoc);
    AStrakon* model = doc ? ClearedModel(*doc) : nullptr;
    omLoadManager* manager = model ? model->getLoadManager() : nullptr;
    if (!manager) return;
    const int n = manager->caseSize();
    const CString name = Unique(CString::Formatted("Load case: %i", n + 1), "-%d",
                                [&](const CString& tried) { return manager->getLoadCaseIndex(tried) != 0; });
    auto* lc = new omLoadCase(name, omLoadCase::lsUltimate, model->getStructureType());
    if (manager->addCase(lc, true) != 0) {
        delete lc;
        return;
    }
    SaveDesignLists(*model, m_designLists, m_saved);
    TellDesignData(*model, n + 1, omGenericDesignData::lccAdded, lc);
    SendCaseHints(*doc, false);
}

void AComAddLoadCase::Undo(AStructureDocument* pDoc) {
    AStrakonDocument* doc = Strakon(pDoc);
    AStrakon* model = doc ? ClearedModel(*doc) : nullptr;
    omLoadManager* manager = model ? model->getLoadManager() : nullptr;
    if (!manager) return;
    if (manager->caseSize() > 0) manager->deleteCase(manager->caseSize());
    RestoreDesignLists(*model, m_designLists);
    SendCaseHints(*doc, true);
}

// ---- AComDeleteLoadCase ------------------------------------------------------------------------------------

AComDeleteLoadCase::AComDeleteLoadCase(int number) : m_number(number) {}
AComDeleteLoadCase::~AComDeleteLoadCase() = default;

void AComDeleteLoadCase::Execute(AStructureDocument* pDoc) {
    AStrakonDocument* doc = Strakon(pDoc);
    AStrakon* model = doc ? doc->GetModel() : nullptr;
    omLoadManager* manager = model ? model->getLoadManager() : nullptr;
    m_done = manager && m_number >= 1 && m_number <= manager->caseSize();
    if (!m_done) return;
    model->clearResults();
    m_manager.copy(*manager);
    manager->deleteCase(m_number);
    SaveDesignLists(*model, m_designLists, m_saved);
    TellDesignData(*model, m_number, omGenericDesignData::lccDeleted, nullptr);
    SendCaseHints(*doc, true);
}

void AComDeleteLoadCase::Undo(AStructureDocument* pDoc) {
    AStrakonDocument* doc = Strakon(pDoc);
    AStrakon* model = doc && m_done ? ClearedModel(*doc) : nullptr;
    omLoadManager* manager = model ? model->getLoadManager() : nullptr;
    if (!manager) return;
    manager->copy(m_manager);
    // The copy replaced every action the loads point at.
    model->bindLoadGroups();
    RestoreDesignLists(*model, m_designLists);
    SendCaseHints(*doc, false);
}

// ---- AComChangeLoadCase ------------------------------------------------------------------------------------

AComChangeLoadCase::AComChangeLoadCase(int number, int column, const CString& text)
    : m_column(column), m_number(number), m_text(text) {}

AComChangeLoadCase::~AComChangeLoadCase() = default;

omLoadCase::LimitState AComChangeLoadCase::ReadLimitState(const CString& text) {
    static const std::pair<const char*, omLoadCase::LimitState> kStates[] = {
        {"Ultimate", omLoadCase::lsUltimate},         {"Serviceability", omLoadCase::lsServiceability},
        {"Creeping", omLoadCase::lsCreep},            {"Skewness", omLoadCase::lsSkew},
        {"Ultimate P&T", omLoadCase::lsUltimatePT}, {"Ult. Accidental", omLoadCase::lsUltimateAccidental}};
    for (const auto& [name, state] : kStates)
        if (text == name) return state;
    return omLoadCase::lsUltimateSeismic;
}

bool AComChangeLoadCase::Applies(const omLoadManager& manager, double& number) const {
    if (m_number < 1 || m_number > manager.caseSize() || m_column < 0) return false;
    switch (m_column) {
    case 0: return !IsBlank(m_text);
    case 1: return true;
    case 2: return ReadNumber(m_text, number);
    default:
        // A column beyond the last action would write past the factors.
        return m_column - 3 < manager.getCase(m_number)->size() && ReadNumber(m_text, number);
    }
}

void AComChangeLoadCase::Execute(AStructureDocument* pDoc) {
    AStrakonDocument* doc = Strakon(pDoc);
    AStrakon* model = doc ? doc->GetModel() : nullptr;
    omLoadManager* manager = model ? model->getLoadManager() : nullptr;
    double number = 0.0;
    m_done = manager && Applies(*manager, number);
    if (!m_done) return;
    model->clearResults();
    omLoadCase* lc = manager->getCase(m_number);
    if (!m_former) m_former.reset(lc->clone());
    switch (m_column) {
    case 0: {
        auto taken = [&](const CString& name) { return manager->getLoadCaseIndex(name) != 0; };
        const int holder = manager->getLoadCaseIndex(m_text);
        if (holder != 0 && holder != m_number) m_text = Unique(m_text, "_%d", taken);
        lc->setName(m_text);
        break;
    }
    case 1:
        if (!m_saved)
            for (int k = 1; k <= manager->envelopeSize(); ++k)
                m_envelopes.push_back(*manager->getEnvelope(static_cast<unsigned>(k)));
        lc->setLimitState(ReadLimitState(m_text));
        manager->updateEnvelopes(static_cast<unsigned>(m_number), lc);
        SaveDesignLists(*model, m_designLists, m_saved);
        TellDesignData(*model, m_number, omGenericDesignData::lccChanged, lc);
        break;
    case 2: lc->setFiCreep(number); break;
    default: (*lc)[m_column - 3] = number; break;
    }
    SendCaseHints(*doc, false);
}

void AComChangeLoadCase::Undo(AStructureDocument* pDoc) {
    AStrakonDocument* doc = Strakon(pDoc);
    AStrakon* model = doc && m_done ? ClearedModel(*doc) : nullptr;
    omLoadManager* manager = model ? model->getLoadManager() : nullptr;
    omLoadCase* lc = manager && m_former ? manager->getCase(m_number) : nullptr;
    if (!lc) return;
    lc->copy(*m_former);
    if (static_cast<int>(m_envelopes.size()) == manager->envelopeSize())
        for (int k = 1; k <= manager->envelopeSize(); ++k)
            manager->getEnvelope(static_cast<unsigned>(k))->copy(m_envelopes[static_cast<size_t>(k - 1)]);
    RestoreDesignLists(*model, m_designLists);
    SendCaseHints(*doc, false);
}
