#include "app/views/AComEnvelopes.h"

#include "app/shell/AProjectWorkspaceWndInterface.h"
#include "app/shell/AStrakonDocument.h"
#include "app/views/ACommandSteps.h"
#include "app/views/AStrakon.h"
#include "model/omLoadManager.h"

using namespace ACommandSteps;

namespace {
void UpdateEnvelopes(AStrakonDocument& doc) {
    if (AProjectWorkspaceWndInterface* project = ProjectWindow()) project->UpdateEnvelopes(&doc);
}
} // namespace

AComSetEnvelope::AComSetEnvelope(unsigned number, const omEnvelope* envelope)
    : m_number(number), m_new(envelope ? envelope->clone() : nullptr) {}

AComSetEnvelope::~AComSetEnvelope() = default;

CString AComSetEnvelope::GetName() {
    if (m_number == 0) return "Add new envelope";
    return m_new ? "Modify envelope data" : "Delete envelope";
}

// The nodes and members keep their envelope results by position: whenever the
// positions change, every envelope is computed again.
void AComSetEnvelope::Execute(AStructureDocument* pDoc) {
    AStrakonDocument* doc = Strakon(pDoc);
    AStrakon* model = doc ? doc->GetModel() : nullptr;
    omLoadManager* manager = model ? model->getLoadManager() : nullptr;
    const bool adds = m_number == 0 && m_new;
    m_done = manager && (adds || (m_number >= 1 && m_number <= static_cast<unsigned>(manager->envelopeSize())));
    if (!m_done) return;
    unsigned hinted = m_number;
    if (adds) {
        hinted = static_cast<unsigned>(manager->addEnvelope(m_new->clone()));
        model->calcEnvelopes(0);
    } else if (m_new) {
        omEnvelope* envelope = manager->getEnvelope(m_number);
        m_former = *envelope;
        envelope->copy(*m_new);
        model->calcEnvelopes(m_number);
    } else {
        m_former = *manager->getEnvelope(m_number);
        manager->deleteEnvelope(static_cast<int>(m_number));
        model->calcEnvelopes(0);
    }
    Hint(*doc, 5100 + static_cast<int>(hinted));
    UpdateEnvelopes(*doc);
}

void AComSetEnvelope::Undo(AStructureDocument* pDoc) {
    AStrakonDocument* doc = Strakon(pDoc);
    AStrakon* model = doc && m_done ? doc->GetModel() : nullptr;
    omLoadManager* manager = model ? model->getLoadManager() : nullptr;
    if (!manager) return;
    if (m_number == 0) {
        manager->deleteEnvelope(manager->envelopeSize());
        model->calcEnvelopes(0);
    } else if (m_new) {
        if (omEnvelope* envelope = manager->getEnvelope(m_number)) envelope->copy(m_former);
        model->calcEnvelopes(m_number);
    } else {
        manager->insertEnvelope(m_number, m_former.clone());
        model->calcEnvelopes(0);
    }
    Hint(*doc, 5100 + static_cast<int>(m_number));
    UpdateEnvelopes(*doc);
}
