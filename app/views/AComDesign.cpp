#include "app/views/AComDesign.h"

#include "app/shell/AStrakonDocument.h"
#include "app/views/AComSupport.h"
#include "app/views/AStrakon.h"
#include "model/omDesignElement.h"
#include "model/omElementMap.h"
#include "model/omGenericDesignData.h"
#include "model/omLoadCase.h"
#include "model/omLoadManager.h"

// ---- ADesignDataStore ----------------------------------------------------

ADesignDataStore::~ADesignDataStore() { clear(); }

void ADesignDataStore::clear() {
    for (auto& entry : m_entries)
        delete entry.second;
    m_entries.clear();
}

void ADesignDataStore::Take(omElementMap& elements) {
    // What a former Take saved went back with Restore; anything left belongs
    // to a state the model no longer has.
    clear();
    for (elements.start_ii(); !elements.stop_ii(); elements.increment_ii()) {
        omDesignElement* member = elements.object_ii();
        omGenericDesignData* data = member->getDesignData();
        if (!data || data->verifyDesignDataType()) continue;
        m_entries.emplace_back(member->getIndex(), data->clone());
        member->setDesignData(nullptr);
    }
}

void ADesignDataStore::Restore(omElementMap& elements) {
    for (auto& [id, data] : m_entries)
        if (omDesignElement* member = elements.find(id)) member->setDesignData(data);
    clear();
}

// ---- AComDesignChangeData ------------------------------------------------

namespace {

omDesignElement* findMember(AStrakonDocument& doc, unsigned id) {
    omElementMap* members = doc.GetModel() ? doc.GetModel()->getElementMap() : nullptr;
    return members ? members->find(id) : nullptr;
}

void redesign(AStrakonDocument& doc, unsigned id) {
    doc.DesignElement(id);
    acom::Hint(doc, 6000 + static_cast<int>(id));
}

} // namespace

AComDesignChangeData::AComDesignChangeData(unsigned element, const omGenericDesignData* data)
    : m_element(element), m_new(data ? data->clone() : nullptr) {}

AComDesignChangeData::~AComDesignChangeData() {
    delete m_new;
    delete m_former;
}

void AComDesignChangeData::Execute(AStructureDocument* pDoc) {
    AStrakonDocument* doc = acom::Document(pDoc);
    if (!doc) return;
    omDesignElement* member = findMember(*doc, m_element);
    if (!member) return;
    if (!m_formerTaken) {
        m_formerTaken = true;
        if (member->getDesignData()) m_former = member->getDesignData()->clone();
    }
    member->setDesignData(m_new);
    // Also a first assignment: the design and summary views show the member anew.
    redesign(*doc, m_element);
}

void AComDesignChangeData::Undo(AStructureDocument* pDoc) {
    AStrakonDocument* doc = acom::Document(pDoc);
    if (!doc) return;
    omDesignElement* member = findMember(*doc, m_element);
    if (!member) return;
    member->setDesignData(m_former);
    redesign(*doc, m_element);
}

CString AComDesignChangeData::GetName() {
    CString name;
    name.Format("Modify the design data for the element (%i).", static_cast<int>(m_element));
    return name;
}

// ---- AComDesignSelectLC --------------------------------------------------

AComDesignSelectLC::AComDesignSelectLC(bool ultimate, unsigned element, int mode, const std::vector<int>* cases)
    : m_element(element), m_ultimate(ultimate), m_mode(mode) {
    if (cases) m_cases = *cases;
}

void AComDesignSelectLC::Execute(AStructureDocument* pDoc) {
    AStrakonDocument* doc = acom::Document(pDoc);
    if (!doc) return;
    omDesignElement* member = findMember(*doc, m_element);
    omGenericDesignData* data = member ? member->getDesignData() : nullptr;
    if (!data) return;
    if (!m_savedTaken) {
        m_savedTaken = true;
        data->transferLC(omGenericDesignData::lctOut, m_saved);
    }
    const omLoadManager* loads = doc->GetModel()->getLoadManager();
    const int cases = loads ? loads->caseSize() : 0;
    if (m_mode == 0) {
        for (int k = 1; k <= cases; ++k) {
            const omLoadCase* lc = loads->getCase(k);
            if (lc && (m_ultimate ? lc->isUltimate() : lc->isServiceability()))
                data->modifyLC(k, omGenericDesignData::lccAdded, lc, 0);
        }
    } else {
        data->clearLCActive(m_ultimate, !m_ultimate);
        if (m_mode != 1)
            for (int k : m_cases)
                // A number that is no load case of the structure is not listed.
                if (k >= 1 && k <= cases)
                    data->modifyLC(k, omGenericDesignData::lccAdded, loads->getCase(k), m_ultimate ? 1 : 2);
    }
    redesign(*doc, m_element);
}

void AComDesignSelectLC::Undo(AStructureDocument* pDoc) {
    AStrakonDocument* doc = acom::Document(pDoc);
    if (!doc || !m_savedTaken) return;
    omDesignElement* member = findMember(*doc, m_element);
    omGenericDesignData* data = member ? member->getDesignData() : nullptr;
    if (!data) return;
    auto lists = m_saved;
    data->transferLC(omGenericDesignData::lctIn, lists);
    redesign(*doc, m_element);
}

CString AComDesignSelectLC::GetName() {
    CString name;
    name.Format("Selects all load cases into design for the element (%i).", static_cast<int>(m_element));
    return name;
}
