#include "app/views/AComSkew.h"

#include "app/shell/AStrakonDocument.h"
#include "app/views/AComSupport.h"
#include "app/views/AStrakon.h"
#include "model/omLoadCase.h"
#include "model/omLoadManager.h"

#include <cmath>

AComSetSkew::AComSetSkew(int loadCase, double ratioX, double ratioZ, const omUnitValue& x, const omUnitValue& z)
    : m_loadCase(loadCase), m_newRatio{ratioX, ratioZ}, m_newValue{x, z} {}

void AComSetSkew::Execute(AStructureDocument* pDoc) { apply(pDoc, false); }

void AComSetSkew::Undo(AStructureDocument* pDoc) { apply(pDoc, true); }

void AComSetSkew::apply(AStructureDocument* pDoc, bool undo) {
    AStrakonDocument* doc = acom::Document(pDoc);
    if (!doc || !doc->GetModel()) return;
    omLoadManager* loads = doc->GetModel()->getLoadManager();
    if (!loads || m_loadCase < 1 || m_loadCase > loads->caseSize()) return;
    if (undo && !m_applied) return;
    if (!undo) {
        // Not a number would reach the analysis through the node offsets.
        const bool finite = std::isfinite(m_newRatio[0]) && std::isfinite(m_newRatio[1]) &&
                            std::isfinite(m_newValue[0].GetValue()) && std::isfinite(m_newValue[1].GetValue());
        m_applied = finite;
        if (!finite) return;
    }
    omLoadCase* lc = loads->getCase(m_loadCase);
    if (!lc) return;
    doc->GetModel()->clearResults();
    if (undo) {
        lc->setSkew(m_oldRatio[0], m_oldRatio[1], m_oldValue[0], m_oldValue[1]);
    } else {
        lc->getSkew(m_oldRatio[0], m_oldRatio[1], m_oldValue[0], m_oldValue[1]);
        lc->setSkew(m_newRatio[0], m_newRatio[1], m_newValue[0], m_newValue[1]);
    }
    acom::Hint(*doc, 4000);
}
